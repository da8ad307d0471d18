#include "sim_options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dpctsim {

namespace {

enum class Kind
{
    Flag,
    Value,
    Enum,
    EnumList
};

struct OptionRule
{
    std::string_view name;
    Kind kind;
    std::vector<std::string_view> allowed; ///< for Enum and EnumList
};

// The options of dpct 2021 to 2025 (current names, and older names still accepted).
const std::vector<OptionRule>& optionRules()
{
    static const std::vector<OptionRule> table = {
        {"always-use-async-handler", Kind::Flag, {}},
        {"analysis-scope-path", Kind::Value, {}},
        {"assume-nd-range-dim", Kind::Enum, {"1", "3"}},
        {"build-script-file", Kind::Value, {}},
        {"change-filename-extension", Kind::Value, {}},
        {"check-unicode-security", Kind::Flag, {}},
        {"comments", Kind::Flag, {}},
        {"compilation-database", Kind::Value, {}},
        {"cuda-include-path", Kind::Value, {}},
        {"custom-helper-name", Kind::Value, {}},
        {"enable-codepin", Kind::Flag, {}},
        {"enable-ctad", Kind::Flag, {}},
        {"enable-profiling", Kind::Flag, {}},
        {"extra-arg", Kind::Value, {}},
        {"extra-arg-before", Kind::Value, {}},
        {"format-range", Kind::Enum, {"migrated", "all", "none"}},
        {"format-style", Kind::Enum, {"llvm", "google", "custom"}},
        {"gen-build-script", Kind::Flag, {}},
        {"gen-helper-function", Kind::Flag, {}},
        {"help", Kind::Flag, {}},
        {"helper-function-dir", Kind::Flag, {}},
        {"helper-function-preference", Kind::Enum, {"no-queue-device"}},
        {"in-root", Kind::Value, {}},
        {"in-root-exclude", Kind::Value, {}},
        {"intercept-build", Kind::Flag, {}},
        {"keep-original-code", Kind::Flag, {}},
        {"migrate-build-script", Kind::Enum, {"CMake", "Python"}},
        {"migrate-build-script-only", Kind::Flag, {}},
        {"migrate-cmake-script", Kind::Flag, {}},
        {"migrate-cmake-script-only", Kind::Flag, {}},
        {"no-cl-namespace-inline", Kind::Flag, {}},
        {"no-dpcpp-extensions",
         Kind::EnumList,
         {"enqueued_barriers", "device_info", "bfloat16", "peer_access", "assert", "queue_empty",
          "sycl_khr_free_function_commands"}},
        {"no-dry-pattern", Kind::Flag, {}},
        {"no-incremental-migration", Kind::Flag, {}},
        {"optimize-migration", Kind::Flag, {}},
        {"out-root", Kind::Value, {}},
        {"output-file", Kind::Value, {}},
        {"output-verbosity", Kind::Enum, {"silent", "normal", "detailed", "diagnostics"}},
        {"p", Kind::Value, {}},
        {"process-all", Kind::Flag, {}},
        {"query-api-mapping", Kind::Value, {}},
        // "ALL" is what older front ends pass; the tool's own spelling is "all".
        {"report-file-prefix", Kind::Value, {}},
        {"report-format", Kind::Enum, {"csv", "formatted"}},
        {"report-only", Kind::Flag, {}},
        {"report-type", Kind::Enum, {"apis", "stats", "all", "ALL", "diags"}},
        {"rule-file", Kind::Value, {}},
        {"stop-on-parse-err", Kind::Flag, {}},
        {"suppress-warnings", Kind::Value, {}},
        {"suppress-warnings-all", Kind::Flag, {}},
        {"sycl-file-extension", Kind::Enum, {"dp-cpp", "sycl-cpp", "cpp"}},
        {"sycl-named-lambda", Kind::Flag, {}},
        {"use-custom-helper", Kind::Enum, {"none", "file", "api", "all"}},
        {"use-dpcpp-extensions", Kind::EnumList, {"c_cxx_standard_library", "intel_device_math"}},
        {"use-experimental-features",
         Kind::EnumList,
         {"free-function-queries", "nd_range_barrier", "local-memory-kernel-scope-allocation",
          "logical-group", "user-defined-reductions", "masked-sub-group-operation", "matrix",
          "bfloat16_math_functions", "bindless_images", "graph", "non-uniform-groups", "device_global",
          "virtual_memory", "in_order_queue_events", "occupancy-calculation", "root-group", "all"}},
        {"use-explicit-namespace", Kind::EnumList, {"none", "cl", "dpct", "sycl", "sycl-math", "syclcompat"}},
        {"use-syclcompat", Kind::Flag, {}},
        {"usm-level", Kind::Enum, {"restricted", "none"}},
        {"vcxprojfile", Kind::Value, {}},
        {"version", Kind::Flag, {}},
    };
    return table;
}

const OptionRule* findRule(std::string_view name)
{
    for (const OptionRule& s : optionRules()) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

// How LLVM prints an option name: one dash for a one-letter name, two otherwise.
std::string printArg(std::string_view name)
{
    return (name.size() == 1 ? "-" : "--") + std::string(name);
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// The nearest known option, as LLVM suggests it; empty when nothing is close enough.
std::string nearestOption(std::string_view name)
{
    std::string_view best;
    std::size_t bestDistance = 0;
    for (const OptionRule& s : optionRules()) {
        const std::size_t d = editDistance(name, s.name);
        if (best.empty() || d < bestDistance) {
            best = s.name;
            bestDistance = d;
        }
    }
    if (best.empty() || bestDistance > std::max<std::size_t>(2, name.size() / 3))
        return {};
    return printArg(best);
}

bool isBoolText(std::string_view v, bool& on)
{
    if (v == "true" || v == "TRUE" || v == "True" || v == "1") {
        on = true;
        return true;
    }
    if (v == "false" || v == "FALSE" || v == "False" || v == "0") {
        on = false;
        return true;
    }
    return false;
}

} // namespace

std::string CommandLine::value(const std::string& name, const std::string& fallback) const
{
    const auto it = values.find(name);
    return it == values.end() ? fallback : it->second;
}

bool CommandLine::isOn(const std::string& name) const
{
    const auto it = values.find(name);
    if (it == values.end())
        return false;
    bool on = true;
    return !isBoolText(it->second, on) || on;
}

bool parseCommandLine(const std::vector<std::string>& args, const std::string& program, CommandLine& result,
                      std::string& errors)
{
    errors.clear();
    auto fail = [&](const std::string& line) {
        errors += program + ": " + line + "\n";
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            result.afterDoubleDash.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            result.sources.push_back(arg);
            continue;
        }
        std::string_view body(arg);
        body.remove_prefix(body.starts_with("--") ? 2 : 1);
        std::string_view name = body;
        std::string value;
        bool hasValue = false;
        if (const auto eq = body.find('='); eq != std::string_view::npos) {
            name = body.substr(0, eq);
            value = std::string(body.substr(eq + 1));
            hasValue = true;
        }

        const OptionRule* rule = findRule(name);
        if (rule == nullptr) {
            fail("Unknown command line argument '" + arg + "'.  Try: '" + program + " --help'");
            // LLVM repeats the value in its suggestion: "Did you mean '--out-root=x'?".
            if (const std::string near = nearestOption(name); !near.empty())
                fail("Did you mean '" + near + (hasValue ? "=" + value : std::string()) + "'?");
            continue;
        }
        const std::string key(rule->name);
        const std::string optionText = "for the " + printArg(rule->name) + " option: ";

        if (rule->kind == Kind::Flag) {
            bool on = true;
            if (hasValue && !isBoolText(value, on)) {
                fail(optionText + "'" + value + "' is invalid value for boolean argument! Try 0 or 1");
                continue;
            }
            result.values[key] = hasValue ? value : "true";
            continue;
        }

        if (!hasValue) {
            if (i + 1 >= args.size()) {
                fail(optionText + "requires a value!");
                continue;
            }
            value = args[++i];
        }

        if (rule->kind == Kind::Enum || rule->kind == Kind::EnumList) {
            std::vector<std::string> items;
            if (rule->kind == Kind::EnumList) {
                std::size_t start = 0;
                while (true) {
                    const auto comma = value.find(',', start);
                    items.push_back(value.substr(start, comma - start));
                    if (comma == std::string::npos)
                        break;
                    start = comma + 1;
                }
            } else {
                items.push_back(value);
            }
            bool ok = true;
            for (const std::string& item : items) {
                if (std::find(rule->allowed.begin(), rule->allowed.end(), item) == rule->allowed.end()) {
                    fail(optionText + "Cannot find option named '" + item + "'!");
                    ok = false;
                }
            }
            if (!ok)
                continue;
        }

        if (key == "extra-arg")
            result.extraArgs.push_back(value);
        result.values[key] = value;
    }
    return errors.empty();
}

} // namespace dpctsim
