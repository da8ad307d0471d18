#pragma once
// Message boxes of the program, with one seam for tests: an answer queued with setNextAnswer is
// returned by the next box instead of showing it, so tests can drive confirmations.

#include <QMessageBox>
#include <QString>

#include <initializer_list>

class QWidget;

namespace tovalo::gui {

class MessageBox
{
public:
    /// A question with Yes and No, question icon, No as the default button.
    static QMessageBox::StandardButton askYesNo(QWidget* parent, const QString& text);
    /// A question with Yes, No and Cancel.
    static QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text);
    /// Information with an OK button.
    static void inform(QWidget* parent, const QString& text);
    /// An error with an OK button.
    static void error(QWidget* parent, const QString& text);

    /// Tests: the next box returns `answer` at once. The text it would have shown is kept.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    /// Tests: answers for the boxes after that one, in order (for a question followed by an
    /// error message, say).
    static void queueAnswers(std::initializer_list<QMessageBox::StandardButton> answers);
    /// Tests: the text of the last box that was answered through setNextAnswer or shown.
    static QString lastText();
    /// Tests: how many boxes were asked for since the program started.
    static int count();

private:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};

} // namespace tovalo::gui
