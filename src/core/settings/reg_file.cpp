#include "reg_file.h"

#include "base/ascii.h"
#include "base/codec.h"
#include "base/text.h"
#include "reg_text.h"

#include <algorithm>

namespace tovalo {

namespace {

// A quoted string starting at text[pos] == '"'. Only \\ and \" are escapes; any other backslash
// stands for itself. Leaves pos after the closing quote.
bool parseQuoted(std::string_view text, std::size_t& pos, std::string& out)
{
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            out.push_back(text[pos + 1]);
            pos += 2;
        } else if (c == '"') {
            ++pos;
            return true;
        } else {
            out.push_back(c);
            ++pos;
        }
    }
    return false;
}

bool parseHexBytes(std::string_view list, std::string& out)
{
    list = trim(list);
    if (list.empty())
        return true;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view token = trim(
            list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (token.empty()) {
            // A trailing comma is tolerated; an empty field in the middle is not.
            if (comma != std::string_view::npos)
                return false;
            return true;
        }
        const std::optional<std::uint32_t> byte = token.size() <= 2 ? parseHex32(token) : std::nullopt;
        if (!byte)
            return false;
        out.push_back(static_cast<char>(*byte));
        if (comma == std::string_view::npos)
            return true;
        start = comma + 1;
    }
}

// One value in its logical form (continuation lines joined): "Name"=data or @=data.
bool parseValue(std::string_view text, std::string& name, RegValue& value)
{
    text = trim(text);
    std::size_t pos = 0;
    if (text.empty())
        return false;
    if (text[0] == '@') {
        pos = 1;
    } else if (text[0] == '"') {
        if (!parseQuoted(text, pos, name))
            return false;
    } else {
        return false;
    }
    std::string_view rest = trimLeft(text.substr(pos));
    if (rest.empty() || rest[0] != '=')
        return false;
    rest = trim(rest.substr(1));

    if (!rest.empty() && rest[0] == '"') {
        std::string s;
        std::size_t p = 0;
        if (!parseQuoted(rest, p, s) || !trim(rest.substr(p)).empty())
            return false;
        value = regText(s);
        return true;
    }
    if (startsWithIgnoringAsciiCase(rest, "dword:")) {
        const std::optional<std::uint32_t> v = parseHex32(trim(rest.substr(6)));
        if (!v)
            return false;
        value = regDword(*v);
        return true;
    }
    if (startsWithIgnoringAsciiCase(rest, "hex:")) {
        value.type = kRegBinary;
        value.data.clear();
        return parseHexBytes(rest.substr(4), value.data);
    }
    if (startsWithIgnoringAsciiCase(rest, "hex(")) {
        const std::size_t close = rest.find(')');
        if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':')
            return false;
        const std::optional<std::uint32_t> type = parseHex32(rest.substr(4, close - 4));
        if (!type)
            return false;
        value.type = *type;
        value.data.clear();
        return parseHexBytes(rest.substr(close + 2), value.data);
    }
    return false; // "=-" (a deletion) and anything else is kept as an unknown line
}

// True when a value line's data is hex: only such values continue on the next line after a
// trailing backslash (a malformed text value must not swallow the line after it).
bool dataIsHex(std::string_view line)
{
    line = trimLeft(line);
    std::size_t pos = 1;
    if (line.empty())
        return false;
    if (line[0] == '"') {
        std::string ignored;
        pos = 0;
        if (!parseQuoted(line, pos, ignored))
            return false;
    } else if (line[0] != '@') {
        return false;
    }
    std::string_view rest = trimLeft(line.substr(pos));
    if (rest.empty() || rest[0] != '=')
        return false;
    return startsWithIgnoringAsciiCase(trimLeft(rest.substr(1)), "hex");
}

std::string escapeQuoted(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + 2);
    for (const char c : s) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

// Text that can be written as "..." and reads back as the same characters.
bool quotable(const RegValue& value)
{
    if (value.type != kRegSz || value.data.size() % 2 != 0)
        return false;
    std::string_view bytes = value.data;
    if (bytes.size() >= 2 && bytes[bytes.size() - 1] == 0 && bytes[bytes.size() - 2] == 0)
        bytes.remove_suffix(2); // a single terminator is what readers expect anyway
    if (utf16UnitsBeforeNul(bytes) * 2 != bytes.size())
        return false;
    const std::string text = utf8FromUtf16le(bytes);
    if (utf16leFromUtf8(text) != bytes)
        return false; // lone surrogates
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Calls `fn` with each section that holds the values of `key`, in file order: never the lines
// before the first key, never a "[-key]" deletion. (A plain loop: the fuzz build's clang does
// not take the standard library's range views.)
template <typename Sections, typename Fn> void forSectionsOf(Sections& sections, std::string_view key, Fn fn)
{
    for (std::size_t i = 1; i < sections.size(); ++i) {
        if (!sections[i].removal && equalsIgnoringAsciiCase(sections[i].key, key))
            fn(sections[i]);
    }
}

} // namespace

