#pragma once
// The figures of a migration report, computed from the items of a run: how many items ended
// how, how long they took, and which diagnostic codes dpct reported how often and where.

#include "data/dpct_data.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// One diagnostic code (or, for the compiler's own diagnostics, severity; see countKey) over all
/// items.
struct ReportCode
{
    std::string key;
    std::size_t count = 0;    ///< diagnostics with this key
    std::size_t items = 0;    ///< items with at least one of them
    std::string firstMessage; ///< the message of the first one, in list order
    std::string url;          ///< its page in dpct's reference; empty when there is none
};

struct ReportSummary
{
    std::size_t items = 0;
    std::size_t ok = 0;
    std::size_t ng = 0;
    std::size_t syntaxErrors = 0;
    std::size_t notConverted = 0; ///< none, waiting or converting: no finished conversion
    std::size_t diagnostics = 0;
    std::size_t timed = 0;         ///< items with a time (elapsedMs >= 0)
    std::int64_t totalMs = 0;      ///< the sum of those times
    std::int64_t medianMs = -1;    ///< their median (the mean of the middle two for an even
                                   ///< number, rounded down); -1 when no item has a time
    std::vector<ReportCode> codes; ///< most frequent first; equal counts by key
    /// The folder every item lies in, with its trailing separator ("/src/app/"); empty when the
    /// items share none.
    std::string commonFolder;
};

/// The figures of `items` (null pointers skipped).
ReportSummary summarizeResults(const std::vector<const CDpctData*>& items);

/// `path` without the leading `folder` when it starts with it (as summarizeResults found it);
/// otherwise `path` itself.
std::string_view pathBelow(std::string_view path, std::string_view folder);

} // namespace tovalo
