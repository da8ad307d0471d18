#include "dpct_output.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tovalo {

namespace {

constexpr std::string_view kExitedWithCode = "dpct exited with code: ";

// Progress lines that mean dpct got as far as working on a file. Older releases print
// "Processing: "; from about 2023.2 on it is "Parsing: ", "Analyzing: " and "Migrating: ".
constexpr std::array<std::string_view, 4> kProgressMarks = {
    "Processing: ", "Parsing: ", "Analyzing: ", "Migrating: "};

bool contains(std::string_view s, std::string_view what)
{
    return s.find(what) != std::string_view::npos;
}

std::size_t findCodebase(std::string_view s)
{
    for (std::size_t p = s.find("odebase:("); p != std::string_view::npos; p = s.find("odebase:(", p + 1)) {
        if (p > 0 && (s[p - 1] == 'C' || s[p - 1] == 'c'))
            return p + 9;
    }
    return std::string_view::npos;
}

} // namespace

DpctVersion parseDpctVersion(std::string_view text)
{
    // The labels in front of the version token, most specific first.
    static constexpr std::array<std::string_view, 3> kLabels = {
        "Compatibility Tool version ", "Compatibility Tool Version: ", "dpct version "};
    DpctVersion result;
    forEachLine(text, [&](std::string_view line) {
        if (result.found)
            return;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        for (std::string_view label : kLabels) {
            const std::size_t at = line.find(label);
            if (at == std::string_view::npos)
                continue;
            std::string_view rest = line.substr(at + label.size());
            while (!rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
            const std::size_t end = rest.find_first_of(" \t");
            std::string_view token = rest.substr(0, end);
            // "version 2024.2.0. Codebase:..." ends a sentence: the full stop is not the version's.
            if (token.size() > 1 && token.back() == '.')
                token.remove_suffix(1);
            if (token.empty())
                continue;
            result.found = true;
            result.version.assign(token);
            const std::string_view after =
                end == std::string_view::npos ? std::string_view{} : rest.substr(end);
            const std::size_t cb = findCodebase(after);
            if (cb != std::string_view::npos) {
                const std::size_t close = after.find(')', cb);
                result.codebase.assign(
                    after.substr(cb, close == std::string_view::npos ? after.size() - cb : close - cb));
            }
            return;
        }
    });
    return result;
}

std::int32_t parseExitCodeAfter(std::string_view rest)
{
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    std::int32_t value = 0;
    const auto r = std::from_chars(rest.data(), rest.data() + rest.size(), value, 10);
    if (r.ec != std::errc())
        return 0;
    return value;
}

void DpctJudge::feedLine(std::string_view line)
{
    if (const std::size_t at = line.find(kExitedWithCode); at != std::string_view::npos) {
        exitLine_ = true;
        exitCode_ = parseExitCodeAfter(line.substr(at + kExitedWithCode.size()));
    } else if (contains(line, " parsing error(s)")) {
        lastDecided_ = ItemStatus::SyntaxError;
    } else if (std::any_of(kProgressMarks.begin(), kProgressMarks.end(),
                           [&](std::string_view m) { return contains(line, m); })) {
        progressSeen_ = true;
    } else if (progressSeen_ && contains(line, "Processed ")) {
        lastDecided_ = ItemStatus::ConvertedOk;
    }
}

ItemJudgement DpctJudge::result() const
{
    ItemJudgement j;
    j.status = exitLine_ ? ItemStatus::ConvertedNg : lastDecided_;
    j.exitCode = exitCode_;
    return j;
}

namespace {

// Removes ESC [ ... final-byte sequences (colours a tool prints when it thinks it writes to a
// terminal).
std::string withoutEscapes(std::string_view line)
{
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\x1b' && i + 1 < line.size() && line[i + 1] == '[') {
            i += 2;
            while (i < line.size() && !(line[i] >= 0x40 && line[i] <= 0x7e))
                ++i;
            continue;
        }
        out += line[i];
    }
    return out;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the decimal number of at most nine digits that ends at `end` (exclusive) in `s`: its
// start, or npos. At most ten characters are looked at.
std::size_t numberBefore(std::string_view s, std::size_t end, std::int32_t& value)
{
    std::size_t start = end;
    while (start > 0 && end - start < 10 && isDigit(s[start - 1]))
        --start;
    if (start == end || end - start > 9)
        return std::string_view::npos;
    value = 0;
    std::from_chars(s.data() + start, s.data() + end, value);
    return start;
}

// The severity whose mark (": warning: ", ": error: ", ": fatal error: ") starts at `at`, where
// `line` holds ": "; empty when none does.
std::string_view severityAt(std::string_view line, std::size_t at)
{
    static constexpr std::array<std::string_view, 3> kSeverities = {"warning", "error", "fatal error"};
    const std::string_view rest = line.substr(at + 2);
    for (std::string_view s : kSeverities) {
        if (rest.size() >= s.size() + 2 && rest.starts_with(s) && rest[s.size()] == ':' &&
            rest[s.size() + 1] == ' ')
            return s;
    }
    return {};
}

// One pass over the line: every ": " is looked at once, with a bounded look at what follows it
// (a severity) and what stands before it (":LINE:COLUMN"), so a line of any length and content
// costs time in proportion to its length.
std::optional<DpctDiagnostic> parseClean(std::string_view line)
{
    if (line.empty() || line.front() == ' ' || line.front() == '\t')
        return std::nullopt;
    // The earliest severity mark with ":LINE:COLUMN" and a file name in front of it.
    for (std::size_t at = line.find(": "); at != std::string_view::npos; at = line.find(": ", at + 1)) {
        const std::string_view severity = severityAt(line, at);
        if (severity.empty())
            continue;
        DpctDiagnostic d;
        const std::size_t colStart = numberBefore(line, at, d.column);
        if (colStart == std::string_view::npos || colStart == 0 || line[colStart - 1] != ':')
            continue;
        const std::size_t lineStart = numberBefore(line, colStart - 1, d.line);
        if (lineStart == std::string_view::npos || lineStart <= 1 || line[lineStart - 1] != ':')
            continue;
        d.file = SharedText(line.substr(0, lineStart - 1));
        d.severity = SharedText(severity);
        std::string_view text = line.substr(at + 2 + severity.size() + 2);
        // "DPCT1003:0: " (the counter after the code is a running number of the run).
        if (text.size() > 9 && text.starts_with("DPCT") && isDigit(text[4]) && isDigit(text[5]) &&
            isDigit(text[6]) && isDigit(text[7])) {
            std::size_t p = 8;
            if (text[p] == ':') {
                std::size_t q = p + 1;
                while (q < text.size() && isDigit(text[q]))
                    ++q;
                if (q < text.size() && text[q] == ':' && q > p + 1)
                    p = q;
                d.code = SharedText(text.substr(0, 8));
                text.remove_prefix(std::min(text.size(), p + 1));
                while (!text.empty() && text.front() == ' ')
                    text.remove_prefix(1);
            }
        }
        d.message = SharedText(text);
        return d;
    }
    return std::nullopt;
}

} // namespace

std::optional<DpctDiagnostic> parseDiagnosticLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.find(": ") == std::string_view::npos)
        return std::nullopt;
    if (line.find('\x1b') != std::string_view::npos)
        return parseClean(withoutEscapes(line));
    return parseClean(line);
}

std::vector<DpctDiagnostic> parseDiagnostics(std::string_view text)
{
    std::vector<DpctDiagnostic> result;
    forEachLine(text, [&](std::string_view line) {
        if (auto d = parseDiagnosticLine(line))
            result.push_back(std::move(*d));
    });
    return result;
}

bool isOptionSetRefusal(std::string_view text, std::int32_t exitCode)
{
    return exitCode == kDifferentOptionSetExit ||
           text.find("Incremental migration requires the same option sets") != std::string_view::npos;
}

ItemJudgement judgeDpctOutput(std::string_view text)
{
    DpctJudge judge;
    forEachLine(text, [&](std::string_view line) { judge.feedLine(line); });
    return judge.result();
}

} // namespace tovalo
