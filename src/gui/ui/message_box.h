#pragma once
// The program's standard message boxes: a question with Yes and No, one with Yes, No and
// Cancel, information and errors. They go through DialogSeam, where tests answer them.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace tovalo::gui {

class MessageBox
{
public:
    /// A question with Yes and No, question icon, No as the default button.
    static QMessageBox::StandardButton askYesNo(QWidget* parent, const QString& text);
    /// A question with Yes, No and Cancel, Yes as the default button.
    static QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text);
    /// Information with an OK button.
    static void inform(QWidget* parent, const QString& text);
    /// An error with an OK button.
    static void error(QWidget* parent, const QString& text);
};

} // namespace tovalo::gui
