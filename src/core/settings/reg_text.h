#pragma once
// Writing the text of a .reg file back in the legacy code page it was read in.

#include <string>
#include <string_view>

namespace tovalo {

/// Encodes UTF-8 `text` in the code set `codeSet` as decodeFileText names it ("CP932",
/// "Windows-1252", the locale's code set on POSIX, "CP<n>" on Windows). Returns false when a
/// character has no code in it, or when the bytes would not read back as the same text: nothing
/// is ever replaced by "?".
bool encodeInCodeSet(std::string_view codeSet, std::string_view text, std::string& bytes);

/// The system's encoder (iconv on POSIX, the code page functions on Windows) behind
/// encodeInCodeSet; false when a character has no code in `codeSet`.
bool encodeWithSystem(std::string_view codeSet, std::string_view text, std::string& bytes);

} // namespace tovalo
