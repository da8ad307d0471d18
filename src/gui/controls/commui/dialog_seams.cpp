#include "controls/commui/dialog_seams.h"

#include <utility>

#include <QApplication>
#include <QFileDialog>

namespace tovalo::gui {

namespace {
std::optional<QMessageBox::StandardButton> g_nextAnswer;
int g_lastId = 0;
QString g_lastText;
QMessageBox::Icon g_lastIcon = QMessageBox::NoIcon;
int g_shown = 0;

std::optional<QString> g_nextFile;
QString g_fileTitle;
QString g_fileDir;
QString g_fileFilter;
} // namespace

QMessageBox::StandardButton MessageBoxSeam::show(QWidget* parent, int id, QMessageBox::Icon icon,
                                                 const QString& text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    g_lastId = id;
    g_lastText = text;
    g_lastIcon = icon;
    ++g_shown;
    if (g_nextAnswer)
        return *g_nextAnswer;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox%1").arg(id));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxSeam::setNextAnswer(QMessageBox::StandardButton answer)
{
    g_nextAnswer = answer;
}

void MessageBoxSeam::clearNextAnswer()
{
    g_nextAnswer.reset();
}

int MessageBoxSeam::lastId()
{
    return g_lastId;
}

QString MessageBoxSeam::lastText()
{
    return g_lastText;
}

QMessageBox::Icon MessageBoxSeam::lastIcon()
{
    return g_lastIcon;
}

int MessageBoxSeam::shownCount()
{
    return g_shown;
}

void MessageBoxSeam::resetLog()
{
    g_lastId = 0;
    g_lastText.clear();
    g_lastIcon = QMessageBox::NoIcon;
    g_shown = 0;
}

QString FileDialogSeam::getOpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                        const QString& filter)
{
    g_fileTitle = title;
    g_fileDir = dir;
    g_fileFilter = filter;
    if (g_nextFile)
        return *std::exchange(g_nextFile, std::nullopt);
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString FileDialogSeam::getSaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                        const QString& filter, const QString& defaultSuffix)
{
    g_fileTitle = title;
    g_fileDir = dir;
    g_fileFilter = filter;
    if (g_nextFile)
        return *std::exchange(g_nextFile, std::nullopt);
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void FileDialogSeam::setNextFileName(const QString& fileName)
{
    g_nextFile = fileName;
}

QString FileDialogSeam::lastTitle()
{
    return g_fileTitle;
}

QString FileDialogSeam::lastDir()
{
    return g_fileDir;
}

QString FileDialogSeam::lastFilter()
{
    return g_fileFilter;
}

} // namespace tovalo::gui
