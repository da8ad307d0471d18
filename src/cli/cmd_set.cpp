// tovalo-cli set: switch options of a definition file's items on or off, in place.

#include "base/path_glob.h"
#include "base/text.h"
#include "cli.h"
#include "data/definition_file.h"
#include "data/option_setting.h"

#include <algorithm>

namespace tovalo::cli {

int cmdSet(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli set LIST [--only GLOB]... (--option NAME=VALUE | --option NAME |\n"
            "                       --off NAME)... [--force-encoding-change]\n\n"
            "Changes options of the items of the definition file LIST and saves it in place\n"
            "(atomically), then prints how many items changed. The changes apply in the order given:\n"
            "  --option NAME=VALUE  switch a choice or text option on with VALUE\n"
            "  --option NAME        switch a switch on\n"
            "  --off NAME           switch an option off (a value it had is forgotten on saving)\n"
            "NAME is an option's name with or without its dashes (comments, --comments, p, -p).\n"
            "Switching on one of --no-dry-pattern, --no-incremental-migration and\n"
            "--optimize-migration switches the other two off: dpct takes only one of them.\n\n"
            "  --only GLOB  change only the items whose path matches GLOB (given several times:\n"
            "               any of them); * matches any run of characters, separators included,\n"
            "               ? one character, [abc] one of a set; a relative GLOB also matches the\n"
            "               end of a path after a separator ('kernels/*.cu').\n"
            "  --force-encoding-change  write LIST even when it was not read as the encoding\n"
            "               Tovalo writes (another code page, or bytes that are not UTF-8);\n"
            "               without it that is refused with exit status 2.\n"
            "A list where nothing changes is not written.\n"
            "Exit status: 0 done, 2 bad arguments or a file that cannot be read or written.\n");
        return kExitOk;
    }
    std::string file;
    std::vector<std::string> only;
    std::vector<OptionSetting> changes;
    bool force = false;
    const std::vector<ArgOption> options = {
        {"--only",
         {},
         true,
         [&only](const std::string* v) -> std::string {
             if (!v || v->empty())
                 return "--only needs a pattern";
             only.push_back(*v);
             return {};
         }},
        optionSettingOption(changes),
        {"--off",
         {},
         true,
         [&changes](const std::string* v) -> std::string {
             if (!v)
                 return "--off needs an option name";
             OptionSetting s;
             std::string problem;
             if (!parseOptionOff(*v, s, problem))
                 return "--off " + *v + ": " + problem;
             changes.push_back(std::move(s));
             return {};
         }},
        switchOption("--force-encoding-change", {}, force),
    };
    if (const int usage = parseArguments("set", args, options, file); usage != kExitOk)
        return usage;
    if (changes.empty())
        return usageError("set", "nothing to change: give --option or --off");

    ReadResult doc = readDefinitionFile(file);
    if (!doc.ok) {
        err("tovalo-cli set: cannot read '" + file + "': " + englishText(doc.error) + "\n");
        return kExitUsage;
    }
    if (!doc.encodingKeptBySave && !force) {
        err("tovalo-cli set: not writing over '" + file + "': " + describeEncoding(doc) +
            ". Give --force-encoding-change to write it anyway.\n");
        return kExitUsage;
    }
    std::size_t matched = 0;
    std::size_t changed = 0;
    for (CDpctData& item : doc.items) {
        if (!only.empty() && std::none_of(only.begin(), only.end(), [&](const std::string& glob) {
                return pathMatchesGlob(item.path, glob);
            }))
            continue;
        ++matched;
        // Compared as a whole: a later change may take back an earlier one.
        const CDpctData before = item;
        for (const OptionSetting& s : changes)
            applyOptionSetting(item, s);
        changed += item == before ? 0 : 1;
    }
    std::string report = "Changed " + groupThousands(changed) + " of " + groupThousands(matched) +
                         (matched == 1 ? " item" : " items");
    if (!only.empty())
        report += " that matched (" + groupThousands(doc.items.size()) + " in the list)";
    if (changed == 0) {
        out(report + "; '" + file + "' is left as it was\n");
        return kExitOk;
    }
    Message error;
    if (!writeDefinitionFile(file, doc.items, error)) {
        err("tovalo-cli set: cannot write '" + file + "': " + englishText(error) + "\n");
        return kExitUsage;
    }
    out(report + "\n");
    return kExitOk;
}

} // namespace tovalo::cli
