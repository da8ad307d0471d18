#pragma once
// The whole of a test data file, for the tests that compare with recorded files.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tovalo::test {

/// The file's bytes as they are; empty when it cannot be read.
inline std::string readAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace tovalo::test
