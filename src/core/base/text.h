#pragma once
// UTF-8 helpers used across the core. Strings in the core are UTF-8 std::string; UTF-16LE
// (Windows registry values, .reg files) is converted at the edge.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tovalo {

/// True when `bytes` is well-formed UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

/// Length of the longest prefix of `bytes` that does not end inside a UTF-8 sequence which
/// could still be completed by more bytes. Used to carry an incomplete character to the next read.
std::size_t completeUtf8Prefix(std::string_view bytes);

/// Where `bytes` may be cut at or near `pos` without splitting a UTF-8 character. A `pos` that
/// falls inside a character moves to that character's first byte (Before) or just past its last
/// byte (After); any other `pos` (a character start, or inside bytes that are not UTF-8 anyway)
/// stays, so the result is never more than three bytes away. A `pos` beyond the end counts as
/// the end. utf8BoundaryBefore(b, p) is completeUtf8Prefix(b.substr(0, p)).
std::size_t utf8BoundaryBefore(std::string_view bytes, std::size_t pos);
std::size_t utf8BoundaryAfter(std::string_view bytes, std::size_t pos);

/// Compares two UTF-8 texts with letter case ignored (ASCII, Latin-1, Latin Extended-A, Greek,
/// Cyrillic and full-width Latin letters; other characters compare exactly). The same rule on
/// every platform, so a list behaves the same wherever it is edited.
bool caseFoldEquals(std::string_view a, std::string_view b);

/// Appends the UTF-8 form of code point `cp`.
void appendUtf8(std::string& out, char32_t cp);

/// Decodes one code point at `pos` (advancing it); returns U+FFFD for a malformed sequence.
char32_t decodeUtf8(std::string_view s, std::size_t& pos);

/// UTF-16LE bytes of UTF-8 text (malformed UTF-8 becomes U+FFFD).
std::string utf16leFromUtf8(std::string_view utf8);

/// UTF-8 text of UTF-16LE bytes. With `stopAtNul` the text ends at the first NUL character, so a
/// value stored with or without terminator (or with several) reads the same. A lone surrogate
/// becomes U+FFFD; an odd last byte is ignored.
std::string utf8FromUtf16le(std::string_view bytes, bool stopAtNul = true);

/// Number of UTF-16 code units before the first NUL of UTF-16LE `bytes`.
std::size_t utf16UnitsBeforeNul(std::string_view bytes);

/// A filesystem path from UTF-8 text, and back. On Windows this goes through UTF-16.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& p);

/// `path` as the file system finds it from `baseDir`: a relative path joined to `baseDir`, an
/// absolute one (or any path when `baseDir` is empty) unchanged. Definition files name their
/// sources and folders relative to the file's own folder.
std::string resolvePath(std::string_view path, std::string_view baseDir);

/// The absolute folder that holds the file at `file` (made absolute from the current folder);
/// empty when `file` is empty.
std::string folderOfFile(std::string_view file);

/// `value` in decimal with a comma between groups of three digits: "1,040", "50,000".
std::string groupThousands(std::uint64_t value);

/// The text of an operating-system error code (errno on POSIX, GetLastError on Windows), UTF-8.
std::string systemErrorText(int code);

} // namespace tovalo
