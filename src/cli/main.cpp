// tovalo-cli: the Tovalo core without a window. See `tovalo-cli --help`.

#include "cli.h"

#include <array>
#include <clocale>
#include <string>

namespace tovalo::cli {
std::vector<std::string> utf8Arguments(int argc, char** argv);
}

namespace {

using namespace tovalo::cli;

struct Subcommand
{
    std::string_view name;
    int (*run)(const Args&);
    std::string_view summary;
};

// Each subcommand prints its own help with --help.
constexpr std::array kSubcommands = {
    Subcommand{"commands", cmdCommands, "print the dpct command line of every item of a definition file"},
    Subcommand{"format", cmdFormat, "read a definition file and write it back in the standard layout"},
    Subcommand{"check", cmdCheck, "report what a user should know about a definition file"},
    Subcommand{"run", cmdRun, "convert every item of a definition file with dpct"},
    Subcommand{"report", cmdReport, "write a migration report (one HTML page) of a run's results"},
    Subcommand{"import", cmdImport, "make a definition file from a compilation database"},
    Subcommand{"set", cmdSet, "switch options of the items of a definition file on or off"},
    Subcommand{"merge-results", cmdMergeResults, "join the results of the shards of a run into one"},
    Subcommand{"settings", cmdSettings, "show where the settings live and what Tovalo will use"},
};

void printHelp()
{
    std::string text = "Usage: tovalo-cli <command> [options] [arguments]\n\n"
                       "Tovalo without a window: work with definition files and run dpct over them.\n\n"
                       "Commands:\n";
    for (const Subcommand& s : kSubcommands) {
        text += "  ";
        text += s.name;
        text.append(15 - std::min<std::size_t>(s.name.size(), 14), ' ');
        text += s.summary;
        text += '\n';
    }
    text += "\nOptions:\n"
            "  -h, --help     print this help\n"
            "  -v, --version  print the version of Tovalo\n";
    text += "\nRun 'tovalo-cli <command> --help' for the options of a command.\n"
            "Exit status: 0 success, 1 findings or failed items, 2 usage or input errors.\n";
    out(text);
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    const std::vector<std::string> all = utf8Arguments(argc, argv);
    if (all.size() < 2) {
        printHelp();
        return kExitUsage;
    }
    const std::string& name = all[1];
    if (name == "-h" || name == "--help" || name == "help") {
        printHelp();
        return kExitOk;
    }
    if (name == "-v" || name == "--version") {
        out(std::string("tovalo-cli ") + TOVALO_VERSION + "\n");
        return kExitOk;
    }
    const Args rest(all.begin() + 2, all.end());
    for (const Subcommand& s : kSubcommands) {
        if (s.name == name)
            return s.run(rest);
    }
    err("tovalo-cli: unknown command '" + name + "'\nRun 'tovalo-cli --help' for the list of commands.\n");
    return kExitUsage;
}
