#pragma once
// Builds the dpct command line of one conversion item.
//
// Two dialects: `Cmd` is the line for the Windows command interpreter (tool "dpct.exe", paths
// in double quotes); `Sh` is the same arguments for a POSIX shell (tool "dpct", every path and
// quoted value in single quotes, so that the shell expands nothing).
//
// The values of --extra-arg, --report-file-prefix and --suppress-warnings ("plain" values) may
// hold several arguments. In `Sh` they are split into words the way a POSIX shell splits them
// (blanks separate, quotes group and are removed, a backslash takes the next character as it
// is) and every word is written quoted, so the shell runs nothing from them; only $NAME and
// ${NAME} stay references the shell expands. In `Cmd` they are kept as typed, with the
// interpreter's operators outside double quotes escaped by a caret, so dpct.exe receives the
// arguments the text describes and the interpreter runs nothing else.

#include "base/message.h"
#include "dpct_data.h"

#include <string>
#include <string_view>
#include <vector>

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
    std::string text; ///< the line, without a line end; empty when the item has no path
    Message refusal;  ///< why no line could be built safely; empty when `text` is usable
    /// Choice options switched on whose value is not an entry of their list (a definition file
    /// may hold any text): they are left out of `text` until the user picks a value.
    std::vector<std::string_view> leftOut;
    bool ok() const { return refusal.empty(); }
};

/// True when `slot` is a Choice option switched on in `item` whose value is not an entry of the
/// option's list: it cannot be passed to dpct.
bool choiceWithoutEntry(const CDpctData& item, int slot);

/// The command line of `item`, or an empty text when there is no item or its path is empty.
/// A path or value that could break out of its quotes (a double quote in the `Cmd` dialect, a
/// line break in either) or a plain value whose quotes do not pair up is refused: `text` is
/// empty and `refusal` says which value and why. A source path starting with '-' is written as
/// "./-x.cu" (".\\-x.cu" in `Cmd`) so that dpct cannot take it for an option. A choice option
/// without an entry of its list is left out and named in `leftOut`.
CommandLine buildCommandLine(const CDpctData* item, Dialect dialect);

/// One piece of a word of a plain value: literal text, or the name of an environment variable.
struct WordPiece
{
    std::string text;
    bool variable = false; ///< `text` is a variable name the shell expands
    bool operator==(const WordPiece&) const = default;
};
using PlainWord = std::vector<WordPiece>;

/// The words a POSIX shell makes of `value`, without any expansion but $NAME and ${NAME}
/// (outside single quotes). Returns false with `why` set when a quote is left open.
bool splitPlainValue(std::string_view value, std::vector<PlainWord>& words, Message& why);

/// Why a plain value cannot be put on the command line of `dialect` (quotes that do not pair
/// up, a line break, a control character, a %NAME:...% edit in `Cmd`); empty when it can.
Message unsafePlainValueReason(std::string_view value, Dialect dialect);

/// Quotes `value` for a POSIX shell: '...' with each ' written as '\''.
std::string shellQuote(std::string_view value);

/// Why `value` cannot be passed inside quotes in `dialect`; empty when it can.
Message unsafeQuotedValueReason(std::string_view value, Dialect dialect);

/// True when a value passed exactly as typed contains a command separator or redirection that
/// the shell of `dialect` would act on (outside quotes, or a substitution inside double quotes).
bool hasActiveShellSyntax(std::string_view value, Dialect dialect);

} // namespace tovalo
