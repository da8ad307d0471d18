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

std::size_t pathHash(std::string_view path)
{
    if (!pathsIgnoreCase())
        return std::hash<std::string_view>{}(path); // the key is the path itself
    return std::hash<std::string>{}(pathKey(path));
}

void PathIndex::insert(std::string_view path)
{
    paths_.emplace(pathHash(path), std::string(path));
}

bool PathIndex::erase(std::string_view path)
{
    auto [it, end] = paths_.equal_range(pathHash(path));
    for (; it != end; ++it) {
        if (samePathText(it->second, path)) {
            paths_.erase(it);
            return true;
        }
    }
    return false;
}

bool PathIndex::contains(std::string_view path) const
{
    const auto [first, end] = paths_.equal_range(pathHash(path));
    return std::any_of(first, end, [&](const auto& entry) { return samePathText(entry.second, path); });
}

} // namespace tovalo
