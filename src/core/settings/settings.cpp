#include "settings.h"

#include "base/file_io.h"
#include "base/text.h"
#include "data/definition_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tovalo {

namespace {

constexpr std::string_view kLook = "ApplicationLook";
constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kEditorCommand = "EditorCommand";
constexpr std::string_view kParallelConversions = "ParallelConversions";
constexpr std::string_view kTabMode = "TabMode";
constexpr int kRecentNamesRead = 16; // Recent01 .. Recent16
constexpr std::string_view kPlacement = "Placement";
constexpr std::string_view kDocks = "Docks";
constexpr std::string_view kOutputHeight = "OutputHeight";
constexpr std::string_view kListWidthShare = "ListWidthShare";
constexpr std::string_view kListHeightShare = "ListHeightShare";
constexpr std::size_t kMaxLayoutBytes = 64 * 1024; // a layout is a few hundred bytes
constexpr std::int32_t kMaxOutputHeight = 100000;

std::optional<std::uint32_t> asDword(const std::optional<RegValue>& v)
{
    if (!v || v->type != kRegDword || v->data.size() != 4)
        return std::nullopt;
    std::uint32_t x = 0;
    for (int i = 3; i >= 0; --i)
        x = (x << 8) | static_cast<unsigned char>(v->data[static_cast<std::size_t>(i)]);
    return x;
}

// Text of a REG_SZ value, with or without terminating NUL, up to kMaxTextUnits characters.
std::optional<std::string> asText(const std::optional<RegValue>& v)
{
    if (!v || v->type != kRegSz)
        return std::nullopt;
    if (utf16UnitsBeforeNul(v->data) > kMaxTextUnits)
        return std::nullopt;
    return utf8FromUtf16le(v->data);
}

std::string packFields(const std::array<std::int32_t, kTabFieldCount>& fields)
{
    std::string bytes;
    for (const std::int32_t f : fields) {
        const auto u = static_cast<std::uint32_t>(f);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    return bytes;
}

std::optional<std::string> asLayoutBytes(const std::optional<RegValue>& v)
{
    if (!v || v->type != kRegBinary || v->data.empty() || v->data.size() > kMaxLayoutBytes)
        return std::nullopt;
    return v->data;
}

/// A DWORD from 1 to `most`.
std::optional<std::int32_t> asCount(const std::optional<RegValue>& v, std::int32_t most)
{
    const auto x = asDword(v);
    if (!x || *x < 1 || *x > static_cast<std::uint32_t>(most))
        return std::nullopt;
    return static_cast<std::int32_t>(*x);
}

void loadWindow(SettingsStore& store, WindowLayout& w)
{
    if (auto bytes = asLayoutBytes(store.read(kGroupWindow, kPlacement)))
        w.placement = std::move(*bytes);
    if (auto bytes = asLayoutBytes(store.read(kGroupWindow, kDocks)))
        w.docks = std::move(*bytes);
    if (const auto h = asCount(store.read(kGroupWindow, kOutputHeight), kMaxOutputHeight))
        w.outputHeight = *h;
    if (const auto share = asCount(store.read(kGroupWindow, kListWidthShare), 999))
        w.listWidthShare = *share;
    if (const auto share = asCount(store.read(kGroupWindow, kListHeightShare), 999))
        w.listHeightShare = *share;
}

void loadCommon(SettingsStore& store, Settings& s, const FileExists& fileExists)
{
    if (const auto look = asDword(store.read(kGroupCommon, kLook));
        look && *look >= static_cast<std::uint32_t>(kLookFirst) &&
        *look <= static_cast<std::uint32_t>(kLookLast))
        s.applicationLook = static_cast<std::int32_t>(*look);
    if (const auto lang = asDword(store.read(kGroupCommon, kLanguage));
        lang && *lang < static_cast<std::uint32_t>(kLanguageCount))
        s.language = static_cast<std::int32_t>(*lang);

    if (const auto editor = asText(store.read(kGroupCommon, kEditorCommand)))
        s.editorCommand = *editor;
    if (const auto parallel = asDword(store.read(kGroupCommon, kParallelConversions));
        parallel && *parallel <= static_cast<std::uint32_t>(kParallelMost))
        s.parallelConversions = static_cast<std::int32_t>(*parallel);

    // The stored list replaces the one in memory (which is empty unless loaded before).
    s.recent.clear();
    for (int n = 1; n <= kRecentNamesRead; ++n) {
        const auto path = asText(store.read(kGroupCommon, recentValueName(n)));
        if (path && !path->empty() && fileExists(*path))
            s.recent.push_back(*path);
    }

    if (const auto tab = store.read(kGroupCommon, kTabMode);
        tab && tab->type == kRegBinary && !tab->data.empty()) {
        const std::size_t fields = std::min<std::size_t>(tab->data.size() / 4, kTabFieldCount);
        for (std::size_t f = 0; f < fields; ++f) {
            std::uint32_t x = 0;
            for (int i = 3; i >= 0; --i)
                x = (x << 8) | static_cast<unsigned char>(tab->data[4 * f + static_cast<std::size_t>(i)]);
            s.tabMode[f] = static_cast<std::int32_t>(x);
        }
    }
}

void loadDpct(SettingsStore& store, CDpctData& item)
{
    for (const OptionInfo& o : optionTable()) {
        const std::optional<RegValue> v = store.read(kGroupDpct, o.name);
        switch (o.kind) {
        case OptionKind::Switch: {
            const auto x = asDword(v);
            item.setOn(o.slot, x && *x >= 1);
            break;
        }
        case OptionKind::Choice: {
            const auto x = asDword(v);
            if (o.slot == kOutputVerbosity) {
                // Kept as a flag only: the level is not stored and stays the built-in default.
                item.setOn(o.slot, x && *x >= 1);
                item.setChoiceIndex(o.slot, o.defaultIndex);
                break;
            }
            const auto entries = valueListEntries(o.valueList).size();
            if (x && *x < entries) {
                item.setOn(o.slot, true);
                item.setChoiceIndex(o.slot, static_cast<std::int32_t>(*x));
            } else {
                item.setOn(o.slot, false);
                item.setChoiceIndex(o.slot, o.defaultIndex);
            }
            break;
        }
        case OptionKind::Text: {
            const auto text = asText(v);
            item.setOn(o.slot, text.has_value());
            item.setText(o.slot, text.value_or(std::string()));
            break;
        }
        }
    }
}

RegValue optionValue(const CDpctData& item, const OptionInfo& o)
{
    switch (o.kind) {
    case OptionKind::Switch:
        return regDword(1);
    case OptionKind::Choice:
        if (o.slot == kOutputVerbosity)
            return regDword(1);
        return regDword(static_cast<std::uint32_t>(item.choiceIndex(o.slot)));
    case OptionKind::Text:
        break;
    }
    return regText(item.text(o.slot));
}

} // namespace

Settings::Settings(std::string_view programFolder)
{
    folders.fill(withoutTrailingSeparator(programFolder));
}

void Settings::addRecent(std::string_view path)
{
    pushRecent(recent, path, kRecentLimit);
}

std::string recentValueName(int position)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "Recent%02d", position);
    return buf;
}

