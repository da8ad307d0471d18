#include "oneapi.h"

#include "base/file_io.h"

namespace tovalo {

std::string withTrailingSeparator(std::string folder, char separator)
{
    if (folder.empty())
        return folder;
    const char last = folder.back();
    if (last == separator || (separator == '\\' && last == '/'))
        return folder;
    folder.push_back(separator);
    return folder;
}

OneApiDiscovery discoverOneApiPosix(const OneApiEnvironment& env,
                                    const std::function<bool(const std::string&)>& fileExists)
{
    OneApiDiscovery result;
    std::vector<std::string> candidates;
    if (env.processRoot && !env.processRoot->empty()) {
        candidates.push_back(withTrailingSeparator(*env.processRoot, '/'));
        result.looked.push_back("ONEAPI_ROOT=" + *env.processRoot);
    } else {
        result.looked.emplace_back("ONEAPI_ROOT (not set)");
    }
    for (const std::string& f : env.systemFolders)
        candidates.push_back(withTrailingSeparator(f, '/'));
    if (!env.home.empty())
        candidates.push_back(withTrailingSeparator(env.home, '/') + "intel/oneapi/");

    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string& c = candidates[i];
        if (i > 0 || !env.processRoot || env.processRoot->empty())
            result.looked.push_back(c);
        const std::string script = c + "setvars.sh";
        if (fileExists ? fileExists(script) : pathExists(script)) {
            result.root = c;
            break;
        }
    }
    return result;
}

OneApiDiscovery discoverOneApiWindows(const OneApiEnvironment& env)
{
    OneApiDiscovery result;
    result.looked.emplace_back(
        "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment: ONEAPI_ROOT");
    if (env.machineRoot && !env.machineRoot->empty()) {
        result.root = withTrailingSeparator(*env.machineRoot, '\\');
        return result;
    }
    result.looked.emplace_back("ONEAPI_ROOT of the environment");
    if (env.processRoot && !env.processRoot->empty())
        result.root = withTrailingSeparator(*env.processRoot, '\\');
    return result;
}

} // namespace tovalo
