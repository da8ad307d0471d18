#include "controls/commui/dialog_seam.h"

#include <deque>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

namespace tovalo::gui {

namespace {

using Kind = DialogSeam::Record::Kind;

struct Answer
{
    Kind kind = Kind::None; ///< None: the dialog counts as cancelled
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    QString path; ///< a chooser's answer; empty = cancelled
    QColor color; ///< the colour chooser's answer; invalid = cancelled
};

struct State
{
    std::function<void(const QString&)> unexpected;
    std::deque<Answer> answers;
    DialogSeam::Record last;
    int shown = 0;
};

State& state()
{
    static State s;
    return s;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Message:
        return QStringLiteral("message box");
    case Kind::OpenFile:
        return QStringLiteral("open-file chooser");
    case Kind::SaveFile:
        return QStringLiteral("save-file chooser");
    case Kind::Folder:
        return QStringLiteral("folder chooser");
    case Kind::Color:
        return QStringLiteral("colour chooser");
    case Kind::None:
        break;
    }
    return QStringLiteral("dialog");
}

/// Records `shown`, then takes the queued answer for it into `answer`. Returns false when the
/// dialog is to be opened for real; in test mode a missing or mismatched answer is reported and
/// the dialog counts as cancelled (an answer of kind None).
bool take(DialogSeam::Record shown, Answer& answer)
{
    State& s = state();
    s.last = std::move(shown);
    ++s.shown;
    // Both file choosers take the same kind of answer.
    const auto fits = [](Kind queued, Kind asked) {
        const auto fileKind = [](Kind k) {
            return k == Kind::OpenFile || k == Kind::SaveFile;
        };
        return queued == asked || (fileKind(queued) && fileKind(asked));
    };
    if (!s.answers.empty() && fits(s.answers.front().kind, s.last.kind)) {
        answer = std::move(s.answers.front());
        s.answers.pop_front();
        return true;
    }
    if (!s.unexpected)
        return false;
    const QString detail = s.last.kind == Kind::Message ? s.last.text : s.last.title;
    QString what = QStringLiteral("unexpected %1 (%2)").arg(kindName(s.last.kind), detail);
    if (!s.answers.empty())
        what += QStringLiteral("; the next queued answer is for a %1").arg(kindName(s.answers.front().kind));
    s.unexpected(what);
    answer = Answer();
    return true;
}

DialogSeam::Record chooserRecord(Kind kind, const QString& title, const QString& dir,
                                 const QString& filter = {})
{
    DialogSeam::Record shown;
    shown.kind = kind;
    shown.title = title;
    shown.dir = dir;
    shown.filter = filter;
    return shown;
}

QMessageBox::StandardButton cancelButton(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (buttons.testFlag(b))
            return b;
    }
    return QMessageBox::NoButton;
}

} // namespace

QMessageBox::StandardButton
DialogSeam::message(QWidget* parent, int id, QMessageBox::Icon icon, const QString& text,
                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                    const QList<QPair<QMessageBox::StandardButton, QString>>& buttonTexts)
{
    Record shown;
    shown.kind = Kind::Message;
    shown.id = id;
    shown.icon = icon;
    shown.text = text;
    if (Answer answer; take(std::move(shown), answer))
        return answer.kind == Kind::None ? cancelButton(buttons) : answer.button;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox%1").arg(id));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (const auto& [button, label] : buttonTexts) {
        if (QAbstractButton* b = box.button(button))
            b->setText(label);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DialogSeam::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter)
{
    if (Answer answer; take(chooserRecord(Kind::OpenFile, title, dir, filter), answer))
        return answer.path;
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString DialogSeam::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter, const QString& defaultSuffix)
{
    if (Answer answer; take(chooserRecord(Kind::SaveFile, title, dir, filter), answer))
        return answer.path;
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogSeam::folder(QWidget* parent, const QString& title, const QString& start)
{
    if (Answer answer; take(chooserRecord(Kind::Folder, title, start), answer)) {
        if (answer.path.isEmpty())
            return std::nullopt;
        return answer.path;
    }
    const QString dir = QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<QColor> DialogSeam::color(QWidget* parent, const QString& title, const QColor& initial)
{
    DialogSeam::Record shown;
    shown.kind = Kind::Color;
    shown.title = title;
    shown.color = initial;
    if (Answer answer; take(std::move(shown), answer)) {
        if (!answer.color.isValid())
            return std::nullopt;
        return answer.color;
    }
    QColorDialog dialog(initial.isValid() ? initial : QColor(Qt::white), parent);
    dialog.setObjectName(QStringLiteral("colorDialog"));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

void DialogSeam::setTestMode(std::function<void(const QString&)> unexpected)
{
    state().unexpected = std::move(unexpected);
}

void DialogSeam::answerMessage(QMessageBox::StandardButton answer)
{
    state().answers.push_back({Kind::Message, answer, QString(), QColor()});
}

void DialogSeam::answerFile(const QString& path)
{
    state().answers.push_back({Kind::OpenFile, QMessageBox::NoButton, path, QColor()});
}

void DialogSeam::answerFolder(std::optional<QString> folder)
{
    state().answers.push_back({Kind::Folder, QMessageBox::NoButton, folder.value_or(QString()), QColor()});
}

void DialogSeam::answerColor(std::optional<QColor> color)
{
    state().answers.push_back({Kind::Color, QMessageBox::NoButton, QString(), color.value_or(QColor())});
}

int DialogSeam::pendingAnswers()
{
    return static_cast<int>(state().answers.size());
}

void DialogSeam::clearAnswers()
{
    state().answers.clear();
}

const DialogSeam::Record& DialogSeam::last()
{
    return state().last;
}

int DialogSeam::shownCount()
{
    return state().shown;
}

void DialogSeam::resetLog()
{
    state().last = Record();
    state().shown = 0;
}

} // namespace tovalo::gui
