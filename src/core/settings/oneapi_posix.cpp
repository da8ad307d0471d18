#include "oneapi.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace tovalo {

OneApiEnvironment currentOneApiEnvironment()
{
    OneApiEnvironment env;
    if (const char* root = std::getenv("ONEAPI_ROOT"))
        env.processRoot = root;
    if (const char* home = std::getenv("HOME"); home && *home)
        env.home = home;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        env.home = pw->pw_dir;
    return env;
}

OneApiDiscovery discoverOneApi()
{
    return discoverOneApiPosix(currentOneApiEnvironment());
}

} // namespace tovalo
