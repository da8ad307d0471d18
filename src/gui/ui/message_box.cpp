#include "ui/message_box.h"

#include <QApplication>

#include <deque>

namespace tovalo::gui {
namespace {
std::deque<QMessageBox::StandardButton> g_answers;
QString g_lastText;
int g_count = 0;
} // namespace

QMessageBox::StandardButton MessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    ++g_count;
    g_lastText = text;
    if (!g_answers.empty()) {
        const auto answer = g_answers.front();
        g_answers.pop_front();
        return answer;
    }
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

QMessageBox::StandardButton MessageBox::askYesNo(QWidget* parent, const QString& text)
{
    return show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::askYesNoCancel(QWidget* parent, const QString& text)
{
    return show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes);
}

void MessageBox::inform(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    g_answers.assign(1, answer);
}

void MessageBox::queueAnswers(std::initializer_list<QMessageBox::StandardButton> answers)
{
    g_answers.insert(g_answers.end(), answers.begin(), answers.end());
}

QString MessageBox::lastText()
{
    return g_lastText;
}

int MessageBox::count()
{
    return g_count;
}

} // namespace tovalo::gui
