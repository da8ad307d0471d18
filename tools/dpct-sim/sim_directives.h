#pragma once
// Directives that steer the simulator from inside a source file.
//
// Any line that contains "dpct-sim:" adds the key=value pairs that follow it on that line
// (separated by blanks; a value may be in double quotes). Later lines override earlier ones.

#include <string>
#include <string_view>

namespace dpctsim {

enum class Result
{
    Ok,
    Warnings,
    ParseError,
    ExitCode,
    Crash,
    NoCuda,
    Silent
};
enum class Progress
{
    Parsing,
    Processing
};

struct Directives
{
    Result result = Result::Ok;
    int warnings = -1; ///< -1: the default of the result kind
    Progress progress = Progress::Parsing;
    int delayMs = 0;
    int busyMs = 0; ///< processor time to spend computing, beside delayMs
    long long outputBytes = 0;
    bool fast = false;
    int parseErrorFormat = 1;
    int parseErrors = 2;   ///< parsing errors reported in the summary
    bool processed = true; ///< parse-error: false ends as --stop-on-parse-err does
    long long exitCode = -1;
    bool exitCodeGiven = false; ///< an exit-code directive was read (silent then exits with it)
    std::string message;        ///< exit-code: the text in parentheses; empty: the tool's own
    bool ansi = false;          ///< encoding=ansi: write in the ANSI code page (Windows)
    std::string problems;       ///< one line per directive the simulator did not understand
};

/// Reads every directive in `text` (the source file's contents).
Directives readDirectives(std::string_view text);

} // namespace dpctsim
