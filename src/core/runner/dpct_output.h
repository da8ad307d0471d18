#pragma once
// Reading dpct's console output: the version line and the result of one conversion.
//
// Output is split into lines at "\n"; empty lines are skipped and a "\r" before the "\n" stays
// with its line.

#include "data/diagnostic.h"
#include "data/dpct_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace tovalo {

struct DpctVersion
{
    bool found = false;
    std::string version;  ///< the version as printed, without the full stop of dpct's sentence ("2024.2.0")
    std::string codebase; ///< the text between "Codebase:(" and its ")"; may be empty
};

/// Finds the version line of `dpct --version` in `text`. Accepts the product's
/// "Intel(R) DPC++ Compatibility Tool version X" and the open-source "dpct version X", each
/// with or without ". Codebase:(...)" and a following ". clang version ..." (never taken into
/// the codebase), and the older "... Version: X codebase:(...)" form.
DpctVersion parseDpctVersion(std::string_view text);

struct ItemJudgement
{
    ItemStatus status = ItemStatus::Converting; ///< Converting when no line decided
    std::int32_t exitCode = 0;
};

/// Judges one conversion line by line, as its output arrives, so that the cost of judging grows
/// with the new text only. A "dpct exited with code: N" line decides NG with N wherever it
/// appears (dpct writes it unbuffered on stderr, so it often comes before the block-buffered
/// stdout lines). Otherwise the last deciding line wins: " parsing error(s)" -> syntax error;
/// "Processed " after a progress line ("Processing: ", "Parsing: ", "Analyzing: " or
/// "Migrating: ") -> converted OK.
class DpctJudge
{
public:
    /// One line of output, without its "\n" (a "\r" before it may stay).
    void feedLine(std::string_view line);
    /// The judgement of the lines fed so far.
    ItemJudgement result() const;

private:
    ItemStatus lastDecided_ = ItemStatus::Converting;
    std::int32_t exitCode_ = 0;
    bool exitLine_ = false;
    bool progressSeen_ = false;
};

/// Judges one conversion from its whole output (see DpctJudge).
ItemJudgement judgeDpctOutput(std::string_view text);

/// The number after "dpct exited with code: " (leading blanks skipped); 0 when unreadable.
std::int32_t parseExitCodeAfter(std::string_view rest);

/// Reads one line of dpct's output as a diagnostic: "FILE:LINE:COLUMN: SEVERITY: [DPCTnnnn:N: ]TEXT"
/// with SEVERITY "warning", "error" or "fatal error". FILE may hold blanks and colons (a drive
/// letter); the first severity mark preceded by ":LINE:COLUMN" ends it. A "\r" at the end and
/// terminal colour sequences are ignored. Nothing for other lines: notes (they belong to the
/// diagnostic before them), source lines and carets under a diagnostic, progress and summary
/// lines, and lines that begin with a blank (indented source never starts a diagnostic).
std::optional<DpctDiagnostic> parseDiagnosticLine(std::string_view line);

/// The diagnostics of `text` in order (see parseDiagnosticLine).
std::vector<DpctDiagnostic> parseDiagnostics(std::string_view text);

/// True when the output of an item shows dpct's refusal to migrate into an out-root that an
/// earlier run with another option set has used (exit code -37).
bool isOptionSetRefusal(std::string_view text, std::int32_t exitCode);

/// The exit code dpct gives when an incremental migration meets another option set.
inline constexpr std::int32_t kDifferentOptionSetExit = -37;

/// The lines of `text` in order, as the engine sees them.
template <typename F> void forEachLine(std::string_view text, F&& f)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos)
            nl = text.size();
        if (nl > pos)
            f(text.substr(pos, nl - pos));
        pos = nl + 1;
    }
}

} // namespace tovalo
