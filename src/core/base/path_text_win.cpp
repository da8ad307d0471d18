#include "path_text.h"

namespace tovalo {

bool pathsIgnoreCase()
{
    return true;
}

} // namespace tovalo
