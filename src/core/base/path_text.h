#pragma once
// Paths as text compared the way this platform's file systems compare names: letter case counts
// on Linux (Kernel.cu and kernel.cu are two files), it does not on Windows and macOS
// (caseFoldEquals). The duplicate rule of a list, finding an item by path and the recent-files
// list all use this.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tovalo {

/// True where the platform's file systems ignore letter case in names.
bool pathsIgnoreCase();

/// True when `a` and `b` name the same file as far as letter case goes.
bool samePathText(std::string_view a, std::string_view b);

/// A key equal for any two paths that samePathText finds equal (for hash tables); paths with
/// the same key still need samePathText.
std::string pathKey(std::string_view path);

/// The hash of pathKey(path): equal for any two paths that samePathText finds equal.
std::size_t pathHash(std::string_view path);

/// A multiset of paths with the platform's comparison: every operation takes constant time on
/// average, so a duplicate search over a list is linear in its length.
class PathIndex
{
public:
    /// Room for `count` paths, so that filling the index with a whole list never rehashes it.
    void reserve(std::size_t count) { paths_.reserve(count); }
    void insert(std::string_view path);
    /// Removes one occurrence of `path`; false when there was none.
    bool erase(std::string_view path);
    bool contains(std::string_view path) const;
    void clear() { paths_.clear(); }

private:
    // Each path under the hash of its key: one node per path and no copy of the key. Paths whose
    // keys share a hash are told apart by samePathText.
    std::unordered_multimap<std::size_t, std::string> paths_;
};

} // namespace tovalo
