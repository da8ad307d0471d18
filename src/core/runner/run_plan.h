#pragma once
// How the items of a run are laid out before it starts: grouped by the folder dpct writes them
// into, and the groups dealt out to shards.
//
// dpct keeps a migration's state in its out-root (MainSourceFiles.yaml, merged into by later
// runs), so two dpct processes working in one out-root at once would race. Items of one group
// therefore never run side by side, and a shard always takes whole groups. The folder is the one
// the option-conflict finder compares (normalizedOutRoot): "." and "..", doubled and trailing
// separators, relative folders against `baseDir`, dpct's default "dpct_output", letter case on
// Windows.

#include "data/option_conflicts.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// Items grouped by out-root. Groups are numbered in the order of their first item.
struct OutRootGroups
{
    std::vector<std::size_t> groupOf;              ///< per item: its group
    std::vector<std::string> folders;              ///< per group: the normalised folder
    std::vector<std::vector<std::size_t>> members; ///< per group: its items, in list order
};

/// Groups `items` (none may be null) by the folder each writes into, relative folders taken
/// against `baseDir` (the folder dpct runs in).
OutRootGroups groupByOutRoot(const std::vector<const CDpctData*>& items, std::string_view baseDir,
                             PathStyle style = platformPathStyle());

/// The items (indices, in list order) of shard `index` (0 to count - 1) of `count`: whole groups,
/// dealt largest first (ties: the group that comes first) to the shard with the fewest items so
/// far (ties: the lowest shard), so shards are balanced by item count and the same list always
/// gives the same shards. A shard may be empty when there are fewer groups than shards.
std::vector<std::size_t> shardItems(const OutRootGroups& groups, int index, int count);

/// Reads "I/N" (1 <= I <= N <= 10000) into a 0-based index and a count; false for anything else.
bool parseShard(std::string_view text, int& index, int& count);

} // namespace tovalo
