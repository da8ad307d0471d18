#include "option_conflicts.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tovalo {

namespace {

struct Compared
{
    int slot;
    std::string_view defaultValue; ///< what dpct uses when the option is not given
};

// dpct's defaults where Tovalo's own value list has no entry for them (--use-explicit-namespace
// defaults to two namespaces, --no-dpcpp-extensions and --use-experimental-features to none).
constexpr std::array<Compared, 18> kCompared = {{
    {kAlwaysUseAsyncHandler, "off"},
    {kAssumeNdRangeDim, "3"},
    {kBuildScriptFile, ""},
    {kComments, "off"},
    {kCustomHelperName, ""},
    {kEnableCtad, "off"},
    {kNoClNamespaceInline, "off"},
    {kNoDpcppExtensions, ""},
    {kNoDryPattern, "off"},
    {kOptimizeMigration, "off"},
    {kCompilationDatabase, ""},
    {kProcessAll, "off"},
    {kSyclNamedLambda, "off"},
    {kUseCustomHelper, "none"},
    {kUseExperimentalFeatures, ""},
    {kUseExplicitNamespace, "sycl,dpct"},
    {kUsmLevel, "restricted"},
    {kVcxprojFile, ""},
}};

bool isSep(char c, PathStyle style)
{
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

bool isDriveLetter(std::string_view p)
{
    return p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

std::string_view unquoted(std::string_view v)
{
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    return v;
}

// The exclusive group: only the first switched-on member reaches dpct.
bool effectiveSwitch(const CDpctData& item, int slot)
{
    if (!item.isOn(slot))
        return false;
    if (slot == kNoIncrementalMigration || slot == kOptimizeMigration) {
        for (int s = kNoDryPattern; s < slot; ++s)
            if (item.isOn(s))
                return false;
    }
    return true;
}

std::string effectiveValue(const CDpctData& item, const Compared& c, std::string_view baseDir,
                           PathStyle style)
{
    const OptionInfo& o = optionAt(c.slot);
    switch (o.kind) {
    case OptionKind::Switch:
        return effectiveSwitch(item, c.slot) ? "on" : "off";
    case OptionKind::Choice: {
        if (!item.isOn(c.slot))
            return std::string(c.defaultValue);
        std::string_view entry = item.choiceEntry(c.slot);
        if (o.argForm == ArgForm::ChoiceFirstChar)
            entry = entry.substr(0, 1);
        return std::string(entry);
    }
    case OptionKind::Text: {
        if (!item.isOn(c.slot))
            return std::string(c.defaultValue);
        const std::string_view v = unquoted(item.text(c.slot));
        if ((c.slot == kCompilationDatabase || c.slot == kVcxprojFile) && !v.empty())
            return normalizeFolder(v, baseDir, style);
        return std::string(v);
    }
    }
    return {};
}

} // namespace

PathStyle platformPathStyle()
{
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

std::string normalizeFolder(std::string_view path, std::string_view baseDir, PathStyle style)
{
    const char sep = style == PathStyle::Windows ? '\\' : '/';
    std::string full;
    std::string root; // "/" or "c:\" or "\\server\share\" (kept out of the ".." walk)
    std::string_view rest;
    std::string joined;
    if (style == PathStyle::Posix) {
        if (path.empty() || path.front() != '/') {
            joined.assign(baseDir);
            joined += '/';
            joined += path;
            path = joined;
        }
        root = "/";
        rest = path;
    } else {
        const bool unc = path.size() >= 2 && isSep(path[0], style) && isSep(path[1], style);
        if (unc) {
            root = "\\\\";
            rest = path.substr(2);
        } else if (isDriveLetter(path)) {
            const bool sameDriveAsBase = isDriveLetter(baseDir) && (baseDir[0] | 0x20) == (path[0] | 0x20);
            if (path.size() > 2 && isSep(path[2], style)) {
                rest = path.substr(2);
            } else if (sameDriveAsBase) { // "C:out": relative to the current folder of that drive
                joined.assign(baseDir.substr(2));
                joined += '\\';
                joined += path.substr(2);
                rest = joined;
            } else {
                rest = path.substr(2);
            }
            root.assign(path.substr(0, 2));
            root += '\\';
        } else if (!path.empty() && isSep(path[0], style)) { // "\out": the root of the base's drive
            root = isDriveLetter(baseDir) ? std::string(baseDir.substr(0, 2)) + "\\" : std::string("\\");
            rest = path;
        } else {
            joined.assign(baseDir);
            joined += '\\';
            joined += path;
            return normalizeFolder(joined, baseDir, style);
        }
    }
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && isSep(rest[i], style))
            ++i;
        std::size_t j = i;
        while (j < rest.size() && !isSep(rest[j], style))
            ++j;
        const std::string_view part = rest.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j;
    }
    full = root;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0)
            full += sep;
        full += parts[k];
    }
    if (style == PathStyle::Windows) {
        for (char& c : full)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + ('a' - 'A'));
    }
    return full;
}

std::string normalizedOutRoot(const CDpctData& item, std::string_view baseDir, PathStyle style)
{
    std::string_view folder = item.isOn(kOutRoot) ? unquoted(item.text(kOutRoot)) : std::string_view();
    if (folder.empty())
        folder = "dpct_output";
    return normalizeFolder(folder, baseDir, style);
}

bool isComparedOption(int slot)
{
    return std::any_of(kCompared.begin(), kCompared.end(),
                       [slot](const Compared& c) { return c.slot == slot; });
}

std::vector<std::string> differingComparedOptions(const CDpctData& a, const CDpctData& b,
                                                  std::string_view baseDir, PathStyle style)
{
    std::vector<std::string> names;
    for (const Compared& c : kCompared) {
        if (effectiveValue(a, c, baseDir, style) != effectiveValue(b, c, baseDir, style))
            names.emplace_back(optionAt(c.slot).name);
    }
    return names;
}

std::vector<OutRootConflict> findOutRootConflicts(const std::vector<const CDpctData*>& items,
                                                  std::string_view baseDir, PathStyle style)
{
    std::vector<OutRootConflict> conflicts;
    std::unordered_map<std::string, std::size_t> firstInto;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CDpctData* item = items[i];
        if (!item)
            continue;
        std::string root = normalizedOutRoot(*item, baseDir, style);
        const auto [it, fresh] = firstInto.try_emplace(root, i);
        if (fresh || effectiveSwitch(*item, kNoIncrementalMigration))
            continue;
        std::vector<std::string> options =
            differingComparedOptions(*items[it->second], *item, baseDir, style);
        if (!options.empty())
            conflicts.push_back({i, it->second, std::move(root), std::move(options)});
    }
    return conflicts;
}

} // namespace tovalo
