#pragma once
// DialogSeam: every modal question the program puts to the user (message boxes, the open and
// save file choosers, the folder chooser, the colour chooser) goes through here, so that tests drive the real
// windows without a modal dialog ever blocking them.
//
// In the program each call opens the dialog and returns the user's answer. A test switches the
// seam to test mode and queues the answers it expects, in order; each queued answer is used by
// exactly one dialog of its kind. A dialog that finds no answer of its kind at the head of the
// queue is reported to the test's handler (which fails the test) and is cancelled, so a test
// never hangs on a dialog it did not expect. Every dialog asked for is recorded (last()).

#include <functional>
#include <optional>

#include <QColor>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace tovalo::gui {

class DialogSeam
{
public:
    /// What one dialog showed.
    struct Record
    {
        enum class Kind
        {
            None,
            Message,
            OpenFile,
            SaveFile,
            Folder,
            Color
        };
        Kind kind = Kind::None;
        int id = 0;                                   ///< the message's number; 0 for none
        QMessageBox::Icon icon = QMessageBox::NoIcon; ///< message boxes
        QString text;                                 ///< a message box's text
        QString title;                                ///< a chooser's title
        QString dir;                                  ///< a chooser's start file or folder
        QString filter;                               ///< a file chooser's filter
        QColor color;                                 ///< the colour chooser's start colour
    };

    /// A message box with the program's name as its caption. `id` identifies the message in
    /// tests and in the box's object name ("messageBox<id>").
    /// `buttonTexts` gives buttons texts of their own ("Run anyway" on Yes).
    static QMessageBox::StandardButton
    message(QWidget* parent, int id, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            const QList<QPair<QMessageBox::StandardButton, QString>>& buttonTexts = {});
    /// The open-file chooser (the file must exist). Empty when cancelled.
    static QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter);
    /// The save-file chooser: `defaultSuffix` (without the dot) is added to a name typed without
    /// one, and choosing an existing file asks before it is overwritten. Empty when cancelled.
    static QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter, const QString& defaultSuffix);
    /// The folder chooser, starting at `start`. Empty optional when cancelled.
    static std::optional<QString> folder(QWidget* parent, const QString& title, const QString& start);
    /// The platform's colour chooser, starting at `initial`, with the custom colours it keeps for
    /// the whole process. Empty optional when cancelled.
    static std::optional<QColor> color(QWidget* parent, const QString& title, const QColor& initial);

    // Tests ------------------------------------------------------------------------------------

    /// Test mode: no dialog window ever opens. A dialog without a queued answer of its kind
    /// calls `unexpected` with a description and is cancelled. An empty function ends test mode.
    static void setTestMode(std::function<void(const QString& what)> unexpected);
    /// Queues the answer of the next message box.
    static void answerMessage(QMessageBox::StandardButton answer = QMessageBox::Ok);
    /// Queues the answer of the next file chooser, open or save (empty = cancelled).
    static void answerFile(const QString& path);
    /// Queues the answer of the next folder chooser (no value = cancelled).
    static void answerFolder(std::optional<QString> folder);
    /// Queues the answer of the next colour chooser (no value = cancelled).
    static void answerColor(std::optional<QColor> color);
    /// Answers queued and not used yet.
    static int pendingAnswers();
    static void clearAnswers();

    /// The last dialog asked for (Kind::None after resetLog()).
    static const Record& last();
    /// How many dialogs were asked for since resetLog().
    static int shownCount();
    static void resetLog();
};

} // namespace tovalo::gui
