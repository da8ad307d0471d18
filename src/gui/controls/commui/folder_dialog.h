#pragma once
// CFolderDialog: chooses a folder, starting at a given one. exec() returns QDialog::Accepted
// with the chosen folder in folderPath(), or QDialog::Rejected (folderPath() unchanged).
// Paths have no length limit here. The chooser goes through DialogSeam, where tests answer it.

#include <QDialog>
#include <QPointer>
#include <QString>

namespace tovalo::gui {

class CFolderDialog
{
public:
    CFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder);

    int exec();
    QString folderPath() const { return path_; }
    QString title() const { return title_; }

private:
    QPointer<QWidget> owner_;
    QString title_;
    QString path_;
};

} // namespace tovalo::gui
