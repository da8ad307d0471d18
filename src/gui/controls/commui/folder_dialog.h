#pragma once
// CFolderDialog: chooses a folder, starting at a given one. exec() returns QDialog::Accepted
// with the chosen folder in folderPath(), or QDialog::Rejected (folderPath() unchanged).
// Paths have no length limit here. Tests answer the next chooser through setNextFolder().

#include <optional>

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

    /// The next exec() returns at once: with `folder` (Accepted), or Rejected for an empty
    /// optional. Also records the title and start folder the chooser was given.
    static void setNextFolder(std::optional<QString> folder);
    static QString lastTitle();
    static QString lastStartFolder();

private:
    QPointer<QWidget> owner_;
    QString title_;
    QString path_;
};

} // namespace tovalo::gui
