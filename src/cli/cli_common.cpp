#include "cli.h"
#include "data/option_setting.h"

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

std::string terminalSafe(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            safe += "\\x";
            safe += kHex[c >> 4];
            safe += kHex[c & 15];
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            const auto c1 = static_cast<unsigned char>(text[++i]);
            safe += "\\u00";
            safe += kHex[c1 >> 4];
            safe += kHex[c1 & 15];
        } else {
            safe += static_cast<char>(c);
        }
    }
    return safe;
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

ArgOption optionSettingOption(std::vector<OptionSetting>& settings)
{
    return {"--option", {}, true, [&settings](const std::string* v) -> std::string {
                if (!v)
                    return "--option needs NAME=VALUE or NAME";
                OptionSetting s;
                std::string problem;
                if (!parseOptionSetting(*v, s, problem))
                    return "--option " + *v + ": " + problem;
                settings.push_back(std::move(s));
                return {};
            }};
}

int parseArguments(std::string_view command, const Args& args, const std::vector<ArgOption>& options,
                   std::string& file, std::string_view fileKind)
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
        return usageError(command, "no " + std::string(fileKind) + " given");
    return kExitOk;
}

} // namespace tovalo::cli
