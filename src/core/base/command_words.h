#pragma once
// The words (arguments) of a command line written as one string, as the program that ran it
// received them. Compilation databases give a compiler's command this way ("command"), written
// for the shell of the machine that built: CMake, Bear and intercept-build quote for a POSIX
// shell on Linux and macOS, and for the Windows C runtime on Windows.
//
// Nothing is expanded: "$HOME" and "%PATH%" stay as they are written. A quote left open runs to
// the end of the line.

#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// POSIX shell rules: blanks (space, tab, line end) separate words; '...' keeps every character;
/// "..." keeps every character but a backslash before ", \, $, ` or a line end, which it
/// takes as text; outside quotes a backslash takes the next character as text (a backslash and
/// a line end are removed).
std::vector<std::string> splitPosixCommand(std::string_view line);

/// Windows C runtime rules: space and tab separate words; "..." groups; 2n backslashes before a
/// double quote give n backslashes and the quote groups, 2n+1 give n backslashes and a literal
/// quote; "" inside quotes is a literal quote; other backslashes are text (C:\src\a.cu).
std::vector<std::string> splitWindowsCommand(std::string_view line);

/// The rules of this platform's compilation databases: Windows rules in a Windows build, POSIX
/// rules elsewhere.
std::vector<std::string> splitCommand(std::string_view line);

} // namespace tovalo
