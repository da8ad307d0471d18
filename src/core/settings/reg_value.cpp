#include "reg_value.h"

#include "base/text.h"

namespace tovalo {

namespace {

void appendUnit(std::string& out, char16_t unit)
{
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

char16_t unitAt(std::string_view bytes, std::size_t index)
{
    const auto lo = static_cast<unsigned char>(bytes[2 * index]);
    const auto hi = static_cast<unsigned char>(bytes[2 * index + 1]);
    return static_cast<char16_t>(lo | (hi << 8));
}

} // namespace

RegValue regDword(std::uint32_t value)
{
    RegValue v;
    v.type = kRegDword;
    for (int i = 0; i < 4; ++i)
        v.data.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return v;
}

RegValue regBinary(std::string_view bytes)
{
    return RegValue{kRegBinary, std::string(bytes)};
}

RegValue regText(std::string_view utf8)
{
    return RegValue{kRegSz, utf16leFromUtf8(utf8)};
}

std::string utf16leFromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = decodeUtf8(utf8, pos);
        if (cp < 0x10000) {
            appendUnit(out, static_cast<char16_t>(cp));
        } else {
            const char32_t v = cp - 0x10000;
            appendUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            appendUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
    return out;
}

std::string utf8FromUtf16le(std::string_view bytes, bool stopAtNul)
{
    std::string out;
    const std::size_t units = bytes.size() / 2;
    out.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unitAt(bytes, i);
        if (u == 0 && stopAtNul)
            break;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t next = unitAt(bytes, i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : char32_t{u});
    }
    return out;
}

std::size_t utf16UnitsBeforeNul(std::string_view bytes)
{
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        if (unitAt(bytes, i) == 0)
            return i;
    }
    return units;
}

} // namespace tovalo
