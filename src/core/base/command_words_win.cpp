#include "command_words.h"

namespace tovalo {

std::vector<std::string> splitCommand(std::string_view line)
{
    return splitWindowsCommand(line);
}

} // namespace tovalo
