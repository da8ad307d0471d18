#include "text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace tovalo {

namespace {

// Number of bytes a sequence with this lead byte has, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Allowed range of the second byte for a lead byte (the first continuation is the tight one).
bool secondByteOk(unsigned char lead, unsigned char second)
{
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: mostly upper/lower pairs on even/odd code points, shifted by one
        // between U+0139..U+0148 and U+0179..U+017E.
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 1) ? c + 1 : c;
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 32;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0xFF21 && c <= 0xFF3A)
        return c + 32;
    return c;
}

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

bool isValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Fast path for runs of ASCII, eight bytes at a time where none has its high bit set.
        while (i + 8 <= n) {
            std::uint64_t word = 0;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080u) != 0)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int len = sequenceLength(p[i]);
        if (len == 0 || i + static_cast<std::size_t>(len) > n)
            return false;
        if (!secondByteOk(p[i], p[i + 1]))
            return false;
        for (int k = 2; k < len; ++k) {
            if ((p[i + static_cast<std::size_t>(k)] & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(len);
    }
    return true;
}

std::size_t completeUtf8Prefix(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // Look back at most three bytes for the lead byte of an unfinished sequence.
    for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
        const unsigned char c = p[n - back];
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte: keep looking for its lead
        const int len = sequenceLength(c);
        if (len > 1 && static_cast<std::size_t>(len) > back) {
            // Only hold it back when what we have so far is a valid start.
            if (back >= 2 && !secondByteOk(c, p[n - back + 1]))
                return n;
            return n - back;
        }
        return n;
    }
    return n;
}

std::size_t utf8BoundaryBefore(std::string_view bytes, std::size_t pos)
{
    return completeUtf8Prefix(bytes.substr(0, pos));
}

std::size_t utf8BoundaryAfter(std::string_view bytes, std::size_t pos)
{
    pos = std::min(pos, bytes.size());
    const std::size_t start = completeUtf8Prefix(bytes.substr(0, pos));
    if (start == pos)
        return pos;
    // `pos` is inside a sequence started well at `start`: step over the continuation bytes it
    // still has, as far as they are there and fit it.
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t end =
        std::min(start + static_cast<std::size_t>(sequenceLength(p[start])), bytes.size());
    std::size_t i = pos;
    while (i < end && (p[i] & 0xC0) == 0x80 && (i != start + 1 || secondByteOk(p[start], p[i])))
        ++i;
    return i;
}

char32_t decodeUtf8(std::string_view s, std::size_t& pos)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const unsigned char lead = p[pos];
    const int len = sequenceLength(lead);
    if (len == 1) {
        ++pos;
        return lead;
    }
    if (len == 0 || pos + static_cast<std::size_t>(len) > s.size() || !secondByteOk(lead, p[pos + 1])) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = lead & (0xFF >> (len + 1));
    for (int k = 1; k < len; ++k) {
        const unsigned char c = p[pos + static_cast<std::size_t>(k)];
        if ((c & 0xC0) != 0x80) {
            pos += static_cast<std::size_t>(k);
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += static_cast<std::size_t>(len);
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool caseFoldEquals(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (ca < 0x80 && cb < 0x80) {
            if (foldCase(ca) != foldCase(cb))
                return false;
            ++i;
            ++j;
            continue;
        }
        if (foldCase(decodeUtf8(a, i)) != foldCase(decodeUtf8(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
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

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string utf8FromPath(const std::filesystem::path& p)
{
    const std::u8string s = p.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

std::string resolvePath(std::string_view path, std::string_view baseDir)
{
    if (path.empty() || baseDir.empty())
        return std::string(path);
    const std::filesystem::path p = pathFromUtf8(path);
    // "\\x" and "C:x" on Windows are not absolute but are not relative to a folder either.
    if (p.is_absolute() || p.has_root_name() || p.has_root_directory())
        return std::string(path);
    return utf8FromPath(pathFromUtf8(baseDir) / p);
}

std::string folderOfFile(std::string_view file)
{
    if (file.empty())
        return {};
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(pathFromUtf8(file), ec);
    if (ec)
        p = pathFromUtf8(file);
    return utf8FromPath(p.parent_path());
}

std::string systemErrorText(int code)
{
    return std::system_category().message(code);
}

std::string groupThousands(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace tovalo
