// libFuzzer harness: any bytes as dpct's output, read for diagnostics. The first byte repeats the
// rest up to 32 times, so short inputs grow into the long lines a careless parser spends
// quadratic time on; run_fuzz.sh gives this harness a time limit per input that such a parser
// exceeds. The diagnostics are the same however the output is cut into two pieces, and each is
// well formed.

#include "check_item.h"
#include "runner/command_output.h"
#include "runner/dpct_output.h"

#include <cstdint>

namespace {

using namespace tovalo;

bool isDigits(std::string_view s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

void checkWellFormed(const DpctDiagnostic& d, const std::string& text)
{
    if (d.file.empty() || d.line < 0 || d.column < 0)
        fuzzcheck::fail("a diagnostic without file, line or column", text.substr(0, 200), d.file);
    if (d.severity != "warning" && d.severity != "error" && d.severity != "fatal error")
        fuzzcheck::fail("an unknown severity", text.substr(0, 200), d.severity);
    const std::string& code = d.code;
    if (!code.empty() && (code.size() != 8 || !code.starts_with("DPCT") || !isDigits(code.substr(4))))
        fuzzcheck::fail("a malformed code", text.substr(0, 200), d.code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int repeats = data[0] % 32 + 1;
    const std::string_view unit(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string text;
    text.reserve(unit.size() * static_cast<std::size_t>(repeats));
    for (int i = 0; i < repeats; ++i)
        text += unit;

    const std::vector<DpctDiagnostic> whole = parseDiagnostics(text);
    for (const DpctDiagnostic& d : whole)
        checkWellFormed(d, text);

    CommandOutput out;
    const std::size_t cut = (static_cast<std::size_t>(data[0]) * 7919u) % (text.size() + 1);
    out.append(std::string_view(text).substr(0, cut));
    out.append(std::string_view(text).substr(cut));
    if (out.takeDiagnostics() != whole)
        fuzzcheck::fail("the diagnostics depend on where the output was cut", text.substr(0, 200),
                        std::to_string(cut));
    return 0;
}