std::vector<std::string> formatRegValue(std::string_view name, const RegValue& value, bool textAsHex)
{
    std::string line = name.empty() ? std::string("@=") : "\"" + escapeQuoted(name) + "\"=";
    if (value.type == kRegDword && value.data.size() == 4) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(value.data[static_cast<std::size_t>(i)]);
        return {line + "dword:" + formatHex(v, 8)};
    }
    if (!textAsHex && quotable(value))
        return {line + "\"" + escapeQuoted(utf8FromUtf16le(value.data)) + "\""};

    line += value.type == kRegBinary ? std::string("hex:") : "hex(" + formatHex(value.type) + "):";
    // Wrapped as regedit does: at most 80 columns, a trailing backslash, two blanks of indent.
    std::vector<std::string> lines;
    const std::size_t n = value.data.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::string piece = formatHex(static_cast<unsigned char>(value.data[i]), 2);
        if (i + 1 < n)
            piece += ',';
        if (line.size() + piece.size() + 1 > 80 && line != "  ") {
            lines.push_back(line + "\\");
            line = "  ";
        }
        line += piece;
    }
    lines.push_back(line);
    return lines;
}

RegDocument RegDocument::parse(std::string_view bytes)
{
    RegDocument doc;
    std::string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        doc.utf16_ = true;
        doc.encoding_ = "UTF-16LE";
        text = utf8FromUtf16le(bytes.substr(2), false);
    } else {
        DecodedText decoded = decodeFileText(bytes);
        text = std::move(decoded.utf8);
        doc.encoding_ = std::move(decoded.encoding);
    }

    // The first line end decides the file's: with CR LF each line loses one CR before its LF;
    // with LF a CR before an LF stays in the stored line (so that what is written reads back
    // the same) and is only left out where the line is read.
    const std::size_t firstEnd = text.find('\n');
    doc.crlf_ = firstEnd != std::string::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos)
            nl = text.size();
        std::string_view line(text.data() + start, nl - start);
        if (doc.crlf_ && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = nl + 1;
    }
    const auto content = [&lines](std::size_t n) {
        std::string_view line = lines[n];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    };

    std::size_t i = 0;
    while (i < lines.size() && trim(content(i)).empty())
        ++i;
    if (i < lines.size()) {
        const std::string_view first = trim(content(i));
        if (first == "Windows Registry Editor Version 5.00" || first == "REGEDIT4") {
            doc.headerFound_ = true;
            doc.header_ = std::string(first);
            ++i;
            // REGEDIT4 is an ANSI format: text that is ASCII only gives no code page, and
            // writing UTF-8 into it would be misread by whoever reads it as ANSI.
            if (first == "REGEDIT4" && doc.encoding_ == "UTF-8" &&
                std::all_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
                doc.encoding_ = "ASCII";
        }
    }

    for (; i < lines.size(); ++i) {
        const std::string_view t = trim(content(i));
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            Section s;
            std::string_view key = trim(t.substr(1, t.size() - 2));
            if (!key.empty() && key.front() == '-') {
                s.removal = true;
                key.remove_prefix(1);
            }
            s.key = std::string(key);
            s.headerLines.push_back(lines[i]);
            doc.sections_.push_back(std::move(s));
            continue;
        }
        Entry e;
        e.lines.push_back(lines[i]);
        if (!t.empty() && (t.front() == '"' || t.front() == '@')) {
            std::string logical(trimRight(content(i)));
            const bool hex = dataIsHex(logical);
            while (hex && !logical.empty() && logical.back() == '\\' && i + 1 < lines.size()) {
                logical.pop_back();
                ++i;
                e.lines.push_back(lines[i]);
                logical += trimRight(trimLeft(content(i)));
            }
            e.isValue = parseValue(logical, e.name, e.value);
        }
        doc.sections_.back().entries.push_back(std::move(e));
    }
    return doc;
}

