#include "run_plan.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <unordered_map>

namespace tovalo {

OutRootGroups groupByOutRoot(const std::vector<const CDpctData*>& items, std::string_view baseDir,
                             PathStyle style)
{
    OutRootGroups g;
    g.groupOf.reserve(items.size());
    std::unordered_map<std::string, std::size_t> byFolder;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string folder = normalizedOutRoot(*items[i], baseDir, style);
        const auto [it, fresh] = byFolder.try_emplace(folder, g.folders.size());
        if (fresh) {
            g.folders.push_back(std::move(folder));
            g.members.emplace_back();
        }
        g.groupOf.push_back(it->second);
        g.members[it->second].push_back(i);
    }
    return g;
}

std::vector<std::size_t> shardItems(const OutRootGroups& groups, int index, int count)
{
    std::vector<std::size_t> order(groups.members.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return groups.members[a].size() > groups.members[b].size();
    });
    std::vector<std::size_t> load(static_cast<std::size_t>(std::max(count, 1)), 0);
    std::vector<std::size_t> items;
    for (const std::size_t g : order) {
        const auto lightest = static_cast<int>(std::min_element(load.begin(), load.end()) - load.begin());
        load[static_cast<std::size_t>(lightest)] += groups.members[g].size();
        if (lightest == index)
            items.insert(items.end(), groups.members[g].begin(), groups.members[g].end());
    }
    std::sort(items.begin(), items.end());
    return items;
}

bool parseShard(std::string_view text, int& index, int& count)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return false;
    const auto number = [](std::string_view s, int& out) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return !s.empty() && ec == std::errc() && end == s.data() + s.size();
    };
    int i = 0, n = 0;
    if (!number(text.substr(0, slash), i) || !number(text.substr(slash + 1), n) || n < 1 || n > 10000 ||
        i < 1 || i > n)
        return false;
    index = i - 1;
    count = n;
    return true;
}

} // namespace tovalo
