#include "sim_paths.h"

#include "base/text.h"
#include "sim_platform.h"

#include <filesystem>

namespace dpctsim {

namespace fs = std::filesystem;

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of(pathSeparator() == '\\' ? "\\/" : "/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of(pathSeparator() == '\\' ? "\\/" : "/");
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return path.substr(0, 1);
    // Keep "C:\" for a file in the root of a drive.
    if (slash == 2 && path.size() > 1 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, slash);
}

bool hasCompilationDatabase(const std::string& folder)
{
    std::error_code ec;
    fs::path p = tovalo::pathFromUtf8(folder);
    for (int depth = 0; depth < 64; ++depth) {
        if (fs::exists(p / "compile_commands.json", ec))
            return true;
        const fs::path parent = p.parent_path();
        if (parent == p || parent.empty())
            break;
        p = parent;
    }
    return false;
}

bool isFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(tovalo::pathFromUtf8(path), ec);
}

bool hasDatabaseAt(const std::string& path)
{
    std::error_code ec;
    const fs::path p = tovalo::pathFromUtf8(path);
    if (fs::is_directory(p, ec))
        return fs::is_regular_file(p / "compile_commands.json", ec);
    return p.filename() == "compile_commands.json" && fs::is_regular_file(p, ec);
}

std::string programName(const std::string& argv0)
{
    std::string name = fileNameOf(argv0);
    if (const auto slash = name.find_last_of("/\\"); slash != std::string::npos)
        name = name.substr(slash + 1);
    if (name.size() > 4) {
        std::string ext = name.substr(name.size() - 4);
        for (char& c : ext)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (ext == ".exe")
            name.resize(name.size() - 4);
    }
    return name.empty() ? "dpct" : name;
}

} // namespace dpctsim
