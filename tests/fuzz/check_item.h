#pragma once
// The two properties every fuzz harness checks on an item's command lines:
// - sh: the line, read by a model of a POSIX shell, does nothing but run dpct, and gives dpct
//   exactly the arguments the item means (a plain value split as a shell splits words, with no
//   expansion but $NAME and ${NAME});
// - cmd: the line, read by a model of cmd.exe and of the C runtime, has no operator outside
//   quotes and gives dpct.exe the arguments the item means (a plain value as the runtime splits it).
// A line the builder refuses is fine, but a value whose quotes do not pair up must be refused.
// Any failure aborts, which libFuzzer reports as a crash with the input that caused it.

#include "data/command_line.h"
#include "data/dpct_data.h"
#include "shell_models.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzzcheck {

using namespace tovalo;
namespace models = tovalo::testing_models;

// Variables expand to text that would do harm if the shell read it again.
inline std::string environment(std::string_view name)
{
    if (name == "HOME")
        return "/h o;$(touch pwned)'\"*";
    if (name == "X")
        return "a b";
    return {};
}

[[noreturn]] inline void fail(const char* what, const std::string& line, const std::string& detail)
{
    std::fprintf(stderr, "property broken: %s\nline: %s\n%s\n", what, line.c_str(), detail.c_str());
    std::abort();
}

inline std::string join(const std::vector<std::string>& args)
{
    std::string s;
    for (const std::string& a : args)
        s += "[" + a + "] ";
    return s;
}

// The arguments the item means, or false when one of its values must be refused.
inline bool intendedArgs(const CDpctData& item, Dialect d, std::vector<std::string>& args)
{
    args = {d == Dialect::Cmd ? "dpct.exe" : "dpct"};
    bool groupDone = false;
    for (const OptionInfo& o : optionTable()) {
        if (!item.isOn(o.slot))
            continue;
        // A choice whose value is none of its list's entries has nothing to pass: it is left out.
        if ((o.argForm == ArgForm::Choice || o.argForm == ArgForm::ChoiceFirstChar) &&
            item.choiceEntry(o.slot).empty())
            continue;
        if (o.slot == kNoDryPattern || o.slot == kNoIncrementalMigration || o.slot == kOptimizeMigration) {
            if (groupDone)
                continue;
            groupDone = true;
        }
        const std::string name(o.name);
        switch (o.argForm) {
        case ArgForm::Bare:
            args.push_back(name);
            break;
        case ArgForm::Choice:
            args.push_back(name + "=" + std::string(item.choiceEntry(o.slot)));
            break;
        case ArgForm::ChoiceFirstChar: {
            const std::string_view e = item.choiceEntry(o.slot);
            args.push_back(name + "=" + std::string(e.substr(0, e.empty() ? 0 : 1)));
            break;
        }
        case ArgForm::Path:
        case ArgForm::Quoted:
            args.push_back(name + "=" + item.text(o.slot));
            break;
        case ArgForm::Plain: {
            const std::string text = name + "=" + item.text(o.slot);
            if (d == Dialect::Cmd) {
                if (std::count(text.begin(), text.end(), '"') % 2 != 0)
                    return false;
                for (std::string& w : models::crtWords(text))
                    args.push_back(std::move(w));
            } else {
                models::ModelResult r = models::shellWords(text, environment, models::ShellMode::Literal);
                if (!r.ok())
                    return false;
                for (std::string& w : r.args)
                    args.push_back(std::move(w));
            }
            break;
        }
        }
    }
    const std::string dash = d == Dialect::Cmd ? ".\\" : "./";
    args.push_back(item.path.starts_with('-') ? dash + item.path : item.path);
    return true;
}

inline void checkItem(const CDpctData& item)
{
    if (item.path.empty())
        return;
    for (const Dialect d : {Dialect::Sh, Dialect::Cmd}) {
        const CommandLine line = buildCommandLine(&item, d);
        std::vector<std::string> intended;
        const bool meaningful = intendedArgs(item, d, intended);
        if (!line.ok()) {
            if (!line.text.empty())
                fail("a refused item still has a line", line.text, englishText(line.refusal));
            continue;
        }
        if (!meaningful)
            fail("a value whose quotes do not pair up was not refused", line.text, describe(item));
        const models::ModelResult r =
            d == Dialect::Sh ? models::shellWords(line.text, environment, models::ShellMode::Strict)
                             : models::cmdWords(line.text);
        if (!r.ok())
            fail(d == Dialect::Sh ? "sh: the shell would act on the line"
                                  : "cmd: the interpreter would act on the line",
                 line.text, r.problem);
        if (r.args != intended)
            fail(d == Dialect::Sh ? "sh: other arguments than meant" : "cmd: other arguments than meant",
                 line.text, "got:  " + join(r.args) + "\nmeant: " + join(intended));
    }
}

} // namespace fuzzcheck
