#include "controls/commui/folder_dialog.h"

#include <utility>

#include <QApplication>
#include <QFileDialog>

namespace tovalo::gui {

namespace {
bool g_hasNext = false;
std::optional<QString> g_next;
QString g_lastTitle;
QString g_lastStart;
} // namespace

CFolderDialog::CFolderDialog(QWidget* owner, const QString& title, const QString& initialFolder)
    : owner_(owner), title_(title), path_(initialFolder)
{}

void CFolderDialog::setNextFolder(std::optional<QString> folder)
{
    g_hasNext = true;
    g_next = std::move(folder);
}

QString CFolderDialog::lastTitle()
{
    return g_lastTitle;
}

QString CFolderDialog::lastStartFolder()
{
    return g_lastStart;
}

int CFolderDialog::exec()
{
    g_lastTitle = title_;
    g_lastStart = path_;
    std::optional<QString> chosen;
    if (g_hasNext) {
        g_hasNext = false;
        chosen = std::exchange(g_next, std::nullopt);
    } else {
        const QString dir =
            QFileDialog::getExistingDirectory(owner_, title_, path_, QFileDialog::ShowDirsOnly);
        if (!dir.isEmpty())
            chosen = dir;
    }
    if (!chosen || chosen->isEmpty())
        return QDialog::Rejected;
    path_ = *chosen;
    return QDialog::Accepted;
}

} // namespace tovalo::gui
