#pragma once
// The style sheet and the script of the migration report (report.css and report.js of this
// folder, built into the program).

#include <string_view>

namespace tovalo {

std::string_view reportStyle();
std::string_view reportScript();

} // namespace tovalo
