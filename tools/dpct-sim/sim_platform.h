#pragma once
// Operating-system services of the dpct simulator: arguments, raw writes to the standard
// handles, terminal detection, real paths, and the two ways a real tool dies abnormally.

#include <string>
#include <string_view>
#include <vector>

namespace dpctsim {

/// The program's arguments in UTF-8 (argv[0] first).
std::vector<std::string> utf8Arguments(int argc, char** argv);

/// Writes all of `bytes` to standard output (fd 1) or standard error (fd 2), unbuffered.
void writeStd(int fd, std::string_view bytes);

/// True when standard output (fd 1) or error (fd 2) is a terminal or console.
bool isTerminal(int fd);

/// The absolute path of `path` with symbolic links resolved and, on Windows, the letter case
/// the file system stores; the plain absolute path when the file does not exist.
std::string realPath(const std::string& path);

/// The absolute path of `path` as typed (relative to the working directory, case kept).
std::string absolutePath(const std::string& path);

/// The folder separator of the platform.
char pathSeparator();

/// Ends the process the way an access violation / segmentation fault does. Never returns.
[[noreturn]] void crashHard();

/// The folder that holds the running executable (UTF-8), empty when unknown.
std::string executableFolder();

/// Re-encodes UTF-8 `text` for the console's ANSI code page (Windows); unchanged elsewhere.
std::string toAnsiCodePage(std::string_view text);

/// Takes an exclusive lock on the file `path` (created when missing), held until the process
/// ends, however it ends. False when another process holds it.
bool lockForLifetime(const std::string& path);

/// Processor time this thread has used so far, in milliseconds.
double threadCpuMs();

} // namespace dpctsim
