#pragma once
// The migrated source the simulated tool writes, and the name it gets.

#include "sim_version.h"
#include "sim_warnings.h"

#include <string>
#include <vector>

namespace dpctsim {

/// The migrated text: SYCL headers instead of the CUDA runtime, the kernel built-ins rewritten,
/// and a comment with each diagnostic above the line it concerns, as the real tool writes them.
std::string migratedText(const std::vector<SourceLine>& lines, const std::vector<Diagnostic>& diags,
                         const VersionStyle& style);

/// The name of the migrated file: "a.cu" becomes "a.dp.cpp", "a.cuh" "a.dp.hpp"; others stay.
std::string migratedFileName(const std::string& name);

} // namespace dpctsim
