#pragma once
// Finding the oneAPI installation, whose environment script (setvars.bat / setvars.sh) the
// conversion runner starts before dpct.
//
// Windows: the system-wide ONEAPI_ROOT (in HKEY_LOCAL_MACHINE, key
// SYSTEM\CurrentControlSet\Control\Session Manager\Environment), taken as stored; when that
// is absent, ONEAPI_ROOT of the process environment. Other systems: ONEAPI_ROOT of the environment, else
// /opt/intel/oneapi/, else
// ~/intel/oneapi/: the first of these folders that holds setvars.sh.
//
// The root found always ends with the platform's separator, because the runner appends the
// script name directly.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tovalo {

/// What discovery looks at, so that tests can supply their own.
struct OneApiEnvironment
{
    std::optional<std::string> machineRoot; ///< Windows: the system-wide ONEAPI_ROOT, when set
    std::optional<std::string> processRoot; ///< ONEAPI_ROOT of the process environment, when set
    std::string home;                       ///< the user's home folder (POSIX)
    std::vector<std::string> systemFolders = {"/opt/intel/oneapi/"}; ///< tried after ONEAPI_ROOT (POSIX)
};

struct OneApiDiscovery
{
    std::string root;                ///< empty when none was found
    std::vector<std::string> looked; ///< where discovery looked, in order, for messages
};

/// The environment of this process (and, on Windows, the system-wide value).
OneApiEnvironment currentOneApiEnvironment();

/// The rule of this platform applied to the current environment.
OneApiDiscovery discoverOneApi();

/// The rule of POSIX systems. `fileExists` defaults to a test of the real file system.
OneApiDiscovery discoverOneApiPosix(const OneApiEnvironment& env,
                                    const std::function<bool(const std::string&)>& fileExists = {});

/// The rule of Windows (no check of the folder: the system-wide value is taken as stored).
OneApiDiscovery discoverOneApiWindows(const OneApiEnvironment& env);

/// `folder` ending with `separator` (unchanged when empty or when it ends with one already;
/// on Windows '/' counts as a separator too).
std::string withTrailingSeparator(std::string folder, char separator);

} // namespace tovalo
