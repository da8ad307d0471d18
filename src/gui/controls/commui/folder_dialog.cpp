#include "controls/commui/folder_dialog.h"

#include "controls/commui/dialog_seam.h"

namespace tovalo::gui {

CFolderDialog::CFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder)
    : owner_(owner), title_(title), path_(initialFolder)
{}

int CFolderDialog::exec()
{
    const std::optional<QString> chosen = DialogSeam::folder(owner_, title_, path_);
    if (!chosen || chosen->isEmpty())
        return QDialog::Rejected;
    path_ = *chosen;
    return QDialog::Accepted;
}

} // namespace tovalo::gui
