#pragma once
// One diagnostic that dpct printed for an item, and the counts of a list of them by code.
//
// dpct reports each migration warning on a line of the compiler's form
//   /src/vector_add.cu:32:14: warning: DPCT1003:0: Migrated API does not return error code. ...
//   C:\src\a.cu:150:27: warning: DPCT1048:0: The original value ... was removed ...
// followed by the source line and a caret. The compiler's own errors and warnings (a file that
// does not parse) come in the same form without a DPCT code.

#include <cstdint>
#include <string>
#include <vector>

namespace tovalo {

struct DpctDiagnostic
{
    std::string file; ///< as dpct printed it (UTF-8)
    std::int32_t line = 0;
    std::int32_t column = 0;
    std::string severity; ///< "warning", "error" or "fatal error"
    std::string code;     ///< "DPCT1003"; empty for the compiler's own diagnostics
    std::string message;  ///< the text after the code (after the severity when there is no code)

    bool operator==(const DpctDiagnostic&) const = default;
};

/// The name a diagnostic is counted under: its code, or its severity when it has none
/// ("error" for a compiler error).
const std::string& countKey(const DpctDiagnostic& d);

struct DiagnosticCount
{
    std::string key; ///< see countKey
    int count = 0;
    std::size_t first = 0; ///< index of the first diagnostic with this key
    bool operator==(const DiagnosticCount&) const = default;
};

/// The diagnostics counted by key, in the order of the keys ("DPCT1003" < "DPCT1049" < "error").
std::vector<DiagnosticCount> countByCode(const std::vector<DpctDiagnostic>& diagnostics);

/// "DPCT1003 ×2, DPCT1049 ×1": the counts on one line; empty for no diagnostics.
std::string describeCounts(const std::vector<DiagnosticCount>& counts);

} // namespace tovalo
