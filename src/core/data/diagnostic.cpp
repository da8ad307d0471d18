#include "diagnostic.h"

#include <algorithm>
#include <map>

namespace tovalo {

const std::string& countKey(const DpctDiagnostic& d)
{
    return d.code.empty() ? d.severity : d.code;
}

std::vector<DiagnosticCount> countByCode(const std::vector<DpctDiagnostic>& diagnostics)
{
    std::map<std::string, DiagnosticCount> byKey;
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const std::string& key = countKey(diagnostics[i]);
        auto [it, fresh] = byKey.try_emplace(key, DiagnosticCount{key, 0, i});
        ++it->second.count;
    }
    std::vector<DiagnosticCount> result;
    result.reserve(byKey.size());
    for (auto& [key, count] : byKey)
        result.push_back(std::move(count));
    return result;
}

std::string describeCounts(const std::vector<DiagnosticCount>& counts)
{
    std::string text;
    for (const DiagnosticCount& c : counts) {
        if (!text.empty())
            text += ", ";
        text += c.key + " \xC3\x97" + std::to_string(c.count); // U+00D7 MULTIPLICATION SIGN
    }
    return text;
}

} // namespace tovalo
