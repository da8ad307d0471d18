#pragma once
// Items that dpct would refuse because another item writes into the same out-root with other
// options.
//
// dpct keeps the options of a migration in <out-root>/MainSourceFiles.yaml and, unless
// --no-incremental-migration is given, exits with -37 when a later migration into that folder
// uses other values for the options it records. Which options those are comes from dpct's own
// list (the options it writes into that file and compares); of the options Tovalo knows they are:
// --always-use-async-handler, --assume-nd-range-dim, --build-script-file, --comments,
// --custom-helper-name, --enable-ctad, --no-cl-namespace-inline, --no-dpcpp-extensions,
// --no-dry-pattern, --optimize-migration, -p, --process-all, --sycl-named-lambda,
// --use-custom-helper, --use-experimental-features, --use-explicit-namespace, --usm-level,
// --vcxprojfile. Options that only shape the output text, the report or the paths read
// (--format-*, --in-root, --extra-arg, --suppress-warnings, ...) are not compared.
//
// Values are compared as dpct sees them: an option that is off counts with dpct's own default
// (--usm-level off equals --usm-level=restricted), and of the exclusive group only the option
// that reaches the command line counts.

#include "dpct_data.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

enum class PathStyle
{
    Posix,   ///< "/" separates; letter case counts
    Windows, ///< "\" and "/" separate; drive letters; letter case does not count
};

/// The path style of this platform.
PathStyle platformPathStyle();

/// The folder an item's migration is written into, as one comparable text: --out-root when it is
/// on and not empty, else dpct's default "dpct_output"; a relative folder is taken against
/// `baseDir` (the folder the command interpreter runs dpct in); "." and ".." are resolved, doubled
/// and trailing separators dropped; on Windows "/" becomes "\" and letters are folded to lower case.
std::string normalizedOutRoot(const CDpctData& item, std::string_view baseDir, PathStyle style);

/// `path` made absolute against `baseDir` and normalised as normalizedOutRoot does.
std::string normalizeFolder(std::string_view path, std::string_view baseDir, PathStyle style);

/// True when dpct compares the option in `slot` between migrations into one out-root.
bool isComparedOption(int slot);

/// The options dpct compares whose values differ between `a` and `b`, as option names in slot
/// order.
std::vector<std::string> differingComparedOptions(const CDpctData& a, const CDpctData& b,
                                                  std::string_view baseDir, PathStyle style);

struct OutRootConflict
{
    std::size_t item = 0;             ///< index of the item dpct would refuse
    std::size_t reference = 0;        ///< index of the earlier item into the same out-root
    std::string outRoot;              ///< the folder, normalised
    std::vector<std::string> options; ///< the compared options that differ
};

/// For items run in this order: each item that writes into an out-root an earlier item has
/// written into, with compared options that differ from that first item's (the one whose options
/// dpct records), and that does not switch off incremental migration. At most one conflict per
/// item. Null pointers are skipped (their indices still count).
std::vector<OutRootConflict> findOutRootConflicts(const std::vector<const CDpctData*>& items,
                                                  std::string_view baseDir,
                                                  PathStyle style = platformPathStyle());

} // namespace tovalo
