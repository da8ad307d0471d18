// tovalo-cli settings: where the settings live and what Tovalo will use.

#include "cli.h"
#include "json.h"
#include "settings/oneapi.h"
#include "settings/settings.h"

#include <cstdio>
#include <string>

namespace tovalo::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: tovalo-cli settings [--json] [--oneapi]\n\n"
    "Print where Tovalo keeps its settings and every setting as Tovalo loads it (recently-used\n"
    "files whose file is gone are left out, values out of range show their defaults).\n\n"
    "  --json    one JSON object instead of text\n"
    "  --oneapi  only the oneAPI installation folder that Tovalo finds, or where it looked\n\n"
    "Exit status: 0 success; 1 the settings could not be read, or (--oneapi) no oneAPI found;\n"
    "2 usage errors.\n";

std::string number(std::int64_t v)
{
    return std::to_string(v);
}

std::string hex8(std::uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(v));
    return buf;
}

// Text for a terminal: control characters (a path can hold any) are shown as \xNN, so that
// they neither break the layout nor reach the terminal as commands.
std::string printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void writeOptions(JsonWriter& j, const CDpctData& item)
{
    j.beginObject(JsonWriter::Layout::Lines);
    for (const OptionInfo& o : optionTable()) {
        if (!item.isOn(o.slot))
            continue;
        j.key(o.name);
        switch (o.kind) {
        case OptionKind::Switch:
            j.boolean(true);
            break;
        case OptionKind::Choice:
            j.number(item.choiceIndex(o.slot));
            break;
        case OptionKind::Text:
            j.string(item.text(o.slot));
            break;
        }
    }
    j.endObject();
}

std::string settingsJson(const std::string& location, const Settings& s)
{
    using Layout = JsonWriter::Layout;
    JsonWriter j;
    j.beginObject(Layout::Lines);
    j.key("file").string(location);
    j.key("language").number(s.language);
    j.key("applicationLook").number(s.applicationLook);
    j.key("parallelConversions").number(s.parallelConversions);
    j.key("recent").beginArray();
    for (const std::string& path : s.recent)
        j.string(path);
    j.endArray();
    j.key("tabMode").beginArray();
    for (const std::int32_t v : s.tabMode)
        j.number(v);
    j.endArray();
    j.key("colors").beginArray();
    for (const std::uint32_t v : s.colors)
        j.number(v);
    j.endArray();
    j.key("folders").beginObject(Layout::Lines);
    for (int slot = 0; slot < kFolderCount; ++slot)
        j.key(kFolderValueNames[static_cast<std::size_t>(slot)])
            .string(s.folders[static_cast<std::size_t>(slot)]);
    j.endObject();
    j.key("defaultItem").beginObject(Layout::Lines).key("options");
    writeOptions(j, s.defaultItem);
    j.endObject();
    j.key("oneapiRoot").string(s.oneapiRoot);
    j.endObject();
    return j.text() + "\n";
}

std::string settingsText(const std::string& location, const Settings& s)
{
    std::string t = "Settings: " + printable(location) + "\n";
    t += "Language: " + number(s.language) + (s.language < 0 ? " (not chosen yet)\n" : "\n");
    t += "Application look: " + number(s.applicationLook) + "\n";
    t += "Parallel conversions: " +
         (s.parallelConversions == kParallelAutomatic ? std::string("automatic")
                                                      : number(s.parallelConversions)) +
         "\n";
    t += "Recently used files:" + std::string(s.recent.empty() ? " none\n" : "\n");
    for (std::size_t i = 0; i < s.recent.size(); ++i)
        t += "  " + number(static_cast<std::int64_t>(i) + 1) + ". " + printable(s.recent[i]) + "\n";
    t += "Tab mode:";
    for (const std::int32_t f : s.tabMode)
        t += " " + number(f);
    t += "\nColours:\n";
    for (int slot = 0; slot < kColorCount; ++slot) {
        const std::uint32_t c = s.colors[static_cast<std::size_t>(slot)];
        t += "  " + colorValueName(slot) + ": " +
             (c == kAutomaticColor ? std::string("automatic") : hex8(c)) + "\n";
    }
    t += "Folders:\n";
    for (int slot = 0; slot < kFolderCount; ++slot)
        t += "  " + std::string(kFolderValueNames[static_cast<std::size_t>(slot)]) + ": " +
             printable(s.folders[static_cast<std::size_t>(slot)]) + "\n";
    t += "Options of a new item:\n";
    bool any = false;
    for (const OptionInfo& o : optionTable()) {
        if (!s.defaultItem.isOn(o.slot))
            continue;
        any = true;
        t += "  " + std::string(o.name);
        if (o.kind == OptionKind::Choice)
            t += "=" + std::string(s.defaultItem.choiceEntry(o.slot));
        else if (o.kind == OptionKind::Text)
            t += "=" + printable(s.defaultItem.text(o.slot));
        t += "\n";
    }
    if (!any)
        t += "  none\n";
    t +=
        "oneAPI root: " + (s.oneapiRoot.empty() ? std::string("none found") : printable(s.oneapiRoot)) + "\n";
    return t;
}

int printOneApi(bool json)
{
    const OneApiDiscovery found = discoverOneApi();
    if (json) {
        JsonWriter j;
        j.beginObject(JsonWriter::Layout::Lines).key("oneapiRoot").string(found.root);
        j.key("looked").beginArray();
        for (const std::string& place : found.looked)
            j.string(place);
        j.endArray().endObject();
        out(j.text() + "\n");
    } else if (!found.root.empty()) {
        out(printable(found.root) + "\n");
    } else {
        std::string t = "No oneAPI installation found. Looked at:\n";
        for (const std::string& l : found.looked)
            t += "  " + printable(l) + "\n";
        out(t);
    }
    return found.root.empty() ? kExitFindings : kExitOk;
}

} // namespace

int cmdSettings(const Args& args)
{
    if (wantsHelp(args)) {
        out(kHelp);
        return kExitOk;
    }
    bool json = false;
    bool oneapi = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (a == "--oneapi")
            oneapi = true;
        else
            return usageError("settings", "unknown argument '" + a + "'");
    }
    if (oneapi)
        return printOneApi(json);

    const auto store = openUserSettingsStore();
    Settings settings(executableFolder());
    std::string error;
    const bool loaded = loadSettings(*store, settings, error);
    settings.oneapiRoot = discoverOneApi().root;
    if (!loaded)
        err("tovalo-cli settings: cannot read the settings, showing the defaults: " + error + "\n");
    out(json ? settingsJson(store->location(), settings) : settingsText(store->location(), settings));
    return loaded ? kExitOk : kExitFindings;
}

} // namespace tovalo::cli
