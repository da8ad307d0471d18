#pragma once
// Conversion between the bytes of text files and the console, and UTF-8.
//
// Files: read as UTF-8 when they are valid UTF-8 (a byte-order mark is skipped), else in the
// system's legacy code page (Windows: the ANSI code page; POSIX: the locale's code set when it
// is not UTF-8), else as CP932 (files written by Japanese Windows), else as Windows-1252, which
// accepts every byte. Written as UTF-8 on POSIX and in the ANSI code page on Windows.

#include <string>
#include <string_view>

namespace tovalo {

struct DecodedText
{
    std::string utf8;
    std::string encoding;    ///< "UTF-8", "UTF-8 with BOM", "CP932", ... : what the bytes were read as
    bool lastResort = false; ///< read as Windows-1252 because nothing else fitted
};

/// Decodes the bytes of a text file as described above.
DecodedText decodeFileText(std::string_view bytes);

/// Decodes `bytes` from a named code set (iconv name on POSIX, "CP<n>" on Windows).
/// Returns false when the bytes are not valid in that code set.
bool decodeFrom(std::string_view codeSet, std::string_view bytes, std::string& utf8);

/// Encodes UTF-8 text for writing to a file in the platform's file code page. Returns false
/// and sets `error` when a character cannot be represented (never silently replaced by "?").
bool encodeForFile(std::string_view utf8, std::string& bytes, std::string& error);

/// Name of the platform's legacy code page ("CP1252", "EUC-JP", ...; "UTF-8" when it is UTF-8).
std::string legacyCodeSet();

/// Name of the code page files are written in ("UTF-8" on POSIX, "CP<acp>" on Windows).
std::string fileCodeSet();

} // namespace tovalo
