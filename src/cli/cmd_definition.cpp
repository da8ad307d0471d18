// The definition-file subcommands: commands, format, check.

#include "base/file_io.h"
#include "base/path_text.h"
#include "base/text.h"
#include "cli.h"
#include "data/command_line.h"
#include "data/definition_file.h"
#include "data/option_conflicts.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <unordered_map>

namespace tovalo::cli {

namespace {

// Parses "--dialect cmd|sh" / "--dialect=cmd|sh". Returns false on a bad value.
bool takeDialect(const std::string& value, Dialect& dialect)
{
    if (value == "cmd")
        dialect = Dialect::Cmd;
    else if (value == "sh")
        dialect = Dialect::Sh;
    else
        return false;
    return true;
}

struct Parsed
{
    std::string file;
    std::string output; // format -o
    bool forceEncodingChange = false;
    Dialect dialect = platformDialect();
};

// True when `a` and `b` are the same existing file (through links, other spellings, letter case).
bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(pathFromUtf8(a), pathFromUtf8(b), ec) && !ec;
}

// What a command takes beside FILE: --dialect (commands, check) or -o and
// --force-encoding-change (format).
enum class Takes
{
    Dialect,
    Output
};

// FILE plus the options each command allows. Returns kExitOk, or the usage error's status.
int parseArgs(std::string_view command, const Args& args, Takes takes, Parsed& p)
{
    const auto takeDialectValue = [&p](const std::string* v) -> std::string {
        if (!v)
            return "--dialect needs a value: cmd or sh";
        if (!takeDialect(*v, p.dialect))
            return "unknown dialect '" + *v + "' (use cmd or sh)";
        return {};
    };
    const auto takeOutput = [&p](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "-o needs a file name";
        p.output = *v;
        return {};
    };
    std::vector<ArgOption> options;
    if (takes == Takes::Dialect)
        options.push_back({"--dialect", {}, true, takeDialectValue});
    if (takes == Takes::Output) {
        options.push_back({"--output", "-o", true, takeOutput});
        options.push_back(switchOption("--force-encoding-change", {}, p.forceEncodingChange));
    }
    return parseArguments(command, args, options, p.file);
}

bool readOrReport(const std::string& file, ReadResult& result)
{
    result = readDefinitionFile(file);
    if (!result.ok) {
        err("tovalo-cli: cannot read '" + file + "': " + englishText(result.error) + "\n");
        return false;
    }
    return true;
}

} // namespace

int cmdCommands(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli commands [--dialect cmd|sh] FILE\n\n"
            "Prints the dpct command line of every item of the definition file FILE, one line per\n"
            "item, in list order.\n\n"
            "  --dialect cmd   for the Windows command interpreter: dpct.exe, paths in double quotes\n"
            "  --dialect sh    for a POSIX shell: dpct, paths in single quotes\n"
            "The default is the platform's (cmd on Windows, sh elsewhere).\n"
            "An item whose values cannot be passed safely gives an empty line and a message on\n"
            "stderr, and the exit status is 1. A choice option whose value is not in its list is\n"
            "left out of the line, with a message on stderr and exit status 1.\n");
        return kExitOk;
    }
    Parsed p;
    if (const int usage = parseArgs("commands", args, Takes::Dialect, p); usage != kExitOk)
        return usage;
    int status = kExitOk;
    ReadResult doc;
    if (!readOrReport(p.file, doc))
        return kExitUsage;
    std::string text;
    for (const CDpctData& item : doc.items) {
        const CommandLine line = buildCommandLine(&item, p.dialect);
        if (!line.ok()) {
            err("tovalo-cli: item '" + item.path + "': " + englishText(line.refusal) + "; no command line\n");
            status = kExitFindings;
        }
        for (const std::string_view name : line.leftOut) {
            err("tovalo-cli: item '" + item.path + "': " + std::string(name) +
                " has a value that is not in its list; it is left out of the command line\n");
            status = kExitFindings;
        }
        text += line.text;
        text += '\n';
    }
    out(text);
    return status;
}

