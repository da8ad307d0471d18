#include "report/report_summary.h"

#include "report/dpct_links.h"

#include <algorithm>
#include <unordered_map>

namespace tovalo {

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// The longest leading part of `a` and `b` that ends with a separator.
std::string_view commonFolderOf(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t same = 0;
    while (same < n && a[same] == b[same])
        ++same;
    while (same > 0 && !isSeparator(a[same - 1]))
        --same;
    return a.substr(0, same);
}

} // namespace

ReportSummary summarizeResults(const std::vector<const CDpctData*>& items)
{
    ReportSummary s;
    std::vector<std::int64_t> times;
    std::unordered_map<std::string, std::size_t> codeIndex;
    std::string_view folder;
    bool first = true;
    for (const CDpctData* item : items) {
        if (!item)
            continue;
        ++s.items;
        switch (item->status) {
        case ItemStatus::ConvertedOk:
            ++s.ok;
            break;
        case ItemStatus::ConvertedNg:
            ++s.ng;
            break;
        case ItemStatus::SyntaxError:
            ++s.syntaxErrors;
            break;
        case ItemStatus::None:
        case ItemStatus::Waiting:
        case ItemStatus::Converting:
            ++s.notConverted;
            break;
        }
        if (item->elapsedMs >= 0) {
            times.push_back(item->elapsedMs);
            s.totalMs += item->elapsedMs;
        }
        folder = first ? commonFolderOf(item->path, item->path) : commonFolderOf(folder, item->path);
        first = false;

        s.diagnostics += static_cast<std::size_t>(item->diagnosticCount());
        for (const DiagnosticCount& c : countByCode(item->diagnostics)) {
            auto [it, fresh] = codeIndex.try_emplace(c.key, s.codes.size());
            if (fresh) {
                ReportCode code;
                code.key = c.key;
                code.firstMessage = item->diagnostics[c.first].message;
                code.url = dpctDiagnosticUrl(c.key);
                s.codes.push_back(std::move(code));
            }
            ReportCode& code = s.codes[it->second];
            code.count += static_cast<std::size_t>(c.count);
            ++code.items;
        }
    }
    s.commonFolder = std::string(folder);
    s.timed = times.size();
    if (!times.empty()) {
        const std::size_t mid = times.size() / 2;
        std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(mid), times.end());
        s.medianMs = times[mid];
        if (times.size() % 2 == 0) {
            const std::int64_t below =
                *std::max_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(mid));
            s.medianMs = below + (s.medianMs - below) / 2;
        }
    }
    std::stable_sort(s.codes.begin(), s.codes.end(), [](const ReportCode& a, const ReportCode& b) {
        return a.count != b.count ? a.count > b.count : a.key < b.key;
    });
    return s;
}

std::string_view pathBelow(std::string_view path, std::string_view folder)
{
    if (!folder.empty() && path.size() > folder.size() && path.substr(0, folder.size()) == folder)
        return path.substr(folder.size());
    return path;
}

} // namespace tovalo
