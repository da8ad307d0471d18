#pragma once
// What the simulated tool prints about itself: for --version, for --help, and when it is
// started without arguments.

#include "sim_version.h"

#include <string>

namespace dpctsim {

/// The text of --version: the style's version line between blank lines; nothing for "none".
std::string versionText(const VersionStyle& style);

/// The text of --help (and --help-hidden) for the program called `program`.
std::string helpText(const std::string& program);

/// The hint printed when the program is started without any argument.
std::string usageHint(const std::string& program);

} // namespace dpctsim
