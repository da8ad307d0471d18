#pragma once
// OutputDecoder: turns the console's raw reads into UTF-8 text.
//
// An incomplete multibyte character at the end of a read is kept and put in front of the next
// read, so a character split across two reads is shown whole. Bytes that are not valid in the
// code set become U+FFFD. Optionally a read that looks like UTF-16 (many zero bytes in every
// other position, as a program writing wide characters produces) is decoded as UTF-16.
// Not thread-safe: one decoder per reader.

#include <string>
#include <string_view>

namespace tovalo {

class OutputDecoder
{
public:
    /// `codeSet`: "UTF-8", or a legacy code set name that codec.h's decodeFrom() understands
    /// ("CP932", "EUC-JP", ...). `detectUtf16`: judge each read for UTF-16 first.
    /// `acceptUtf8`: with a legacy code set, a line that is valid UTF-8 is taken as UTF-8 (a
    /// program that writes UTF-8 beside an interpreter that writes the code page), unless it is
    /// clean in the code page too and holds no UTF-8 sequence of three or four bytes: the
    /// two-byte ones come from the code page by chance (half-width "ﾃｽ" is C3 BD in CP932).
    /// The choice is made for each line, so a prompt decodes the same in every read.
    explicit OutputDecoder(std::string codeSet = "UTF-8", bool detectUtf16 = false, bool acceptUtf8 = false);

    /// Decodes one read; returns the UTF-8 text of its complete characters.
    std::string decode(std::string_view bytes);

    /// Decodes whatever is still held back (end of output); malformed remains become U+FFFD.
    std::string flush();

    /// True when `bytes` looks like UTF-16 text (little- or big-endian); sets `bigEndian`.
    static bool looksLikeUtf16(std::string_view bytes, bool& bigEndian);

private:
    std::string decodeUtf8(std::string_view bytes, bool final);
    std::string decodeLegacy(std::string_view bytes, bool final);
    /// One line (with its line break), or the unterminated rest of the output when !complete.
    std::string decodeLegacyLine(std::string_view line, bool complete);
    std::string decodeUtf16(std::string_view bytes, bool bigEndian, bool final);

    std::string codeSet_;
    bool utf8_;
    bool detectUtf16_;
    bool acceptUtf8_;
    std::string pending_;
    bool lastWasUtf16_ = false;
    bool lastWasUtf16Be_ = false;
    enum class Mode
    {
        Text,
        Utf16Le,
        Utf16Be
    } pendingMode_ = Mode::Text;
};

/// The code set of console output on this platform: the ANSI code page on Windows ("CP932",
/// "UTF-8"), the locale's code set elsewhere ("UTF-8" for the C locale).
std::string consoleCodeSet();

} // namespace tovalo
