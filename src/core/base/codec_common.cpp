#include "codec.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tovalo {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// A UTF-8 reading of `bytes` with every malformed sequence as one U+FFFD; weighs the valid
// multibyte sequences (see evidence) and counts the replacements.
struct Utf8Reading
{
    std::string utf8;
    /// One for each valid two-byte sequence, three for each of three or four bytes: text in a
    /// legacy code page makes two-byte sequences by chance (CP932 half-width katakana "ﾃｽ" is
    /// C3 BD) but seldom longer ones, while Japanese text in UTF-8 is made of them.
    std::size_t evidence = 0;
    std::size_t replaced = 0;
    std::size_t firstReplaced = 0;
};

Utf8Reading readUtf8Leniently(std::string_view bytes)
{
    Utf8Reading r;
    r.utf8.reserve(bytes.size() + 16);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            r.utf8.push_back(bytes[pos++]);
            continue;
        }
        const std::size_t start = pos;
        const char32_t cp = decodeUtf8(bytes, pos);
        if (cp == 0xFFFD && bytes.substr(start, 3) != kReplacementUtf8) {
            if (r.replaced++ == 0)
                r.firstReplaced = start;
        } else {
            r.evidence += pos - start == 2 ? 1 : 3;
        }
        appendUtf8(r.utf8, cp);
    }
    return r;
}

std::string decodeWindows1252(std::string_view bytes)
{
    // The five bytes Windows-1252 leaves undefined map to the C1 control code points of the same
    // value, so every byte maps and nothing is lost.
    static constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else if (b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool isCp932Name(std::string_view name)
{
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const std::string_view n : {"CP932", "MS932", "WINDOWS-31J", "SHIFT_JIS", "SHIFT-JIS", "SJIS"})
        if (upper == n)
            return true;
    return false;
}

// True when the CP932 reading of `bytes` takes a backslash (0x5C) as the second byte of a
// double-byte character.
bool cp932SwallowsBackslash(std::string_view bytes)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
            if (bytes[i + 1] == '\\')
                return true;
            ++i;
        }
    }
    return false;
}

// True when every byte above 0x7F is a letter in Windows-1252 (Latin-1 letters, Š Œ Ž š œ ž Ÿ),
// as in a path with accented names; CP932 text also has punctuation, symbols and bytes
// Windows-1252 leaves undefined there.
bool plausibleWindows1252(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b < 0x80 || (b >= 0xC0 && b != 0xD7 && b != 0xF7) || b == 0x8A || b == 0x8C || b == 0x8E ||
               b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F;
    });
}

// True when no two bytes above 0x7F stand side by side: accented letters between ASCII ones, as
// in Latin names ("Renée"), where CP932 would take a letter and the next ASCII byte as a kanji.
bool highBytesStandAlone(std::string_view bytes)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80 && static_cast<unsigned char>(bytes[i + 1]) >= 0x80)
            return false;
    return true;
}

bool isUtf8Name(std::string_view name)
{
    return name == "UTF-8" || name == "CP65001";
}

} // namespace

bool DecodedText::cleanUtf8() const
{
    return replaced == 0 && (encoding == "UTF-8" || encoding == "UTF-8 with BOM");
}

bool DecodedText::keptBySave() const
{
    const std::string written = fileCodeSet();
    if (isUtf8Name(written))
        return cleanUtf8();
    return replaced == 0 && encoding == written;
}

DecodedText decodeFileText(std::string_view bytes)
{
    DecodedText out;
    auto takeUtf8 = [&out](Utf8Reading r, std::string encoding) {
        out.utf8 = std::move(r.utf8);
        out.replaced = r.replaced;
        out.firstReplaced = r.firstReplaced;
        out.encoding = std::move(encoding);
        return out;
    };
    if (bytes.starts_with(kBom)) {
        Utf8Reading r = readUtf8Leniently(bytes.substr(kBom.size()));
        if (r.replaced > 0)
            r.firstReplaced += kBom.size();
        return takeUtf8(std::move(r), "UTF-8 with BOM");
    }

    // `ownFile`: the file carries the header Tovalo writes in this code page; only the backslash
    // rule can then overrule the reading, so what Tovalo wrote reads back as written.
    auto tryCodeSet = [&](const std::string& codeSet, bool ownFile) {
        if (!decodeFrom(codeSet, bytes, out.utf8))
            return false;
        // A CP932 reading that swallows a path separator, or (for other files) one in which every
        // byte above 0x7F stands alone, where each such byte is a Latin letter in Windows-1252,
        // is a Windows-1252 file misread.
        if (isCp932Name(codeSet) && plausibleWindows1252(bytes) &&
            (cp932SwallowsBackslash(bytes) || (!ownFile && highBytesStandAlone(bytes)))) {
            out.utf8 = decodeWindows1252(bytes);
            out.encoding = "Windows-1252";
            return true;
        }
        out.encoding = codeSet;
        return true;
    };
    // Tovalo's own files where it writes a legacy code page: that code page, even when the bytes
    // are valid UTF-8 too. The writer refuses characters the code page cannot hold, so such a
    // file always decodes cleanly in it, and the header makes the file recognisable.
    const std::string written = fileCodeSet();
    if (!isUtf8Name(written) && bytes.starts_with("[Common]\r\nVersion=") && tryCodeSet(written, true))
        return out;

    if (isValidUtf8(bytes)) {
        out.utf8.assign(bytes);
        out.encoding = "UTF-8";
        return out;
    }
    Utf8Reading lenient = readUtf8Leniently(bytes);
    if (lenient.evidence >= 3 * lenient.replaced)
        return takeUtf8(std::move(lenient), "UTF-8");

    const std::string legacy = legacyCodeSet();
    if (!isUtf8Name(legacy) && tryCodeSet(legacy, false))
        return out;
    if (tryCodeSet("CP932", false))
        return out;
    out.utf8 = decodeWindows1252(bytes);
    out.encoding = "Windows-1252";
    out.lastResort = true;
    return out;
}

} // namespace tovalo
