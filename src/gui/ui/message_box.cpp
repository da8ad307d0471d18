#include "ui/message_box.h"

#include "controls/commui/dialog_seam.h"

namespace tovalo::gui {

QMessageBox::StandardButton MessageBox::askYesNo(QWidget* parent, const QString& text)
{
    return DialogSeam::message(parent, 0, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::askYesNoCancel(QWidget* parent, const QString& text)
{
    return DialogSeam::message(parent, 0, QMessageBox::Question, text,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void MessageBox::inform(QWidget* parent, const QString& text)
{
    DialogSeam::message(parent, 0, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    DialogSeam::message(parent, 0, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace tovalo::gui
