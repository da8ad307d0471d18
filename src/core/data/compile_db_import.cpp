#include "compile_db_import.h"

#include "base/ascii.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"
#include "definition_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <unordered_map>

namespace tovalo {

namespace {

constexpr bool kWindowsPaths = std::filesystem::path::preferred_separator == '\\';

bool isSeparator(char c)
{
    return c == '/' || (kWindowsPaths && c == '\\');
}

// The program's name without its folder and without ".exe".
std::string_view programName(std::string_view program)
{
    const std::size_t slash = program.find_last_of("/\\");
    if (slash != std::string_view::npos)
        program.remove_prefix(slash + 1);
    if (program.size() > 4 && equalsIgnoringAsciiCase(program.substr(program.size() - 4), ".exe"))
        program.remove_suffix(4);
    return program;
}

// Programs that run the compiler named after them.
constexpr std::array<std::string_view, 5> kLaunchers = {"ccache", "sccache", "distcc", "icecc", "buildcache"};

bool isLauncher(std::string_view program)
{
    const std::string_view name = programName(program);
    return std::any_of(kLaunchers.begin(), kLaunchers.end(),
                       [name](std::string_view l) { return equalsIgnoringAsciiCase(name, l); });
}

bool isCudaLanguage(std::string_view language)
{
    return language == "cu" || language == "cuda";
}

// The folder part of an absolute, lexically normal path: "/w/a.cu" -> "/w", "/a.cu" -> "/",
// "C:\a.cu" -> "C:\". Empty when the path has no separator.
std::string_view folderOf(std::string_view path)
{
    std::size_t end = path.size();
    while (end > 0 && !isSeparator(path[end - 1]))
        --end;
    if (end == 0)
        return {};
    // Keep the separator of a root ("/", "C:\"); drop it otherwise.
    const std::string_view withSeparator = path.substr(0, end);
    const std::string_view without = path.substr(0, end - 1);
    if (without.empty() || (without.size() == 2 && without[1] == ':'))
        return withSeparator;
    return without;
}

// Length of the root of an absolute path, up to and including its first separator ("/",
// "C:\"); npos when it has no separator.
std::size_t rootLength(std::string_view path)
{
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isSeparator(path[i]))
            return i + 1;
    }
    return std::string_view::npos;
}

// The deepest folder that holds both `a` and `b` (folders as folderOf gives them), in the
// spelling of `a`; empty when they share none.
std::string_view commonOfTwo(std::string_view a, std::string_view b)
{
    const std::size_t ra = rootLength(a);
    const std::size_t rb = rootLength(b);
    if (ra == std::string_view::npos || rb == std::string_view::npos ||
        !samePathText(a.substr(0, ra), b.substr(0, rb)))
        return {};
    std::size_t keep = ra;
    std::size_t ia = ra;
    std::size_t ib = rb;
    while (ia < a.size() && ib < b.size()) {
        std::size_t ea = ia;
        while (ea < a.size() && !isSeparator(a[ea]))
            ++ea;
        std::size_t eb = ib;
        while (eb < b.size() && !isSeparator(b[eb]))
            ++eb;
        if (!samePathText(a.substr(ia, ea - ia), b.substr(ib, eb - ib)))
            break;
        keep = ea;
        ia = ea + 1;
        ib = eb + 1;
    }
    return a.substr(0, keep);
}

Message counted(MessageId many, MessageId one, std::size_t n)
{
    return Message(n == 1 ? one : many, {groupThousands(n)});
}

std::string currentFolderText()
{
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string(".") : utf8FromPath(cwd);
}

} // namespace

bool compilesCuda(const std::vector<std::string>& arguments)
{
    std::size_t first = 0;
    while (first < arguments.size() && isLauncher(arguments[first]))
        ++first;
    if (first >= arguments.size())
        return false;
    if (equalsIgnoringAsciiCase(programName(arguments[first]), "nvcc"))
        return true;
    for (std::size_t i = first + 1; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        if (a == "-x" || a == "--x" || a == "--language") {
            if (i + 1 < arguments.size() && isCudaLanguage(arguments[i + 1]))
                return true;
            ++i;
            continue;
        }
        for (const std::string_view glued : {"--x=", "-x=", "--language=", "-x"}) {
            if (a.starts_with(glued) && a.size() > glued.size()) {
                if (isCudaLanguage(a.substr(glued.size())))
                    return true;
                break;
            }
        }
    }
    return false;
}

std::string commonFolder(const std::vector<std::string_view>& files)
{
    if (files.empty())
        return {};
    std::string common(folderOf(files.front()));
    for (std::size_t i = 1; i < files.size() && !common.empty(); ++i) {
        const std::string_view folder = folderOf(files[i]);
        // Most sources share the folder found so far: a prefix test settles them.
        if (folder.size() >= common.size() && samePathText(folder.substr(0, common.size()), common) &&
            (folder.size() == common.size() || isSeparator(folder[common.size()]) ||
             isSeparator(common.back())))
            continue;
        common = std::string(commonOfTwo(common, folder));
    }
    return common;
}

namespace {

// The sources of a database's entries, one group per source file in the order the database
// first names it, each taken when one of its entries counts.
class SourceGroups
{
public:
    explicit SourceGroups(bool allEntries) : allEntries_(allEntries) {}

