#include "report/dpct_links.h"

namespace tovalo {

namespace {

constexpr std::string_view kGuide = "https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                                    "developer-guide-reference/current/";

} // namespace

std::string dpctGuideUrl()
{
    return std::string(kGuide) + "overview.html";
}

std::string dpctDiagnosticUrl(std::string_view code)
{
    if (code.size() != 8 || code.substr(0, 4) != "DPCT")
        return {};
    for (const char c : code.substr(4)) {
        if (c < '0' || c > '9')
            return {};
    }
    return std::string(kGuide) + "dpct" + std::string(code.substr(4)) + ".html";
}

} // namespace tovalo
