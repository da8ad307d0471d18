#pragma once
// tovalo-cli: shared pieces of the subcommands.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {
class CDpctData;
struct OptionSetting;
struct OutRootConflict;
} // namespace tovalo

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

/// `text` with its control characters (C0, DEL and the UTF-8 C1 range) written as "\x1B" or
/// "\u009B", so that a path or value printed for people cannot move the cursor, retitle the
/// window or hide text on a terminal. Backslashes stay as they are (Windows paths). JSON output
/// stays exact and does not go through this.
std::string terminalSafe(std::string_view text);

/// True when `args` holds -h or --help.
bool wantsHelp(const Args& args);

/// An option of a subcommand. One that takes a value is given it as "NAME VALUE", or, for a
/// long name ("--name"), also as "--name=VALUE".
struct ArgOption
{
    std::string_view name;  ///< "--json", "--output"
    std::string_view alias; ///< another spelling ("-o" for "--output"); empty when there is none
    bool takesValue = false;
    /// Takes the option with its value (nullptr for a switch, and when the value is missing at
    /// the end of the arguments). Returns what is wrong with it; empty when it was taken.
    std::function<std::string(const std::string* value)> take;
};

/// A switch (an option without a value) that sets `flag`.
ArgOption switchOption(std::string_view name, std::string_view alias, bool& flag);
/// `--option NAME=VALUE` or `--option NAME` (an option switched on), added to `settings`.
ArgOption optionSettingOption(std::vector<OptionSetting>& settings);

/// Reads the arguments of subcommand `command`: the options of `options` and one FILE, the
/// `fileKind` (named in the message when it is missing). The first problem (an unknown option,
/// a bad value, a second FILE, no FILE) is reported with usageError, whose status is returned;
/// kExitOk when all was taken.
int parseArguments(std::string_view command, const Args& args, const std::vector<ArgOption>& options,
                   std::string& file, std::string_view fileKind = "definition file");

// Subcommands; each receives the arguments after its own name.
int cmdCommands(const Args& args);
int cmdFormat(const Args& args);
int cmdCheck(const Args& args);
int cmdSettings(const Args& args);
int cmdImport(const Args& args);
int cmdSet(const Args& args);

/// The current folder (UTF-8): where the command interpreter of `run` starts, so relative
/// out-roots and dpct's default one are taken against it.
std::string currentFolder();
/// "'b.cu' writes into the out-root '...' as 'a.cu' does, with other values of --comments; ...".
std::string describeConflict(const std::vector<tovalo::CDpctData>& items,
                             const tovalo::OutRootConflict& conflict);

/// Folder of the running tovalo-cli executable (no trailing separator); empty when unknown.
std::string executableFolder();
int cmdRun(const Args& args);
int cmdReport(const Args& args);
int cmdMergeResults(const Args& args);

/// True when text for `stream` may carry colour escapes (a terminal that takes them, NO_COLOR
/// unset).
bool useColours(std::FILE* stream);

} // namespace tovalo::cli
