#include "sim_version.h"

#include "base/text.h"
#include "sim_platform.h"

#include <cstdlib>
#include <fstream>

namespace dpctsim {

VersionStyle versionStyle(const std::string& name)
{
    VersionStyle v;
    if (name == "product-old") {
        v.name = name;
        v.line = "Intel(R) DPC++ Compatibility Tool version 2022.1.0. "
                 "Codebase:(a4b1f3ff9d4e25b6df9d2e2e5e43a5c0f4b6d2a1)";
        v.releaseToken = "2022.1.0";
        v.gutters = false;
        v.newDocsUrl = false;
        v.clSyclHeader = true;
    } else if (name == "opensource") {
        v.name = name;
        v.line =
            "dpct version 19.0.0. Codebase:(f27f466998a18de3c5ccaf7a853d714915e62d98). clang version 19.0.0";
        v.releaseToken = "19.0.0";
        v.periodAfterNoCuda = true;
    } else if (name == "opensource-noclang") {
        v.name = name;
        v.line = "dpct version 18.0.0. Codebase:(caf26f2f40e0fba05253caf7436c163613e8f7ae)";
        v.releaseToken = "18.0.0";
        v.newDocsUrl = false;
    } else {
        v.name = name == "none" ? "none" : "product";
        if (v.name == "product")
            v.line = "Intel(R) DPC++ Compatibility Tool version 2024.2.0. "
                     "Codebase:(55a3f034030e4bd0f36d7c37f24f8366079a639b). clang version 19.0.0";
        v.releaseToken = "2024.2.0";
    }
    return v;
}

VersionStyle currentVersionStyle()
{
    if (const char* env = std::getenv("DPCT_SIM_VERSION_STYLE"); env != nullptr && *env != '\0')
        return versionStyle(env);
    const std::string folder = executableFolder();
    if (!folder.empty()) {
        std::ifstream cfg(tovalo::pathFromUtf8(folder) / "dpct-sim.cfg");
        std::string line;
        while (std::getline(cfg, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind("version-style=", 0) == 0)
                return versionStyle(line.substr(14));
        }
    }
    return versionStyle("product");
}

} // namespace dpctsim
