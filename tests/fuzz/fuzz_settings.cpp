// libFuzzer harness: any bytes as the settings file of POSIX systems. The reader never fails
// (what it does not understand is kept), writing what was read is a fixed point, and settings
// that are loaded, saved into the same text and loaded again come back the same, with the file
// still in UTF-16LE or UTF-8 with its mark when it was read so.

#include "check_item.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <cstdint>

namespace {

using namespace tovalo;

// The file store without the file: the same key layout over a document in memory.
class MemoryStore final : public SettingsStore
{
public:
    explicit MemoryStore(RegDocument& doc) : doc_(doc) {}
    std::string location() const override { return "memory"; }
    bool beginRead(std::string&) override { return true; }
    bool groupExists(std::string_view group) override { return doc_.hasKey(keyOf(group)); }
    std::optional<RegValue> read(std::string_view group, std::string_view name) override
    {
        if (const RegValue* v = doc_.find(keyOf(group), name))
            return *v;
        return std::nullopt;
    }
    void endRead() override {}
    bool beginWrite(std::string&) override { return true; }
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
    bool endWrite(std::string&) override { return true; }

private:
    static std::string keyOf(std::string_view group)
    {
        return "HKEY_CURRENT_USER\\" + std::string(kSettingsKey) + "\\" + std::string(group);
    }
    RegDocument& doc_;
};

bool sameSettings(const Settings& a, const Settings& b)
{
    return a.language == b.language && a.applicationLook == b.applicationLook &&
           a.defaultItem == b.defaultItem && a.recent == b.recent && a.folders == b.folders &&
           a.tabMode == b.tabMode && a.colors == b.colors && a.oneapiRoot == b.oneapiRoot &&
           a.dpctVersion == b.dpctVersion && a.dpctCodebase == b.dpctCodebase &&
           a.programVersion == b.programVersion && a.languagePackVersions == b.languagePackVersions;
}

Settings load(RegDocument& doc)
{
    Settings s("/app");
    MemoryStore store(doc);
    std::string error;
    if (!loadSettings(store, s, error, [](const std::string&) { return true; }))
        fuzzcheck::fail("loading from memory failed", {}, error);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RegDocument doc = RegDocument::parse(bytes);

    const std::string first = doc.format();
    if (RegDocument::parse(first).format() != first)
        fuzzcheck::fail("the text written for what was read does not read back the same", first, {});

    const Settings loaded = load(doc);
    const bool utf16 = doc.isUtf16();
    const bool bom = doc.encoding() == "UTF-8 with BOM";
    MemoryStore store(doc);
    std::string error;
    if (!saveSettings(store, loaded, kSaveAll, error))
        fuzzcheck::fail("saving into memory failed", first, error);
    const std::string saved = doc.format();
    RegDocument back = RegDocument::parse(saved);
    if (back.isUtf16() != utf16 || (bom && back.encoding() != "UTF-8 with BOM"))
        fuzzcheck::fail("the file changed its encoding", first, saved);
    if (!sameSettings(load(back), loaded))
        fuzzcheck::fail("settings saved and read again differ", first, saved);
    return 0;
}
