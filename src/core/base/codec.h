#pragma once
// Conversion between the bytes of text files and the console, and UTF-8.
//
// Files are decoded by which reading is plausible, not by the first that does not fail:
//  1. A byte-order mark: UTF-8 (bytes that are not UTF-8 become U+FFFD and are counted).
//  2. Where files are written in a legacy code page (Windows with an ANSI code page other than
//     UTF-8): a file that starts with the header Tovalo writes there ("[Common]" CR LF
//     "Version=") and decodes cleanly in that code page is read in it, so every file Tovalo wrote
//     reads back as written even when its bytes happen to be valid UTF-8 as well (half-width
//     katakana "ﾃｽ" is C3 BD in CP932, "ý" in UTF-8). The backslash rule of 5 applies here too.
//  3. Valid UTF-8: UTF-8.
//  4. Overwhelmingly UTF-8: UTF-8 with the few sequences that are not as U+FFFD (one each), so
//     a stray byte in a comment does not turn every other character into mojibake. The valid
//     multibyte sequences must weigh at least three times the malformed ones; a two-byte
//     sequence weighs one, a longer one three (a legacy code page makes two-byte sequences by
//     chance, CP932 "ﾃｽ" is C3 BD, but seldom longer ones).
//  5. The system's legacy code page (Windows: the ANSI code page; POSIX: the locale's code set
//     when it is not UTF-8), then CP932 (files written by Japanese Windows), when the bytes
//     decode cleanly in it; but a CP932 reading loses to Windows-1252 when every byte above 0x7F
//     is a Latin letter in Windows-1252 and either the CP932 reading takes a backslash as the
//     second byte of a double-byte character ("C:\Users\Jos\xE9\src" is "José", not a kanji
//     that swallows the path separator) or, except under rule 2, no two bytes above 0x7F stand
//     side by side ("Ren\xE9e" is "Renée", not "Ren" and a kanji).
//  6. Windows-1252, which accepts every byte.
// Written as UTF-8 on POSIX and in the ANSI code page on Windows.

#include "message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tovalo {

struct DecodedText
{
    std::string utf8;
    std::string encoding;          ///< "UTF-8", "UTF-8 with BOM", "CP932", ... : what the bytes were read as
    bool lastResort = false;       ///< read as Windows-1252 because nothing else fitted
    std::size_t replaced = 0;      ///< bytes that were not UTF-8 in a UTF-8 reading, now U+FFFD
    std::size_t firstReplaced = 0; ///< offset of the first of them in the bytes

    /// True when the text reads as UTF-8 (with or without byte-order mark) with nothing replaced.
    bool cleanUtf8() const;
    /// True when writing the text back in the platform's file code page gives the same
    /// characters in the same encoding: clean UTF-8 where files are written as UTF-8, a clean
    /// reading in the ANSI code page where they are written in it. A byte-order mark that the
    /// writer would drop does not count.
    bool keptBySave() const;
};

/// Decodes the bytes of a text file as described above.
DecodedText decodeFileText(std::string_view bytes);

/// Decodes `bytes` from a named code set (iconv name on POSIX, "CP<n>" on Windows).
/// Returns false when the bytes are not valid in that code set.
bool decodeFrom(std::string_view codeSet, std::string_view bytes, std::string& utf8);

/// Encodes UTF-8 text for writing to a file in the platform's file code page. Returns false
/// and sets `error` when a character cannot be represented (never silently replaced by "?").
bool encodeForFile(std::string_view utf8, std::string& bytes, Message& error);

/// Name of the platform's legacy code page ("CP1252", "EUC-JP", ...; "UTF-8" when it is UTF-8).
std::string legacyCodeSet();

/// Name of the code page files are written in ("UTF-8" on POSIX, "CP<acp>" on Windows).
std::string fileCodeSet();

} // namespace tovalo
