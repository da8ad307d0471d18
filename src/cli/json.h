#pragma once
// Minimal JSON output for tovalo-cli.

#include <string>
#include <string_view>

namespace tovalo::cli {

/// `text` as a JSON string literal, quotes included. Quotes, backslashes and control characters
/// are escaped; other characters stay UTF-8. Bytes that are not valid UTF-8 (a file name on a
/// POSIX system can hold any bytes) become U+FFFD, so the output is always valid JSON.
std::string jsonString(std::string_view text);

} // namespace tovalo::cli
