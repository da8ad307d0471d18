#pragma once
// Message boxes and file choosers of the dialogs, behind seams so that tests can drive the real
// dialogs: a test sets the next answer (or the next file name) and the following call returns
// it at once instead of opening a modal window. Every call records what would have been shown.

#include <optional>

#include <QMessageBox>
#include <QString>

namespace tovalo::gui {

/// A message box with an id (the message's number, for tests and diagnostics).
class MessageBoxSeam
{
public:
    static QMessageBox::StandardButton
    show(QWidget* parent, int id, QMessageBox::Icon icon, const QString& text,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    /// The next show() returns `answer` without opening a window. Stays in force for later
    /// calls too until clearNextAnswer(), so a test can confirm several boxes.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void clearNextAnswer();

    /// What the last show() displayed; id 0 when nothing was shown since resetLog().
    static int lastId();
    static QString lastText();
    static QMessageBox::Icon lastIcon();
    static int shownCount();
    static void resetLog();
};

/// The open-file chooser (the file must exist).
class FileDialogSeam
{
public:
    /// Returns the chosen file, or an empty text when the user cancelled.
    static QString getOpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter);

    /// The save-file chooser: `defaultSuffix` (without the dot) is added to a name typed
    /// without one, and choosing an existing file asks before it is overwritten.
    static QString getSaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter, const QString& defaultSuffix);

    /// The next call of either chooser returns `fileName` (empty = cancelled) without opening
    /// a window.
    static void setNextFileName(const QString& fileName);
    static QString lastTitle();
    static QString lastDir();
    static QString lastFilter();
};

} // namespace tovalo::gui
