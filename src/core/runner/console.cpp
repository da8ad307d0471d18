#include "console.h"

namespace tovalo {

std::string Console::refusal(std::string_view line) const
{
    if (line.find_first_of("\r\n") != std::string_view::npos)
        return "a command must be a single line";
    return {};
}

} // namespace tovalo
