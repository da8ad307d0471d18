#pragma once
// Conversion items from a compilation database: one item per CUDA translation unit, each with
// -p (the database's folder), --in-root and --out-root set, so that dpct migrates it as the
// build compiles it. tovalo-cli import and the GUI's import command share this.
//
// Which entries count: a source whose name ends in ".cu" (any letter case), one compiled by nvcc
// (the program, after a launcher such as ccache), or one compiled with CUDA named as its
// language (-x cu, -x cuda, --x cu, -xcu, --x=cu, --language cuda). With `allEntries` every
// entry counts. A source listed by several entries (other flags, other targets) becomes one
// item, taken when any of its entries counts; its other entries are duplicates. A source a list
// cannot hold (isListSource: a header, an assembler file) is skipped with its entries.

#include "base/message.h"
#include "compile_db.h"
#include "dpct_data.h"
#include "option_setting.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

struct ImportSettings
{
    /// --in-root of every item; empty: the deepest folder that holds every imported source.
    std::string inRoot;
    /// --out-root of every item; empty: "dpct_output" in the database's folder.
    std::string outRoot;
    /// Applied to every item in order, after -p, --in-root and --out-root.
    std::vector<OptionSetting> options;
    /// Take every entry, not only the CUDA translation units.
    bool allEntries = false;
};

struct ImportCounts
{
    std::size_t imported = 0;   ///< items made, one per source file
    std::size_t duplicates = 0; ///< further entries of an imported source (merged into its item)
    std::size_t skipped = 0;    ///< entries of sources that were not imported
    std::size_t missing = 0;    ///< imported sources that do not exist on disk
    bool operator==(const ImportCounts&) const = default;
};

struct ImportResult
{
    std::vector<CDpctData> items; ///< in the order the database first names their sources
    std::vector<bool> missing;    ///< per item: its source does not exist
    ImportCounts counts;
    std::string databaseFolder; ///< the -p of every item
    std::string inRoot;         ///< the --in-root of every item; empty when the sources share none
    std::string outRoot;        ///< the --out-root of every item
    bool allEntries = false;    ///< every entry was taken (the summary speaks of source files)
};

/// True when `arguments` (the program first) compile a CUDA translation unit: the program is
/// nvcc or CUDA is named as the language. The source's name is not looked at.
bool compilesCuda(const std::vector<std::string>& arguments);

/// The items of `db`. Relative folders in `settings` are taken against the current folder.
ImportResult importEntries(const CompileDb& db, const ImportSettings& settings);

/// Reads the database at `path` (see readCompileDb) and imports it. False with `error` when the
/// database cannot be read; `result` is then empty.
bool importCompileDb(std::string_view path, const ImportSettings& settings, ImportResult& result,
                     Message& error);

/// Leaves out the items whose source is `listed` already, counting them as duplicates: the
/// duplicate rule of a list the import joins (DefinitionDocument::contains). Returns how many
/// were left out; `missing` and the counts follow.
std::size_t dropListed(ImportResult& result, const std::function<bool(std::string_view path)>& listed);

/// "Imported 212 CUDA files (3 duplicates merged, 1,040 other entries skipped, 2 files missing)";
/// numbers with a comma between groups of three digits.
Message importSummary(const ImportCounts& counts, bool allEntries = false);

/// The deepest folder that holds every one of `files` (absolute, lexically normal paths; names
/// compared as the platform compares them); empty when they share none (Windows drives) or
/// `files` is empty.
std::string commonFolder(const std::vector<std::string_view>& files);

} // namespace tovalo
