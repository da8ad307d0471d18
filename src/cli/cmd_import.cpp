// tovalo-cli import: a definition file from a compilation database.

#include "base/message.h"
#include "cli.h"
#include "data/compile_db_import.h"
#include "data/definition_file.h"

namespace tovalo::cli {

int cmdImport(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli import DB.json -o LIST [--in-root DIR] [--out-root DIR]\n"
            "                         [--option NAME=VALUE]... [--all]\n\n"
            "Reads the compilation database DB.json (compile_commands.json as CMake, Bear or\n"
            "intercept-build write it; a folder stands for the compile_commands.json in it) and\n"
            "writes the definition file LIST with one item per CUDA translation unit: a source\n"
            "ending in .cu, compiled by nvcc, or compiled with -x cu / -x cuda. A source that\n"
            "several entries compile becomes one item (a duplicate). Every item gets\n"
            "  -p          the database's folder\n"
            "  --in-root   DIR, or else the deepest folder that holds every imported source\n"
            "  --out-root  DIR, or else dpct_output beside the database\n"
            "and each --option given (NAME with or without its dashes; a switch without\n"
            "=VALUE). Relative folders are taken against the current folder.\n\n"
            "  -o, --output LIST      the definition file to write (atomically)\n"
            "  --all                  take every entry, not only the CUDA translation units\n\n"
            "Entries of commands are split into words as this platform's shell would (POSIX rules;\n"
            "the C runtime's rules on Windows). Prints one summary line. A source that does not\n"
            "exist is imported and counted as missing.\n"
            "Exit status: 0 imported, 2 bad arguments or a database that cannot be read (nothing\n"
            "is written then).\n");
        return kExitOk;
    }
    std::string database;
    std::string output;
    ImportSettings settings;
    const auto folderValue = [](std::string& target, std::string_view name) {
        return [&target, name](const std::string* v) -> std::string {
            if (!v || v->empty())
                return std::string(name) + " needs a folder";
            target = *v;
            return {};
        };
    };
    const std::vector<ArgOption> options = {
        {"--output", "-o", true,
         [&output](const std::string* v) -> std::string {
             if (!v || v->empty())
                 return "-o needs a file name";
             output = *v;
             return {};
         }},
        {"--in-root", {}, true, folderValue(settings.inRoot, "--in-root")},
        {"--out-root", {}, true, folderValue(settings.outRoot, "--out-root")},
        optionSettingOption(settings.options),
        switchOption("--all", {}, settings.allEntries),
    };
    if (const int usage = parseArguments("import", args, options, database, "compilation database");
        usage != kExitOk)
        return usage;
    if (output.empty())
        return usageError("import", "no definition file to write: give -o LIST");

    ImportResult result;
    Message error;
    if (!importCompileDb(database, settings, result, error)) {
        err("tovalo-cli import: cannot import '" + database + "': " + englishText(error) +
            "; no list written\n");
        return kExitUsage;
    }
    if (!writeDefinitionFile(output, result.items, error)) {
        err("tovalo-cli import: cannot write '" + output + "': " + englishText(error) + "\n");
        return kExitUsage;
    }
    out(englishText(importSummary(result.counts, result.allEntries)) + "\n");
    return kExitOk;
}

} // namespace tovalo::cli