int cmdFormat(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli format FILE [-o OUT]\n\n"
            "Reads the definition file FILE and writes it back in the standard layout: the\n"
            "[Common] section with today's date, then every item with its switched-on options in\n"
            "option order. Without -o the text goes to stdout (UTF-8); with -o it is saved to OUT\n"
            "the way Tovalo saves (atomically, in the platform's code page and line end).\n"
            "SOURCE_DATE_EPOCH, when set, fixes the date written.\n\n"
            "  --force-encoding-change  let -o replace FILE itself even when FILE was not read\n"
            "                           as the encoding Tovalo writes (another code page, or\n"
            "                           bytes that are not UTF-8); without it that is refused\n"
            "                           with exit status 2 and the file stays as it is.\n");
        return kExitOk;
    }
    Parsed p;
    if (const int usage = parseArgs("format", args, Takes::Output, p); usage != kExitOk)
        return usage;
    ReadResult doc;
    if (!readOrReport(p.file, doc))
        return kExitUsage;
    Message error;
    if (!p.output.empty()) {
        if (!doc.encodingKeptBySave && !p.forceEncodingChange && sameFile(p.file, p.output)) {
            err("tovalo-cli: not writing over '" + p.file + "': " + describeEncoding(doc) +
                ". Give --force-encoding-change to write it anyway, or -o another file.\n");
            return kExitUsage;
        }
        if (!writeDefinitionFile(p.output, doc.items, error)) {
            err("tovalo-cli: cannot write '" + p.output + "': " + englishText(error) + "\n");
            return kExitUsage;
        }
        return kExitOk;
    }
    std::string text;
    if (!formatDefinitionText(doc.items, dateOfSaving(), nativeEol(), text, error)) {
        err("tovalo-cli: cannot format '" + p.file + "': " + englishText(error) + "\n");
        return kExitUsage;
    }
    out(text);
    return kExitOk;
}