std::string colorValueName(int slot)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "Color%02d", slot + 1);
    return buf;
}

std::string withoutTrailingSeparator(std::string_view folder)
{
    std::string f(folder);
    const bool root = f == "/" || (f.size() == 3 && f[1] == ':');
    if (!root && !f.empty() && (f.back() == '/' || f.back() == '\\'))
        f.pop_back();
    return f;
}

bool loadSettings(SettingsStore& store, Settings& settings, std::string& error, const FileExists& fileExists)
{
    if (!store.beginRead(error))
        return false;
    const FileExists exists = fileExists ? fileExists : [](const std::string& p) {
        return pathExists(p);
    };

    if (store.groupExists(kGroupCommon))
        loadCommon(store, settings, exists);

    if (store.groupExists(kGroupDpct))
        loadDpct(store, settings.defaultItem);

    if (store.groupExists(kGroupDir)) {
        for (int slot = 0; slot < kFolderCount; ++slot) {
            if (auto text = asText(store.read(kGroupDir, kFolderValueNames[static_cast<std::size_t>(slot)])))
                settings.folders[static_cast<std::size_t>(slot)] = std::move(*text);
        }
    }

    if (store.groupExists(kGroupColor)) {
        for (int slot = 0; slot < kColorCount; ++slot) {
            if (const auto c = asDword(store.read(kGroupColor, colorValueName(slot))))
                settings.colors[static_cast<std::size_t>(slot)] = *c;
        }
    }
    if (store.groupExists(kGroupWindow))
        loadWindow(store, settings.window);
    store.endRead();
    return true;
}

