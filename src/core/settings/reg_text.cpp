#include "reg_text.h"

#include "base/codec.h"
#include "base/text.h"

namespace tovalo {

namespace {

// Windows-1252 as decodeFileText reads it: the five bytes the code page leaves undefined stand
// for the C1 control code points of the same value, so every byte comes back.
bool encodeWindows1252(std::string_view text, std::string& bytes)
{
    static constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    bytes.clear();
    bytes.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = decodeUtf8(text, pos);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            bytes.push_back(static_cast<char>(cp));
            continue;
        }
        std::size_t i = 0;
        while (i < 32 && kHigh[i] != cp)
            ++i;
        if (i == 32)
            return false;
        bytes.push_back(static_cast<char>(0x80 + i));
    }
    return true;
}

} // namespace

bool encodeInCodeSet(std::string_view codeSet, std::string_view text, std::string& bytes)
{
    if (codeSet == "Windows-1252")
        return encodeWindows1252(text, bytes);
    if (codeSet == "ASCII") {
        bytes.assign(text);
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        }
        return true;
    }
    if (!encodeWithSystem(codeSet, text, bytes))
        return false;
    // A code set may map a character to a code that reads back as another (a best fit); such
    // text is not stored in it.
    std::string back;
    return decodeFrom(codeSet, bytes, back) && back == text;
}

} // namespace tovalo
