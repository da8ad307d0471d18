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

} // namespace tovalo::cli