std::string RegDocument::format() const
{
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string text = header_;
    text += eol;
    for (const Section& s : sections_) {
        for (const std::string& l : s.headerLines) {
            text += l;
            text += eol;
        }
        for (const Entry& e : s.entries) {
            for (const std::string& l : e.lines) {
                text += l;
                text += eol;
            }
        }
    }
    if (utf16_)
        return "\xFF\xFE" + utf16leFromUtf8(text);
    if (encoding_ == "UTF-8")
        return text;
    if (encoding_ == "UTF-8 with BOM")
        return "\xEF\xBB\xBF" + text;
    std::string bytes;
    // The code page is kept when the bytes read back in it. A file that no code page decoded
    // cleanly, or whose text now reads more plausibly in another one, would not: its next
    // reading would give other characters. So would a value name the code page has no code for.
    // UTF-8 with its mark keeps every character and always reads back as written.
    if (encodeInCodeSet(encoding_, text, bytes) &&
        (encoding_ == "ASCII" || decodeFileText(bytes).encoding == encoding_))
        return bytes;
    return "\xEF\xBB\xBF" + text;
}

bool RegDocument::encodable(const std::vector<std::string>& lines) const
{
    if (utf16_ || encoding_ == "UTF-8" || encoding_ == "UTF-8 with BOM")
        return true;
    std::string bytes;
    for (const std::string& l : lines) {
        if (!encodeInCodeSet(encoding_, l, bytes))
            return false;
    }
    return true;
}

bool RegDocument::hasKey(std::string_view key) const
{
    bool found = false;
    forSectionsOf(sections_, key, [&](const Section&) { found = true; });
    return found;
}

const RegValue* RegDocument::find(std::string_view key, std::string_view name) const
{
    const RegValue* found = nullptr;
    forSectionsOf(sections_, key, [&](const Section& s) {
        for (const Entry& e : s.entries) {
            if (e.isValue && equalsIgnoringAsciiCase(e.name, name))
                found = &e.value;
        }
    });
    return found;
}

RegDocument::Section* RegDocument::lastSectionOf(std::string_view key)
{
    Section* last = nullptr;
    forSectionsOf(sections_, key, [&](Section& s) { last = &s; });
    return last;
}

void RegDocument::addKey(std::string_view key)
{
    if (lastSectionOf(key))
        return;
    // Sections are separated by a blank line, as regedit writes them.
    Section& previous = sections_.back();
    const bool endsBlank = !previous.entries.empty() && previous.entries.back().lines.size() == 1 &&
                           trim(previous.entries.back().lines.front()).empty();
    if (!endsBlank)
        previous.entries.push_back(Entry{{std::string()}, false, {}, {}});
    Section s;
    s.key = std::string(key);
    s.headerLines.push_back("[" + s.key + "]");
    sections_.push_back(std::move(s));
}

void RegDocument::set(std::string_view key, std::string_view name, const RegValue& value)
{
    addKey(key);
    // Replace the occurrence that is read (the last one) in place, drop the others.
    Entry* target = nullptr;
    forSectionsOf(sections_, key, [&](Section& s) {
        for (Entry& e : s.entries) {
            if (e.isValue && equalsIgnoringAsciiCase(e.name, name))
                target = &e;
        }
    });
    std::vector<std::string> lines = formatRegValue(name, value);
    if (!encodable(lines))
        lines = formatRegValue(name, value, true);
    Entry fresh{std::move(lines), true, std::string(name), value};
    if (target) {
        *target = std::move(fresh);
        forSectionsOf(sections_, key, [&](Section& s) {
            std::erase_if(s.entries, [&](const Entry& e) {
                return &e != target && e.isValue && equalsIgnoringAsciiCase(e.name, name);
            });
        });
        return;
    }
    // A new value goes after the last value of the key's last section (before trailing blank
    // lines and comments that separate it from the next section).
    Section& s = *lastSectionOf(key);
    auto pos = s.entries.end();
    for (auto it = s.entries.begin(); it != s.entries.end(); ++it) {
        if (it->isValue)
            pos = it + 1;
    }
    if (pos == s.entries.end() &&
        std::none_of(s.entries.begin(), s.entries.end(), [](const Entry& e) { return e.isValue; }))
        pos = s.entries.begin();
    s.entries.insert(pos, std::move(fresh));
}

void RegDocument::remove(std::string_view key, std::string_view name)
{
    forSectionsOf(sections_, key, [&](Section& s) {
        std::erase_if(s.entries,
                      [&](const Entry& e) { return e.isValue && equalsIgnoringAsciiCase(e.name, name); });
    });
}

} // namespace tovalo