bool saveSettings(SettingsStore& store, const Settings& settings, unsigned groups, std::string& error)
{
    if (!store.beginWrite(error))
        return false;
    bool ok = true;
    std::string failed;
    auto note = [&](bool written, std::string_view what) {
        if (!written) {
            ok = false;
            if (!failed.empty())
                failed += ", ";
            failed += what;
        }
    };

    if ((groups & (kSaveLook | kSaveLanguage | kSaveRecent | kSaveTabMode | kSaveEditor | kSaveParallel)) !=
        0) {
        if (!store.openGroupForWrite(kGroupCommon)) {
            note(false, kGroupCommon);
        } else {
            if (groups & kSaveLook)
                note(store.write(kGroupCommon, kLook,
                                 regDword(static_cast<std::uint32_t>(settings.applicationLook))),
                     kLook);
            if (groups & kSaveLanguage)
                note(store.write(kGroupCommon, kLanguage,
                                 regDword(static_cast<std::uint32_t>(settings.language))),
                     kLanguage);
            if (groups & kSaveRecent) {
                const std::size_t count = std::min(settings.recent.size(), kRecentLimit);
                for (std::size_t i = 0; i < count; ++i) {
                    const std::string name = recentValueName(static_cast<int>(i) + 1);
                    note(store.write(kGroupCommon, name, regText(settings.recent[i])), name);
                }
                // Entries of an earlier, longer list would otherwise come back at the next start.
                for (std::size_t i = count; i < static_cast<std::size_t>(kRecentNamesRead); ++i) {
                    const std::string name = recentValueName(static_cast<int>(i) + 1);
                    note(store.remove(kGroupCommon, name), name);
                }
            }
            if (groups & kSaveTabMode)
                note(store.write(kGroupCommon, kTabMode, regBinary(packFields(settings.tabMode))), kTabMode);
            if (groups & kSaveEditor)
                note(settings.editorCommand.empty()
                         ? store.remove(kGroupCommon, kEditorCommand)
                         : store.write(kGroupCommon, kEditorCommand, regText(settings.editorCommand)),
                     kEditorCommand);
            if (groups & kSaveParallel)
                note(store.write(kGroupCommon, kParallelConversions,
                                 regDword(static_cast<std::uint32_t>(std::clamp(
                                     settings.parallelConversions, kParallelAutomatic, kParallelMost)))),
                     kParallelConversions);
        }
    }

    if (groups & kSaveDpct) {
        if (!store.openGroupForWrite(kGroupDpct)) {
            note(false, kGroupDpct);
        } else {
            for (const OptionInfo& o : optionTable()) {
                note(store.remove(kGroupDpct, o.name), o.name);
                if (settings.defaultItem.isOn(o.slot))
                    note(store.write(kGroupDpct, o.name, optionValue(settings.defaultItem, o)), o.name);
            }
        }
    }

    if (groups & kSaveDirs) {
        if (!store.openGroupForWrite(kGroupDir)) {
            note(false, kGroupDir);
        } else {
            for (int slot = 0; slot < kFolderCount; ++slot) {
                const auto name = kFolderValueNames[static_cast<std::size_t>(slot)];
                note(store.write(kGroupDir, name, regText(settings.folders[static_cast<std::size_t>(slot)])),
                     name);
            }
        }
    }

    if (groups & kSaveColors) {
        if (!store.openGroupForWrite(kGroupColor)) {
            note(false, kGroupColor);
        } else {
            for (int slot = 0; slot < kColorCount; ++slot) {
                const std::string name = colorValueName(slot);
                note(
                    store.write(kGroupColor, name, regDword(settings.colors[static_cast<std::size_t>(slot)])),
                    name);
            }
        }
    }

    if (groups & kSaveWindow) {
        if (!store.openGroupForWrite(kGroupWindow)) {
            note(false, kGroupWindow);
        } else {
            // What is not remembered is not stored, so that the next start takes its defaults.
            const WindowLayout& w = settings.window;
            const auto bytes = [&](std::string_view name, const std::string& value) {
                if (value.empty() || value.size() > kMaxLayoutBytes)
                    note(store.remove(kGroupWindow, name), name);
                else
                    note(store.write(kGroupWindow, name, regBinary(value)), name);
            };
            const auto count = [&](std::string_view name, std::int32_t value, std::int32_t most) {
                if (value < 1 || value > most)
                    note(store.remove(kGroupWindow, name), name);
                else
                    note(store.write(kGroupWindow, name, regDword(static_cast<std::uint32_t>(value))), name);
            };
            bytes(kPlacement, w.placement);
            bytes(kDocks, w.docks);
            count(kOutputHeight, w.outputHeight, kMaxOutputHeight);
            count(kListWidthShare, w.listWidthShare, 999);
            count(kListHeightShare, w.listHeightShare, 999);
        }
    }

    std::string endError;
    if (!store.endWrite(endError)) {
        error = endError;
        return false;
    }
    if (!ok)
        error = "not written: " + failed;
    return ok;
}

bool rememberRecentFile(SettingsStore& store, Settings& settings, std::string_view path, std::string& error)
{
    settings.addRecent(path);
    return saveSettings(store, settings, kSaveRecent, error);
}

} // namespace tovalo
