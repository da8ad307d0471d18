#include "message.h"

#include <array>
#include <ostream>

namespace tovalo {

namespace {

constexpr std::size_t kCount = static_cast<std::size_t>(MessageId::Count);

// The GUI keeps the same texts as its translation sources (tests compare the two tables).
constexpr std::array<std::string_view, kCount> kEnglish = {
    "",
    "dpct printed no version line: it is not installed or not on the path that the environment script "
    "sets. Conversion is not possible.",
    "The command could not be written to the command interpreter: %1",
    "Not converted: %1.",
    "the command line is %1 characters long, and the command interpreter accepts at most %2",
    "The command interpreter has ended (%1).",
    "The command interpreter ended during this conversion.",
    "The command interpreter keeps ending; it is not started again.",
    "A new command interpreter could not be started: %1",
    "A new command interpreter has been started.",
    "dpct refused this item because an earlier migration into the same out-root folder used another "
    "set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every "
    "item that writes into this out-root the same options that dpct compares, give this item another"
    " --out-root, or switch on --no-incremental-migration.",

    "exit status %1",
    "killed by signal %1",
    "killed by signal %1 (%2)",
    "status %1",
    "output closed",
    "the console could not be read: %1",
    "cannot create the console pipes: %1",
    "cannot start %1: %2",
    "the command interpreter is not running",
    "the command interpreter has ended",
    "a command must be a single line",
    "the command holds characters that the console's code page %1 cannot represent",

    "%1 %2",
    "the value of %1",
    "the source path",
    "the folder of the list",
    "the command line",
    "has a double quote that is not closed",
    "has a single quote that is not closed",
    "has two double quotes in a row inside quotes, which programs read differently",
    "has a double quote that programs read as text (after a backslash), so its quotes do not pair up",
    "contains a line break",
    "contains a control character",
    "contains a double quote, which would end its quotes on the command line",
    "contains a %NAME:...% edit of a variable, which the command interpreter would expand before it "
    "reads quotes",

    "not a definition file (it holds binary data)",
    "not a definition file (it has neither a [Common] section nor a section of a .cu file)",
    "the path \"%1\" contains a line break",
    "the value of %1 of \"%2\" contains a line break",
    "the character \"%1\" (%2) cannot be stored in code page %3",
    "the text cannot be stored in code page %1",
    "not a regular file",
    "larger than %1 MiB, the most that is read",

    "Imported %1 (%2, %3, %4)",
    "%1 CUDA files",
    "%1 CUDA file",
    "%1 source files",
    "%1 source file",
    "%1 duplicates merged",
    "%1 duplicate merged",
    "%1 other entries skipped",
    "%1 other entry skipped",
    "%1 files missing",
    "%1 file missing",
    "not valid JSON: %1 at line %2, column %3",
    "not a compilation database: the JSON text is not an array of entries",
    "entry %1 of the compilation database is not an object",
    "entry %1 of the compilation database has no \"%2\"",
    "entry %1 of the compilation database: \"%2\" is not a string",
    "entry %1 of the compilation database: \"%2\" is not an array of strings",
};

} // namespace

std::string_view englishTemplate(MessageId id)
{
    const auto i = static_cast<std::size_t>(id);
    return i < kCount ? kEnglish[i] : std::string_view();
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string englishText(const Message& message)
{
    if (message.id == MessageId::Text)
        return message.text;
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& a : message.args)
        args.push_back(englishText(a));
    return fillPlaceholders(englishTemplate(message.id), args);
}

std::ostream& operator<<(std::ostream& out, const Message& message)
{
    return out << englishText(message);
}

} // namespace tovalo
