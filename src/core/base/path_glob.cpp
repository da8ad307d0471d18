#include "path_glob.h"

#include "path_text.h"
#include "text.h"

#include <string>
#include <vector>

namespace tovalo {

namespace {

bool isSeparator(char32_t c)
{
    return c == U'/' || c == U'\\';
}

std::u32string decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out.push_back(decodeUtf8(text, i));
    return out;
}

bool sameCharacter(char32_t a, char32_t b)
{
    if (a == b || (isSeparator(a) && isSeparator(b)))
        return true;
    if (!pathsIgnoreCase())
        return false;
    std::string sa;
    std::string sb;
    appendUtf8(sa, a);
    appendUtf8(sb, b);
    return samePathText(sa, sb);
}

// Matches the set that opens at pattern[p] ('['); `end` receives the index after its ']'.
// Returns false for `end` == p when the '[' opens no set (it is then an ordinary character).
bool matchSet(const std::u32string& pattern, std::size_t p, char32_t c, std::size_t& end)
{
    std::size_t i = p + 1;
    const bool negate = i < pattern.size() && (pattern[i] == U'!' || pattern[i] == U'^');
    if (negate)
        ++i;
    bool found = false;
    const std::size_t first = i;
    for (; i < pattern.size() && (pattern[i] != U']' || i == first); ++i) {
        if (i + 2 < pattern.size() && pattern[i + 1] == U'-' && pattern[i + 2] != U']') {
            const char32_t lo = pattern[i];
            const char32_t hi = pattern[i + 2];
            found = found || (c >= lo && c <= hi);
            if (pathsIgnoreCase() && c < 0x80) {
                const char32_t other = (c >= U'a' && c <= U'z')   ? c - 32
                                       : (c >= U'A' && c <= U'Z') ? c + 32
                                                                  : c;
                found = found || (other >= lo && other <= hi);
            }
            i += 2;
        } else {
            found = found || sameCharacter(pattern[i], c);
        }
    }
    if (i >= pattern.size()) {
        end = p; // no closing ']'
        return false;
    }
    end = i + 1;
    return found != negate;
}

// Matches the whole of `text` from `t` against the whole of `pattern`. One '*' to return to is
// enough: a later '*' can take over whatever an earlier one would have taken.
bool matchFrom(const std::u32string& text, std::size_t t, const std::u32string& pattern)
{
    std::size_t p = 0;
    std::size_t starP = std::u32string::npos;
    std::size_t starT = 0;
    while (t < text.size()) {
        if (p < pattern.size()) {
            const char32_t pc = pattern[p];
            if (pc == U'*') {
                starP = ++p;
                starT = t;
                continue;
            }
            if (pc == U'?') {
                ++p;
                ++t;
                continue;
            }
            if (pc == U'[') {
                std::size_t end = p;
                const bool in = matchSet(pattern, p, text[t], end);
                if (end != p) {
                    if (in) {
                        p = end;
                        ++t;
                        continue;
                    }
                } else if (sameCharacter(pc, text[t])) {
                    ++p;
                    ++t;
                    continue;
                }
            } else if (sameCharacter(pc, text[t])) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP == std::u32string::npos)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool pathMatchesGlob(std::string_view path, std::string_view pattern)
{
    const std::u32string text = decode(path);
    const std::u32string pat = decode(pattern);
    if (matchFrom(text, 0, pat))
        return true;
    const bool relative = !pat.empty() && !isSeparator(pat[0]) && !(pat.size() >= 2 && pat[1] == U':');
    if (!relative)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isSeparator(text[i]) && matchFrom(text, i + 1, pat))
            return true;
    }
    return false;
}

} // namespace tovalo
