#pragma once
// The dpct command line as the simulator understands it: the options of the real tool, parsed
// with the rules of LLVM's option library ("--name=value", "-name=value", "--name value", a
// single dash works for long names too, "--" ends the options), with LLVM's error texts.

#include <map>
#include <string>
#include <vector>

namespace dpctsim {

struct CommandLine
{
    std::vector<std::string> sources;          ///< positional arguments, in order
    std::map<std::string, std::string> values; ///< option name (without dashes) -> last value
    std::vector<std::string> extraArgs;        ///< every --extra-arg, in order
    std::vector<std::string> afterDoubleDash;  ///< compiler arguments after "--"
    std::vector<std::string> rawArguments;     ///< the whole command line, program name first

    bool has(const std::string& name) const { return values.count(name) != 0; }
    /// The value of `name`, or `fallback` when it was not given.
    std::string value(const std::string& name, const std::string& fallback = {}) const;
    /// True when the switch `name` was given and not set to false / 0.
    bool isOn(const std::string& name) const;
};

/// Parses `args` (without the program name). On failure returns false and sets `errors` to
/// the lines LLVM's option library prints, each starting with "<program>: ".
bool parseCommandLine(const std::vector<std::string>& args, const std::string& program, CommandLine& result,
                      std::string& errors);

} // namespace dpctsim
