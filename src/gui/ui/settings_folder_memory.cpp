#include "ui/settings_folder_memory.h"

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
    if (slot >= 0)
        return settings_.folders[static_cast<std::size_t>(slot)];
    const auto it = others_.find(name);
    return it == others_.end() ? std::string() : it->second;
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
