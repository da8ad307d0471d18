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
            const std::string_view token = rest.substr(0, end);
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

ItemJudgement judgeDpctOutput(std::string_view text)
{
    DpctJudge judge;
    forEachLine(text, [&](std::string_view line) { judge.feedLine(line); });
    return judge.result();
}

} // namespace tovalo
