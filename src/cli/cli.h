#pragma once
// tovalo-cli: shared pieces of the subcommands.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo::cli {

/// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1; ///< the command ran and found something (or a run failed)
inline constexpr int kExitUsage = 2;    ///< bad arguments, unreadable input, missing tools

using Args = std::vector<std::string>;

/// Writes UTF-8 text to stdout / stderr.
void out(std::string_view text);
void err(std::string_view text);

/// Prints "tovalo-cli: <message>" and the usage hint of `command` to stderr; returns kExitUsage.
int usageError(std::string_view command, std::string_view message);

/// True when `args` holds -h or --help.
bool wantsHelp(const Args& args);

// Subcommands; each receives the arguments after its own name.
int cmdCommands(const Args& args);
int cmdFormat(const Args& args);
int cmdCheck(const Args& args);
int cmdSettings(const Args& args);

/// Folder of the running tovalo-cli executable (no trailing separator); empty when unknown.
std::string executableFolder();
int cmdRun(const Args& args);

} // namespace tovalo::cli
