#pragma once
// Shell-style patterns over paths, for picking items of a list by their path
// ("tovalo-cli set --only").

#include <string_view>

namespace tovalo {

/// True when `path` matches `pattern`:
///   *      any run of characters, separators included ("*/kernels/*" matches /w/kernels/a.cu)
///   ?      one character
///   [abc]  one character of the set; [a-z] a range; [!abc] or [^abc] one character not in it
///   / \    a separator in the pattern matches either separator
/// Any other character matches itself, with letter case as the platform compares paths
/// (samePathText). There is no escape character. A relative pattern (one that starts neither
/// with a separator nor with a drive "X:") also matches the end of the path after any separator,
/// so "kernels/*.cu" matches /w/src/kernels/a.cu, and "a.cu" matches /w/a.cu but not /w/ba.cu.
bool pathMatchesGlob(std::string_view path, std::string_view pattern);

} // namespace tovalo
