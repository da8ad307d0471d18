#include "sim_help.h"

namespace dpctsim {

std::string versionText(const VersionStyle& style)
{
    return style.line.empty() ? std::string() : "\n" + style.line + "\n\n";
}

std::string helpText(const std::string& program)
{
    return "USAGE: " + program +
           " [options] [<source0> ... <sourceN>]\n\n"
           "OPTIONS:\n\n"
           "  --always-use-async-handler      - Use async exception handler when creating new sycl::queue.\n"
           "  --assume-nd-range-dim=<value>   - Provides a hint to the tool on the dimensionality of "
           "nd_range.\n"
           "  --comments                      - Insert comments explaining the generated code.\n"
           "  --cuda-include-path=<dir>       - The directory path of the CUDA header files.\n"
           "  --extra-arg=<string>            - Additional argument to append to the migration command "
           "line.\n"
           "  --format-range=<value>          - Sets the range of formatting.\n"
           "  --format-style=<value>          - Sets the formatting style.\n"
           "  --in-root=<dir>                 - The directory path for the root of the source tree.\n"
           "  --out-root=<dir>                - The directory path for root of generated files.\n"
           "  --output-verbosity=<value>      - Sets the output verbosity level.\n"
           "  -p <dir>                        - The directory path for the compilation database.\n"
           "  --process-all                   - Migrates or copies all files from the --in-root directory.\n"
           "  --stop-on-parse-err             - Stop migration and generation of reports if parsing errors "
           "happened.\n"
           "  --suppress-warnings=<value>     - A comma separated list of migration warnings to suppress.\n"
           "  --suppress-warnings-all         - Suppresses all migration warnings.\n"
           "  --usm-level=<value>             - Sets the Unified Shared Memory (USM) level to use in source "
           "code generation.\n"
           "  --version                       - Shows the version of the tool.\n\n"
           "See " +
           program + " --help-hidden for the complete list of options.\n";
}

std::string usageHint(const std::string& program)
{
    return "To get help on the tool usage, run \"" + program +
           " --help\"\n"
           "Visit https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
           "developer-guide-reference/current/overview.html for more details.\n";
}

} // namespace dpctsim
