#include "path_text.h"

namespace tovalo {

bool pathsIgnoreCase()
{
#ifdef __APPLE__
    return true; // APFS and HFS+ ignore case by default
#else
    return false;
#endif
}

} // namespace tovalo