int cmdCheck(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli check [--dialect cmd|sh] FILE\n\n"
            "Reads the definition file FILE and reports, one line each, what a user should know:\n"
            "how the file was decoded when that is not what Tovalo writes (another code page, bytes\n"
            "that are not UTF-8), keys that match no option, choice values not in their list,\n"
            "skipped sections and lines, duplicate paths, files that do not exist, and values\n"
            "with characters that are risky on the command line of the dialect (default: the\n"
            "platform's), and items that dpct would refuse (exit code -37) because an earlier item\n"
            "writes into the same --out-root with other values of the options dpct compares\n"
            "(relative paths and the default dpct_output count from the folder of FILE, where\n"
            "'tovalo-cli run' runs dpct).\n"
            "Exit status: 0 nothing to report, 1 something reported, 2 the file cannot be read.\n");
        return kExitOk;
    }
    Parsed p;
    if (const int usage = parseArgs("check", args, Takes::Dialect, p); usage != kExitOk)
        return usage;
    ReadResult doc;
    if (!readOrReport(p.file, doc))
        return kExitUsage;

    // Each finding is written as it is found: a long list with a finding per item is not held
    // twice (as lines and as the text) before it is printed.
    std::size_t findings = 0;
    // Paths and values are shown with their control characters escaped (see terminalSafe).
    auto report = [&findings](const std::string& line) {
        ++findings;
        out(terminalSafe(line));
        out("\n");
    };
    auto at = [&](int line) {
        return p.file + ":" + std::to_string(line) + ": ";
    };
    if (const std::string how = describeEncoding(doc); !how.empty())
        report(p.file + ": " + how);
    for (const ReadNote& n : doc.notes) {
        switch (n.kind) {
        case ReadNote::Kind::OutsideSection:
            report(at(n.line) + "line outside any section is ignored");
            break;
        case ReadNote::Kind::SectionSkipped:
            report(at(n.line) + "section [" + n.text +
                   "] is not a CUDA, C or C++ source file; it is skipped with its lines");
            break;
        case ReadNote::Kind::UnknownKey:
            report(at(n.line) + "'" + n.text + "' matches no option and is ignored" +
                   " (option names are case-sensitive)");
            break;
        case ReadNote::Kind::ChoiceNotInList:
            report(at(n.line) + "'" + n.text +
                   "' is not a value of the option; it is left out when the file is written");
            break;
        case ReadNote::Kind::EmptyChoice:
            report(at(n.line) + n.text + " has no value and stays off");
            break;
        case ReadNote::Kind::SwitchValue:
            report(at(n.line) + "'" + n.text + "': the option is a switch and takes no value; " +
                   "it is read as on whatever the value says");
            break;
        case ReadNote::Kind::BrokenSection:
            report(at(n.line) + "'" + n.text +
                   "' has no closing ']'; it is ignored, and lines under it belong to the section before");
            break;
        }
    }

    const char* dialectName = p.dialect == Dialect::Cmd ? "cmd" : "sh";
    // Relative paths in a list count from the list's own folder.
    const std::string folder = folderOfFile(p.file);
    // Earlier items by the hash of their path key, chained in list order through `later`: one
    // pass over the list, whatever its length, without a copy of every key. Paths whose keys
    // share a hash are told apart by samePathText.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::unordered_map<std::size_t, std::pair<std::size_t, std::size_t>> chainOfHash; // first, last
    chainOfHash.reserve(doc.items.size());
    std::vector<std::size_t> later(doc.items.size(), kNone);
    for (std::size_t i = 0; i < doc.items.size(); ++i) {
        const CDpctData& item = doc.items[i];
        const std::string where = at(doc.itemLines[i]);
        const auto [chain, fresh] =
            chainOfHash.try_emplace(std::hash<std::string>{}(pathKey(item.path)), std::pair{i, i});
        std::size_t first = kNone;
        if (!fresh) {
            for (std::size_t j = chain->second.first; j != kNone; j = later[j]) {
                if (samePathText(doc.items[j].path, item.path)) {
                    first = j;
                    break;
                }
            }
            later[chain->second.second] = i;
            chain->second.second = i;
        }
        if (first != kNone)
            report(where + "duplicate item '" + item.path + "' (first at line " +
                   std::to_string(doc.itemLines[first]) + ")");
        if (!pathExists(resolvePath(item.path, folder)))
            report(where + "'" + item.path + "' does not exist");
        const CommandLine line = buildCommandLine(&item, p.dialect);
        if (!line.ok())
            report(where + "cannot be converted: " + englishText(line.refusal) + " (" + dialectName + ")");
        if (p.dialect == Dialect::Cmd && item.path.find('%') != std::string::npos)
            report(where + "the path contains '%', which the command interpreter may expand");
        for (const OptionInfo& o : optionTable()) {
            if (!item.isOn(o.slot) || o.kind != OptionKind::Text)
                continue;
            const std::string& v = item.text(o.slot);
            if (o.argForm == ArgForm::Plain && hasActiveShellSyntax(v, p.dialect))
                report(where + std::string(o.name) + "=" + v +
                       " contains a command separator or redirection outside quotes; it is " +
                       "passed to dpct as text, not acted on by the " +
                       (p.dialect == Dialect::Cmd ? "command interpreter" : "shell"));
            if (o.argForm != ArgForm::Plain && p.dialect == Dialect::Cmd && v.find('%') != std::string::npos)
                report(where + "the value of " + std::string(o.name) +
                       " contains '%', which the command interpreter may expand");
        }
    }
    std::vector<const CDpctData*> list;
    list.reserve(doc.items.size());
    for (const CDpctData& item : doc.items)
        list.push_back(&item);
    for (const OutRootConflict& c : findOutRootConflicts(list, folder))
        report(at(doc.itemLines[c.item]) + describeConflict(doc.items, c) + " (first at line " +
               std::to_string(doc.itemLines[c.reference]) + ")");
    return findings == 0 ? kExitOk : kExitFindings;
}

std::string currentFolder()
{
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string(".") : utf8FromPath(cwd);
}

std::string describeConflict(const std::vector<CDpctData>& items, const OutRootConflict& c)
{
    std::string names;
    for (const std::string& n : c.options)
        names += (names.empty() ? "" : ", ") + n;
    return "'" + items[c.item].path + "' writes into the out-root '" + c.outRoot + "' as '" +
           items[c.reference].path + "' does, with other values of " + names +
           "; dpct would refuse it with exit code -37 (an incremental migration needs the same options)";
}

} // namespace tovalo::cli
