#pragma once
// The real tool's status report: the exit statuses the simulator gives by name, the text the
// tool prints for each status, and the line a failed run ends with.

#include <string>

namespace dpctsim {

// The statuses the simulator ends with by their own name (directives can ask for any other).
inline constexpr int kOptionParsingError = -16;
inline constexpr int kFileParseError = -17;
inline constexpr int kSaveOutFail = -2;
inline constexpr int kInvalidWarningId = -15;
inline constexpr int kSpecialCharacter = -23;
inline constexpr int kPrefixTooLong = -25;
inline constexpr int kNoCodeChange = 1;
inline constexpr int kNoExplicitInRoot = -21;
inline constexpr int kInvalidInRootPath = -7;
inline constexpr int kInvalidInRootOrOutRoot = -6;
inline constexpr int kNoFileTypeAvail = -27;
inline constexpr int kInvalidCudaIncludePath = -5;
inline constexpr int kCannotFindDatabase = -19;
inline constexpr int kDifferentOptSet = -37;

/// The tool's text for status `code`; the generic error text for a status it has no text for.
std::string statusText(long long code);

/// "dpct exited with code: <code> (<message>)" and a line end.
std::string exitLine(long long code, const std::string& message);

} // namespace dpctsim
