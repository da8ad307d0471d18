#include "path_text.h"

#include "text.h"

#include <algorithm>

namespace tovalo {

bool samePathText(std::string_view a, std::string_view b)
{
    return pathsIgnoreCase() ? caseFoldEquals(a, b) : a == b;
}

std::string pathKey(std::string_view path)
{
    if (!pathsIgnoreCase())
        return std::string(path);
    // ASCII letters are lowered and every other code point becomes one placeholder byte: case
    // folding never maps a non-ASCII letter to ASCII, so equal paths get equal keys.
    std::string key;
    key.reserve(path.size());
    std::size_t i = 0;
    while (i < path.size()) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c < 0x80) {
            key.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
            ++i;
        } else {
            decodeUtf8(path, i);
            key.push_back('\x80');
        }
    }
    return key;
}

void PathIndex::insert(std::string_view path)
{
    buckets_[pathKey(path)].emplace_back(path);
}

bool PathIndex::erase(std::string_view path)
{
    const auto it = buckets_.find(pathKey(path));
    if (it == buckets_.end())
        return false;
    auto& paths = it->second;
    const auto found =
        std::find_if(paths.begin(), paths.end(), [&](const std::string& p) { return samePathText(p, path); });
    if (found == paths.end())
        return false;
    paths.erase(found);
    if (paths.empty())
        buckets_.erase(it);
    return true;
}

bool PathIndex::contains(std::string_view path) const
{
    const auto it = buckets_.find(pathKey(path));
    if (it == buckets_.end())
        return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [&](const std::string& p) { return samePathText(p, path); });
}

} // namespace tovalo
