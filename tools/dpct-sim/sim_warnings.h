#pragma once
// The migration warnings the simulator reports: which lines of a source draw which DPCT
// warning, and the warning ids --suppress-warnings names.

#include "sim_source.h"

#include <string>
#include <utility>
#include <vector>

namespace dpctsim {

struct Diagnostic
{
    int line;
    int column;
    int id;
    std::string message;
    bool migrationPass; ///< printed while "Migrating" (else while "Analyzing")
};

/// The text of DPCT1003, the warning on a runtime call whose error code is no longer returned.
inline constexpr const char* kNoErrorCodeMessage =
    "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.";

/// `count` warnings placed on the lines of the file that the real tool would warn about, cycling
/// through them when more warnings are asked for than the file gives reasons for. The analysis
/// pass's warnings come first, then the migration pass's, each in line order.
std::vector<Diagnostic> makeWarnings(const std::vector<SourceLine>& lines, int count);

/// "1003,1049-1051": the warning ids named by --suppress-warnings; false when the value is bad.
bool parseWarningIds(const std::string& text, std::vector<std::pair<int, int>>& ranges);

} // namespace dpctsim
