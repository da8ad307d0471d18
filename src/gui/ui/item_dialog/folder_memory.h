#pragma once
// FolderMemory: the last-used folders of the item dialogs' choosers, by name ("CudaFile",
// "CudaDir", "CudaIncPath", "InRoot", "OutRoot", "OutputFile", "P", "Vcxproj"). The program
// backs it with the settings record, which keeps the folders between sessions; tests use
// MapFolderMemory. Folders are UTF-8.

#include <map>
#include <string>
#include <string_view>

namespace tovalo::gui {

class FolderMemory
{
public:
    virtual ~FolderMemory() = default;
    /// The remembered folder, empty when there is none.
    virtual std::string folder(std::string_view name) const = 0;
    virtual void setFolder(std::string_view name, const std::string& folder) = 0;
};

/// A FolderMemory that keeps the folders in memory only.
class MapFolderMemory : public FolderMemory
{
public:
    std::string folder(std::string_view name) const override
    {
        const auto it = folders_.find(std::string(name));
        return it == folders_.end() ? std::string() : it->second;
    }
    void setFolder(std::string_view name, const std::string& folder) override
    {
        folders_[std::string(name)] = folder;
    }

private:
    std::map<std::string, std::string> folders_;
};

} // namespace tovalo::gui
