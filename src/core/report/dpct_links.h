#pragma once
// Where dpct's documentation lives on the web: the guide, and the page of each diagnostic code.

#include <string>
#include <string_view>

namespace tovalo {

/// dpct's developer guide and reference (the newest version).
std::string dpctGuideUrl();

/// The guide's page of a diagnostic code ("DPCT1003" -> ".../current/dpct1003.html"); empty for
/// anything that is not "DPCT" and four digits (the compiler's own errors have no page).
std::string dpctDiagnosticUrl(std::string_view code);

} // namespace tovalo
