#pragma once
// Paths as the simulated tool handles them: the name and folder of a path as typed, the
// program's own name, and the checks made on the folders the command line names.

#include <string>

namespace dpctsim {

/// The last component of `path` (after "\" or "/" on Windows, after "/" elsewhere).
std::string fileNameOf(const std::string& path);

/// The folder of `path`: "." for a bare name, and the root ("/", "C:\") kept for a file in it.
std::string folderOf(const std::string& path);

/// True when `folder` or one of the folders above it holds compile_commands.json.
bool hasCompilationDatabase(const std::string& folder);

/// True when `path` names an existing folder.
bool isFolder(const std::string& path);

/// True when `path`, as given to -p, names compile_commands.json or the folder holding it.
bool hasDatabaseAt(const std::string& path);

/// The program's name as the tool prints it: the file name of argv[0] without ".exe" (any
/// letter case); "dpct" when that is empty.
std::string programName(const std::string& argv0);

} // namespace dpctsim
