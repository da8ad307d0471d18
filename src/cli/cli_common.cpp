#include "cli.h"

#include <algorithm>
#include <cstdio>

namespace tovalo::cli {

void out(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void err(std::string_view text)
{
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int usageError(std::string_view command, std::string_view message)
{
    err("tovalo-cli " + std::string(command) + ": " + std::string(message) + "\nRun 'tovalo-cli " +
        std::string(command) + " --help' for usage.\n");
    return kExitUsage;
}

bool wantsHelp(const Args& args)
{
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "-h" || a == "--help"; });
}

ArgOption switchOption(std::string_view name, std::string_view alias, bool& flag)
{
    return {name, alias, false, [&flag](const std::string*) {
                flag = true;
                return std::string();
            }};
}

int parseArguments(std::string_view command, const Args& args, const std::vector<ArgOption>& options,
                   std::string& file, std::string_view noFile)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const ArgOption* option = nullptr;
        std::string value;
        const std::string* given = nullptr;
        for (const ArgOption& o : options) {
            for (const std::string_view name : {o.name, o.alias}) {
                if (name.empty() || option)
                    continue;
                if (a == name) {
                    option = &o;
                } else if (o.takesValue && name.starts_with("--") && a.size() > name.size() &&
                           a.starts_with(name) && a[name.size()] == '=') {
                    option = &o;
                    value = a.substr(name.size() + 1);
                    given = &value;
                }
            }
        }
        if (option) {
            if (option->takesValue && !given && i + 1 < args.size()) {
                value = args[++i];
                given = &value;
            }
            if (const std::string problem = option->take(given); !problem.empty())
                return usageError(command, problem);
        } else if (a.size() > 1 && a.front() == '-') {
            return usageError(command, "unknown option '" + a + "'");
        } else if (file.empty()) {
            file = a;
        } else {
            return usageError(command, "too many arguments ('" + a + "')");
        }
    }
    if (file.empty())
        return usageError(command, noFile);
    return kExitOk;
}

} // namespace tovalo::cli
