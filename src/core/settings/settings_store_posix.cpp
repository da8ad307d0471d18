// The settings store of systems without a registry: a registry-export text file.

#include "base/file_io.h"
#include "base/text.h"
#include "reg_file.h"
#include "settings.h"
#include "settings_store.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovalo {

namespace {

// Registry-style key of a group inside the file.
std::string keyOf(std::string_view group)
{
    return "HKEY_CURRENT_USER\\" + std::string(kSettingsKey) + "\\" + std::string(group);
}

// Creates every missing folder of `folder`.
bool makeFolders(const std::string& folder, std::string& error)
{
    std::string partial;
    std::size_t pos = 0;
    while (pos <= folder.size()) {
        const std::size_t slash = folder.find('/', pos);
        partial = folder.substr(0, slash);
        pos = slash == std::string::npos ? folder.size() + 1 : slash + 1;
        if (partial.empty())
            continue;
        if (::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST) {
            error = partial + ": " + systemErrorText(errno);
            return false;
        }
    }
    return true;
}

class FileSettingsStore final : public SettingsStore
{
public:
    explicit FileSettingsStore(std::string path) : path_(std::move(path)) {}

    std::string location() const override { return path_; }

    bool beginRead(std::string& error) override { return readFile(error); }
    bool groupExists(std::string_view group) override { return doc_.hasKey(keyOf(group)); }
    std::optional<RegValue> read(std::string_view group, std::string_view name) override
    {
        if (const RegValue* v = doc_.find(keyOf(group), name))
            return *v;
        return std::nullopt;
    }
    void endRead() override {}

    // The file is read again so that whatever another program or a regedit import put there
    // since the start is kept, and the groups that are not saved stay as they are on disk.
    bool beginWrite(std::string& error) override { return readFile(error); }
    bool openGroupForWrite(std::string_view group) override
    {
        doc_.addKey(keyOf(group));
        return true;
    }
    bool write(std::string_view group, std::string_view name, const RegValue& value) override
    {
        doc_.set(keyOf(group), name, value);
        return true;
    }
    bool remove(std::string_view group, std::string_view name) override
    {
        doc_.remove(keyOf(group), name);
        return true;
    }
    bool endWrite(std::string& error) override
    {
        const auto slash = path_.find_last_of('/');
        if (slash != std::string::npos && slash > 0 && !makeFolders(path_.substr(0, slash), error))
            return false;
        Message why;
        if (!writeFileAtomically(path_, doc_.format(), why)) {
            error = path_ + ": " + englishText(why);
            return false;
        }
        return true;
    }

private:
    bool readFile(std::string& error)
    {
        doc_ = RegDocument();
        std::string bytes;
        Message why;
        // A settings file is a few KiB; a FIFO or device in its place is refused unread.
        constexpr std::size_t kSettingsReadLimit = std::size_t{16} << 20;
        if (!readWholeFile(path_, bytes, why, kSettingsReadLimit)) {
            if (!pathExists(path_))
                return true; // not written yet: an empty store
            error = path_ + ": " + englishText(why);
            return false;
        }
        doc_ = RegDocument::parse(bytes);
        return true;
    }

    std::string path_;
    RegDocument doc_;
};

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

} // namespace

std::unique_ptr<SettingsStore> openFileSettingsStore(std::string path)
{
    return std::make_unique<FileSettingsStore>(std::move(path));
}

std::string settingsFilePath(const char* xdgConfigHome, std::string_view home)
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        base = xdgConfigHome;
    } else {
        base = std::string(home);
        if (base.empty() || base.back() != '/')
            base += '/';
        base += ".config";
    }
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/mossbank/Tovalo.reg";
}

std::unique_ptr<SettingsStore> openUserSettingsStore()
{
    return openFileSettingsStore(settingsFilePath(std::getenv("XDG_CONFIG_HOME"), homeFolder()));
}

} // namespace tovalo
