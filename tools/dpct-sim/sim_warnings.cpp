#include "sim_warnings.h"

#include <algorithm>
#include <cctype>

namespace dpctsim {

namespace {

struct WarningRule
{
    const char* needle;
    int id;
    const char* message;
    bool migrationPass;
};

constexpr WarningRule kRules[] = {
    {"<<<", 1049,
     "The work-group size passed to the SYCL kernel may exceed the limit. To get the device limit, query "
     "info::device::max_work_group_size. Adjust the work-group size if needed.",
     false},
    {"__syncthreads", 1118,
     "SYCL group functions and algorithms must be encountered in converged control flow. You may need to "
     "adjust "
     "the code.",
     false},
    {"cudaMalloc", 1003, kNoErrorCodeMessage, true},
    {"cudaMemcpy", 1003, kNoErrorCodeMessage, true},
    {"cudaFree", 1003, kNoErrorCodeMessage, true},
    {"cudaDeviceSynchronize", 1003, kNoErrorCodeMessage, true},
    {"clock(", 1008,
     "clock function is not defined in SYCL. This is a hardware-specific feature. Consult with your hardware "
     "vendor to find a replacement.",
     true},
    {"cudaGetErrorString", 1009,
     "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced by a "
     "placeholder string. You need to rewrite this code.",
     true},
    {"cudaGetLastError", 1010,
     "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced with 0. "
     "You "
     "need to rewrite this code.",
     true},
    {"atomicAdd", 1039,
     "The generated code assumes that the first argument points to the global memory address space. If it "
     "points to a local memory address space, replace \"dpct::atomic_fetch_add\" with "
     "\"dpct::atomic_fetch_add<sycl::access::address_space::local_space>\".",
     true},
    {"__shared__", 1101,
     "The size of the local memory array was replaced with a value. Modify the code to use the original "
     "expression, provided in comments, if it is correct.",
     true},
};

} // namespace

std::vector<Diagnostic> makeWarnings(const std::vector<SourceLine>& lines, int count)
{
    std::vector<Diagnostic> candidates;
    for (const SourceLine& l : lines) {
        if (isCommentLine(l.text))
            continue;
        for (const WarningRule& r : kRules) {
            auto at = l.text.find(r.needle);
            if (at == std::string::npos)
                continue;
            // A launch is reported at the kernel's name, not at the "<<<".
            while (r.id == 1049 && at > 0 &&
                   (std::isalnum(static_cast<unsigned char>(l.text[at - 1])) != 0 || l.text[at - 1] == '_'))
                --at;
            candidates.push_back({l.number, static_cast<int>(at) + 1, r.id, r.message, r.migrationPass});
        }
    }
    // More warnings than the file gives reasons for: other code lines get a generic one, so
    // that no line is reported twice until every line has been used.
    for (const SourceLine& l : lines) {
        if (static_cast<int>(candidates.size()) >= count)
            break;
        if (isCommentLine(l.text) || l.text.find_first_not_of(" \t{}") == std::string::npos)
            continue;
        bool used = false;
        for (const Diagnostic& c : candidates)
            used = used || c.line == l.number;
        if (!used)
            candidates.push_back({l.number, static_cast<int>(l.text.find_first_not_of(" \t")) + 1, 1007,
                                  "Migration of this CUDA API is not supported by the Intel(R) DPC++ "
                                  "Compatibility Tool.",
                                  true});
    }
    if (candidates.empty())
        candidates.push_back({1, 1, 1003, kNoErrorCodeMessage, true});
    std::vector<Diagnostic> result;
    for (int i = 0; i < count; ++i)
        result.push_back(candidates[static_cast<std::size_t>(i) % candidates.size()]);
    // The analysis pass reports first, then the migration pass, each in file order.
    std::stable_sort(result.begin(), result.end(), [](const Diagnostic& a, const Diagnostic& b) {
        if (a.migrationPass != b.migrationPass)
            return !a.migrationPass;
        return a.line < b.line;
    });
    return result;
}

bool parseWarningIds(const std::string& text, std::vector<std::pair<int, int>>& ranges)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        const auto dash = item.find('-');
        try {
            std::size_t used = 0;
            const int low = std::stoi(item.substr(0, dash), &used);
            if (used != (dash == std::string::npos ? item.size() : dash))
                return false;
            int high = low;
            if (dash != std::string::npos) {
                const std::string rest = item.substr(dash + 1);
                high = std::stoi(rest, &used);
                if (used != rest.size())
                    return false;
            }
            if (low < 1000 || high > 1132 || high < low)
                return false;
            ranges.emplace_back(low, high);
        } catch (...) {
            return false;
        }
        if (end == text.size())
            break;
        start = end + 1;
    }
    return true;
}

} // namespace dpctsim
