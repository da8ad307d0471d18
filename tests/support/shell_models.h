#pragma once
// Models of the two interpreters Tovalo writes dpct command lines to, for tests and fuzzing:
// what arguments a program receives from a line, and whether the interpreter would do anything
// else with it (run a second command, redirect, substitute, expand a pattern).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo::testing_models {

/// The value of an environment variable, empty when it is not set.
using Environment = std::function<std::string(std::string_view name)>;

struct ModelResult
{
    std::vector<std::string> args; ///< the words, in order (program first for a whole line)
    std::string problem;           ///< what the interpreter would do besides passing arguments
    bool ok() const { return problem.empty(); }
};

/// A POSIX shell reading `line` as one simple command. `Strict` reports every character the
/// shell would act on outside quotes (operators, substitutions, patterns, $'...', unquoted
/// variables, comments, a quote left open). `Literal` splits the text the way Tovalo means a
/// plain value: blanks separate, quotes group, a backslash escapes, $NAME and ${NAME} (outside
/// single quotes) are replaced, everything else is text; only an open quote is a problem.
enum class ShellMode
{
    Strict,
    Literal
};
ModelResult shellWords(std::string_view line, const Environment& env, ShellMode mode);

/// cmd.exe reading `line` at its prompt (%NAME% undefined, so left as typed; %NAME:...% edits
/// are a problem), then the program's C runtime splitting what cmd passes on. A problem is an
/// operator (& | < >) outside double quotes, a caret at the end of the line, or a %-edit.
ModelResult cmdWords(std::string_view line);

/// The arguments the C runtime makes of `text` (no interpreter in between).
std::vector<std::string> crtWords(std::string_view text);

} // namespace tovalo::testing_models
