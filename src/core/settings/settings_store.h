#pragma once
// Where the settings live: a set of groups ("Common", "Dpct", "Dir", "Color") of named registry
// values. Windows keeps them in the registry under HKEY_CURRENT_USER\SOFTWARE\mossbank\Tovalo;
// other systems in a registry-export text file, $XDG_CONFIG_HOME/mossbank/Tovalo.reg (by
// default ~/.config/mossbank/Tovalo.reg), which regedit can import and export.
//
// A store only moves raw values (type + bytes); what counts as a valid setting is decided by
// the settings record (settings.h). Reading and writing are sessions:
//   beginRead, groupExists/read ..., endRead
//   beginWrite, openGroupForWrite/write/remove ..., endWrite
// The file store reads the whole file at beginRead and beginWrite (so values and lines it does
// not know are written back unchanged) and replaces the file atomically at endWrite.

#include "reg_value.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo {

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// Where the settings live, for messages: a file path or a registry key path.
    virtual std::string location() const = 0;

    /// Starts reading. A store that does not exist yet is empty, not an error. Returns false with
    /// `error` when it exists but cannot be read; every group then reads as missing.
    virtual bool beginRead(std::string& error) = 0;
    /// True when the group exists (its key can be opened).
    virtual bool groupExists(std::string_view group) = 0;
    /// The value, or nothing when the group or value is missing or cannot be read.
    virtual std::optional<RegValue> read(std::string_view group, std::string_view name) = 0;
    virtual void endRead() = 0;

    /// Starts writing. Returns false with `error` when the store cannot be written (for the file:
    /// an existing file that cannot be read, which would otherwise be overwritten).
    virtual bool beginWrite(std::string& error) = 0;
    /// Creates or opens a group for writing; false when that fails (the group is then skipped).
    virtual bool openGroupForWrite(std::string_view group) = 0;
    virtual bool write(std::string_view group, std::string_view name, const RegValue& value) = 0;
    /// Removes a value; true when it is gone afterwards (also when it never existed).
    virtual bool remove(std::string_view group, std::string_view name) = 0;
    /// Ends writing. For the file store this is where the file is replaced; false with `error`
    /// when that fails (the previous file is then unchanged).
    virtual bool endWrite(std::string& error) = 0;
};

/// The current user's settings store of this platform.
std::unique_ptr<SettingsStore> openUserSettingsStore();

#ifdef _WIN32
/// The registry store below HKEY_CURRENT_USER\`subKey` (UTF-8, backslash-separated); the user's
/// store is at "SOFTWARE\mossbank\Tovalo". Tests use their own key.
std::unique_ptr<SettingsStore> openRegistrySettingsStore(std::string_view subKey);
#else
/// The file store at `path`. Its folder is created when the file is first written.
std::unique_ptr<SettingsStore> openFileSettingsStore(std::string path);

/// Path of the settings file for the given environment: $XDG_CONFIG_HOME/mossbank/Tovalo.reg when
/// XDG_CONFIG_HOME is set to an absolute path, else `home`/.config/mossbank/Tovalo.reg.
std::string settingsFilePath(const char* xdgConfigHome, std::string_view home);
#endif

} // namespace tovalo
