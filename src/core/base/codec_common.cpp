#include "codec.h"
#include "text.h"

namespace tovalo {

DecodedText decodeFileText(std::string_view bytes)
{
    DecodedText out;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kBom) && isValidUtf8(bytes.substr(kBom.size()))) {
        out.utf8.assign(bytes.substr(kBom.size()));
        out.encoding = "UTF-8 with BOM";
        return out;
    }
    if (isValidUtf8(bytes)) {
        out.utf8.assign(bytes);
        out.encoding = "UTF-8";
        return out;
    }
    const std::string legacy = legacyCodeSet();
    if (legacy != "UTF-8" && legacy != "CP65001" && decodeFrom(legacy, bytes, out.utf8)) {
        out.encoding = legacy;
        return out;
    }
    if (decodeFrom("CP932", bytes, out.utf8)) {
        out.encoding = "CP932";
        return out;
    }
    // Windows-1252 as the last resort: it maps almost every byte, and the five bytes it leaves
    // undefined map to the C1 control code points of the same value, so nothing is lost.
    static constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    out.utf8.clear();
    out.utf8.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.utf8.push_back(ch);
        else if (b < 0xA0)
            appendUtf8(out.utf8, kHigh[b - 0x80]);
        else
            appendUtf8(out.utf8, b);
    }
    out.encoding = "Windows-1252";
    out.lastResort = true;
    return out;
}

} // namespace tovalo
