#pragma once
// One run of the simulated dpct: reads the command line, the source file and its directives,
// and prints, writes and exits the way the real tool does for the chosen outcome.

#include <string>
#include <vector>

namespace dpctsim {

/// Runs the simulator with `args` (argv[0] first, UTF-8) and returns the process exit status.
int runTool(const std::vector<std::string>& args);

} // namespace dpctsim
