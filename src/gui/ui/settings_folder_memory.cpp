#include "ui/settings_folder_memory.h"

#include "app/app_settings.h"
#include "settings/settings.h"

namespace tovalo::gui {
namespace {

int slotOf(std::string_view name)
{
    for (std::size_t i = 0; i < kFolderValueNames.size(); ++i) {
        if (kFolderValueNames[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

std::string SettingsFolderMemory::folder(std::string_view name) const
{
    const int slot = slotOf(name);
    std::string remembered;
    if (slot >= 0) {
        remembered = settings_.folders[static_cast<std::size_t>(slot)];
    } else if (const auto it = others_.find(name); it != others_.end()) {
        remembered = it->second;
    }
    // A folder the user chose before; else beside the definition file; never the program's
    // own folder, which every slot holds until something is chosen.
    const QString beside = besideFolder_ ? QString::fromStdString(besideFolder_()) : QString();
    return chooserStartFolder(QString::fromStdString(remembered), beside).toStdString();
}

void SettingsFolderMemory::setFolder(std::string_view name, const std::string& folder)
{
    const int slot = slotOf(name);
    if (slot >= 0)
        settings_.folders[static_cast<std::size_t>(slot)] = folder;
    else
        others_[std::string(name)] = folder;
}

} // namespace tovalo::gui
