#pragma once
// Builds the dpct command line of one conversion item.
//
// Two dialects: `Cmd` is the line for the Windows command interpreter (tool "dpct.exe", paths
// in double quotes); `Sh` is the same arguments for a POSIX shell (tool "dpct", every path and
// quoted value in single quotes, so that the shell expands nothing). Values of --extra-arg,
// --report-file-prefix and --suppress-warnings go into the line exactly as typed in both.

#include "dpct_data.h"

#include <string>
#include <string_view>

namespace tovalo {

enum class Dialect
{
    Cmd,
    Sh
};

/// `Cmd` on Windows, `Sh` elsewhere.
Dialect platformDialect();

/// Longest line the Windows command interpreter accepts.
inline constexpr std::size_t kCmdMaxLineLength = 8191;

struct CommandLine
{
    std::string text;    ///< the line, without a line end; empty when the item has no path
    std::string refusal; ///< why no line could be built safely; empty when `text` is usable
    bool ok() const { return refusal.empty(); }
};

/// The command line of `item`, or an empty text when there is no item or its path is empty.
/// A path or value that could break out of its quotes (a double quote in the `Cmd` dialect, a
/// line break in either) is refused: `text` is empty and `refusal` says which value and why.
CommandLine buildCommandLine(const CDpctData* item, Dialect dialect);

/// Quotes `value` for a POSIX shell: '...' with each ' written as '\''.
std::string shellQuote(std::string_view value);

/// Why `value` cannot be passed inside quotes in `dialect`; empty when it can.
std::string unsafeQuotedValueReason(std::string_view value, Dialect dialect);

/// True when a value passed exactly as typed contains a command separator or redirection that
/// the shell of `dialect` would act on (outside quotes, or a substitution inside double quotes).
bool hasActiveShellSyntax(std::string_view value, Dialect dialect);

} // namespace tovalo
