#pragma once
// SettingsFolderMemory: the remembered folders of the item dialogs kept in the settings record's
// "Dir" slots, so that they last between sessions (the record is saved at exit). Names that
// have no slot are kept for the session only. A chooser never starts in the program's folder.

#include "ui/item_dialog/folder_memory.h"

#include <functional>
#include <map>
#include <string>

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class SettingsFolderMemory : public FolderMemory
{
public:
    explicit SettingsFolderMemory(Settings& settings) : settings_(settings) {}
    /// Where choosers start while no folder was chosen for them: usually the folder of the
    /// current definition file (empty: the home folder).
    void setBesideFolder(std::function<std::string()> provider) { besideFolder_ = std::move(provider); }
    std::string folder(std::string_view name) const override;
    void setFolder(std::string_view name, const std::string& folder) override;

private:
    Settings& settings_;
    std::function<std::string()> besideFolder_;
    std::map<std::string, std::string, std::less<>> others_;
};

} // namespace tovalo::gui
