// The settings store of Windows: values below HKEY_CURRENT_USER\SOFTWARE\mossbank\Tovalo.

#include "base/text.h"
#include "settings.h"
#include "settings_store.h"

#include <windows.h>

#include <map>

namespace tovalo {

namespace {

std::wstring wide(std::string_view utf8)
{
    return pathFromUtf8(utf8).wstring();
}

// Values larger than this are not read at all: the longest accepted text and its terminator,
// with room for a stray extra NUL.
constexpr DWORD kMaxValueBytes = static_cast<DWORD>((kMaxTextUnits + 2) * 2);

class RegistrySettingsStore final : public SettingsStore
{
public:
    explicit RegistrySettingsStore(std::string_view subKey) : subKey_(subKey) {}
    ~RegistrySettingsStore() override { closeAll(); }

    RegistrySettingsStore(const RegistrySettingsStore&) = delete;
    RegistrySettingsStore& operator=(const RegistrySettingsStore&) = delete;

    std::string location() const override { return "HKEY_CURRENT_USER\\" + subKey_; }

    bool beginRead(std::string&) override
    {
        closeAll();
        return true;
    }

    bool groupExists(std::string_view group) override { return readKey(group) != nullptr; }

    std::optional<RegValue> read(std::string_view group, std::string_view name) override
    {
        HKEY key = readKey(group);
        if (!key)
            return std::nullopt;
        const std::wstring wname = wide(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            size > kMaxValueBytes)
            return std::nullopt;
        RegValue value;
        value.data.resize(size);
        DWORD got = size;
        if (RegQueryValueExW(key, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data.data()),
                             &got) != ERROR_SUCCESS ||
            got > size)
            return std::nullopt;
        value.data.resize(got);
        value.type = type;
        return value;
    }

    void endRead() override { closeAll(); }

    bool beginWrite(std::string&) override
    {
        closeAll();
        return true;
    }

    bool openGroupForWrite(std::string_view group) override
    {
        const std::string g(group);
        if (auto it = writeKeys_.find(g); it != writeKeys_.end())
            return it->second != nullptr;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(subKey_ + "\\" + g).c_str(), 0, nullptr, 0,
                            KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            key = nullptr;
        writeKeys_[g] = key;
        return key != nullptr;
    }

    bool write(std::string_view group, std::string_view name, const RegValue& value) override
    {
        HKEY key = writeKey(group);
        return key && RegSetValueExW(key, wide(name).c_str(), 0, value.type,
                                     reinterpret_cast<const BYTE*>(value.data.data()),
                                     static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

    bool remove(std::string_view group, std::string_view name) override
    {
        HKEY key = writeKey(group);
        if (!key)
            return false;
        const LSTATUS rc = RegDeleteValueW(key, wide(name).c_str());
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }

    bool endWrite(std::string&) override
    {
        closeAll();
        return true;
    }

private:
    HKEY readKey(std::string_view group)
    {
        const std::string g(group);
        if (auto it = readKeys_.find(g); it != readKeys_.end())
            return it->second;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(subKey_ + "\\" + g).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            key = nullptr;
        readKeys_[g] = key;
        return key;
    }

    HKEY writeKey(std::string_view group)
    {
        auto it = writeKeys_.find(std::string(group));
        return it == writeKeys_.end() ? nullptr : it->second;
    }

    void closeAll()
    {
        for (auto* keys : {&readKeys_, &writeKeys_}) {
            for (auto& [name, key] : *keys) {
                if (key)
                    RegCloseKey(key);
            }
            keys->clear();
        }
    }

    std::string subKey_;
    std::map<std::string, HKEY> readKeys_;  // nullptr: the group could not be opened
    std::map<std::string, HKEY> writeKeys_; // nullptr: the group could not be created
};

} // namespace

std::unique_ptr<SettingsStore> openRegistrySettingsStore(std::string_view subKey)
{
    return std::make_unique<RegistrySettingsStore>(subKey);
}

std::unique_ptr<SettingsStore> openUserSettingsStore()
{
    return openRegistrySettingsStore(kSettingsKey);
}

} // namespace tovalo