    void add(CompileDbEntry& entry)
    {
        const bool cuda = allEntries_ || isCudaSource(entry.file) || compilesCuda(entry.arguments);
        const std::size_t hash = pathsIgnoreCase() ? std::hash<std::string>{}(pathKey(entry.file))
                                                   : std::hash<std::string_view>{}(entry.file);
        const auto [head, fresh] = firstOfHash_.try_emplace(hash, groups_.size());
        std::size_t g = fresh ? kNone : head->second;
        while (g != kNone && !samePathText(groups_[g].file, entry.file))
            g = groups_[g].nextOfHash;
        if (g != kNone) {
            ++groups_[g].count;
            groups_[g].taken = groups_[g].taken || cuda;
            return;
        }
        std::size_t next = kNone;
        if (!fresh) { // another source with the same hash: chain in front of it
            next = head->second;
            head->second = groups_.size();
        }
        groups_.push_back({std::move(entry.file), 1, cuda, next});
    }

    ImportResult finish(const std::string& folder, const ImportSettings& settings);

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Group
    {
        std::string file;
        std::size_t count = 0; // entries
        bool taken = false;
        std::size_t nextOfHash = kNone; // the next group whose path has the same hash
    };

    bool allEntries_;
    std::vector<Group> groups_;
    // Groups by the hash of their source's path key: no second copy of a path is made. Sources
    // whose keys share a hash are told apart by samePathText.
    std::unordered_map<std::size_t, std::size_t> firstOfHash_;
};

ImportResult SourceGroups::finish(const std::string& folder, const ImportSettings& settings)
{
    ImportResult result;
    result.allEntries = settings.allEntries;
    std::vector<std::string_view> files;
    for (Group& g : groups_) {
        g.taken = g.taken && isListSource(g.file);
        if (g.taken) {
            files.push_back(g.file);
            result.counts.duplicates += g.count - 1;
        } else {
            result.counts.skipped += g.count;
        }
    }

    // Every item has the same options: set them once on a model item.
    CDpctData model;
    model.setOn(kSlotDirName, true);
    model.setOn(kSlotFileName, true);
    const std::string cwd = currentFolderText();
    model.setOn(kCompilationDatabase, true);
    model.setText(kCompilationDatabase, folder);
    const std::string inRoot =
        settings.inRoot.empty() ? commonFolder(files) : normalFolderOrFile(settings.inRoot, cwd);
    if (!inRoot.empty()) {
        model.setOn(kInRoot, true);
        model.setText(kInRoot, inRoot);
    }
    model.setOn(kOutRoot, true);
    model.setText(kOutRoot, settings.outRoot.empty() ? normalFolderOrFile("dpct_output", folder)
                                                     : normalFolderOrFile(settings.outRoot, cwd));
    for (const OptionSetting& s : settings.options)
        applyOptionSetting(model, s);
    result.databaseFolder = model.isOn(kCompilationDatabase) ? model.text(kCompilationDatabase) : "";
    result.inRoot = model.isOn(kInRoot) ? model.text(kInRoot) : "";
    result.outRoot = model.isOn(kOutRoot) ? model.text(kOutRoot) : "";

    result.items.reserve(files.size());
    result.missing.reserve(files.size());
    for (const std::string_view file : files) {
        const bool missing = !pathExists(file);
        result.counts.missing += missing ? 1 : 0;
        result.missing.push_back(missing);
        result.items.push_back(model);
        result.items.back().path = file;
    }
    result.counts.imported = result.items.size();
    return result;
}

} // namespace

ImportResult importEntries(const CompileDb& db, const ImportSettings& settings)
{
    SourceGroups groups(settings.allEntries);
    for (CompileDbEntry entry : db.entries)
        groups.add(entry);
    return groups.finish(db.folder, settings);
}

bool importCompileDb(std::string_view path, const ImportSettings& settings, ImportResult& result,
                     Message& error)
{
    result = ImportResult{};
    std::string text;
    std::string folder;
    SourceGroups groups(settings.allEntries);
    if (!readCompileDbFile(path, text, folder, error) ||
        !forEachCompileDbEntry(
            text, folder, [&groups](CompileDbEntry& entry) { groups.add(entry); }, error))
        return false;
    text = std::string(); // the items need the memory more
    result = groups.finish(folder, settings);
    return true;
}

std::size_t dropListed(ImportResult& result, const std::function<bool(std::string_view path)>& listed)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < result.items.size(); ++i) {
        if (listed(result.items[i].path)) {
            result.counts.missing -= result.missing[i] ? 1 : 0;
            continue;
        }
        if (kept != i) {
            result.items[kept] = std::move(result.items[i]);
            result.missing[kept] = result.missing[i];
        }
        ++kept;
    }
    const std::size_t dropped = result.items.size() - kept;
    result.items.resize(kept);
    result.missing.resize(kept);
    result.counts.imported = kept;
    result.counts.duplicates += dropped;
    return dropped;
}

Message importSummary(const ImportCounts& counts, bool allEntries)
{
    return Message(MessageId::ImportSummary,
                   {allEntries ? counted(MessageId::SourceFiles, MessageId::SourceFile, counts.imported)
                               : counted(MessageId::CudaFiles, MessageId::CudaFile, counts.imported),
                    counted(MessageId::DuplicatesMerged, MessageId::DuplicateMerged, counts.duplicates),
                    counted(MessageId::EntriesSkipped, MessageId::EntrySkipped, counts.skipped),
                    counted(MessageId::FilesMissing, MessageId::FileMissing, counts.missing)});
}

} // namespace tovalo
