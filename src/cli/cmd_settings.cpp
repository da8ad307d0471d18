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

template <typename Range, typename F> std::string jsonArray(const Range& items, F&& element)
{
    std::string s = "[";
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            s += ", ";
        first = false;
        s += element(item);
    }
    return s + "]";
}

std::string optionsJson(const CDpctData& item)
{
    std::string s = "{";
    bool first = true;
    for (const OptionInfo& o : optionTable()) {
        if (!item.isOn(o.slot))
            continue;
        s += first ? "\n      " : ",\n      ";
        first = false;
        s += jsonString(o.name) + ": ";
        switch (o.kind) {
        case OptionKind::Switch:
            s += "true";
            break;
        case OptionKind::Choice:
            s += number(item.choiceIndex(o.slot));
            break;
        case OptionKind::Text:
            s += jsonString(item.text(o.slot));
            break;
        }
    }
    return s + (first ? "}" : "\n    }");
}

std::string settingsJson(const std::string& location, const Settings& s)
{
    std::string j = "{\n";
    j += "  \"file\": " + jsonString(location) + ",\n";
    j += "  \"language\": " + number(s.language) + ",\n";
    j += "  \"applicationLook\": " + number(s.applicationLook) + ",\n";
    j += "  \"recent\": " + jsonArray(s.recent, [](const std::string& p) { return jsonString(p); }) + ",\n";
    j += "  \"tabMode\": " + jsonArray(s.tabMode, [](std::int32_t v) { return number(v); }) + ",\n";
    j += "  \"colors\": " + jsonArray(s.colors, [](std::uint32_t v) { return number(v); }) + ",\n";
    j += "  \"folders\": {";
    for (int slot = 0; slot < kFolderCount; ++slot) {
        j += slot == 0 ? "\n    " : ",\n    ";
        j += jsonString(kFolderValueNames[static_cast<std::size_t>(slot)]) + ": " +
             jsonString(s.folders[static_cast<std::size_t>(slot)]);
    }
    j += "\n  },\n";
    j += "  \"defaultItem\": {\n    \"options\": " + optionsJson(s.defaultItem) + "\n  },\n";
    j += "  \"oneapiRoot\": " + jsonString(s.oneapiRoot) + "\n";
    j += "}\n";
    return j;
}

std::string settingsText(const std::string& location, const Settings& s)
{
    std::string t = "Settings: " + printable(location) + "\n";
    t += "Language: " + number(s.language) + (s.language < 0 ? " (not chosen yet)\n" : "\n");
    t += "Application look: " + number(s.applicationLook) + "\n";
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
        out("{\n  \"oneapiRoot\": " + jsonString(found.root) + ",\n  \"looked\": " +
            jsonArray(found.looked, [](const std::string& p) { return jsonString(p); }) + "\n}\n");
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
