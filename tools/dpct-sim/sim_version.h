#pragma once
// The releases the simulator can pretend to be, and what differs between them.

#include <string>

namespace dpctsim {

struct VersionStyle
{
    std::string name;               ///< product, product-old, opensource, opensource-noclang, none
    std::string line;               ///< the "--version" line; empty for "none"
    std::string releaseToken;       ///< "2024.2.0", written into MainSourceFiles.yaml
    bool gutters = true;            ///< clang 16+ source snippets with "NNNN |" gutters
    bool newDocsUrl = true;         ///< diagnostics-reference address of 2024 and later
    bool clSyclHeader = false;      ///< migrated code includes <CL/sycl.hpp> (before 2023)
    bool periodAfterNoCuda = false; ///< "(Migration not necessary; no CUDA code detected.)"
};

/// The style called `name`; the default product style for an unknown name.
VersionStyle versionStyle(const std::string& name);

/// The style in force: DPCT_SIM_VERSION_STYLE, else "version-style=" in dpct-sim.cfg beside
/// the executable, else "product".
VersionStyle currentVersionStyle();

} // namespace dpctsim
