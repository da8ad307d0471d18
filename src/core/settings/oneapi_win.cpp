#include "base/text.h"
#include "oneapi.h"
#include "reg_value.h"

#include <windows.h>

namespace tovalo {

namespace {

std::optional<std::string> machineOneApiRoot()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                      0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::optional<std::string> result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, L"ONEAPI_ROOT", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size <= (kMaxTextUnits + 2) * 2) {
        std::string bytes(size, '\0');
        DWORD got = size;
        if (RegQueryValueExW(key, L"ONEAPI_ROOT", nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                             &got) == ERROR_SUCCESS &&
            got <= size) {
            bytes.resize(got);
            result = utf8FromUtf16le(bytes); // with or without terminator
        }
    }
    RegCloseKey(key);
    return result;
}

std::optional<std::string> processOneApiRoot()
{
    const DWORD n = GetEnvironmentVariableW(L"ONEAPI_ROOT", nullptr, 0);
    if (n == 0)
        return std::nullopt;
    std::wstring value(n, L'\0');
    const DWORD got = GetEnvironmentVariableW(L"ONEAPI_ROOT", value.data(), n);
    if (got == 0 || got >= n)
        return std::nullopt;
    value.resize(got);
    std::string bytes;
    for (const wchar_t c : value) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return utf8FromUtf16le(bytes);
}

} // namespace

OneApiEnvironment currentOneApiEnvironment()
{
    OneApiEnvironment env;
    env.machineRoot = machineOneApiRoot();
    env.processRoot = processOneApiRoot();
    env.systemFolders.clear();
    return env;
}

OneApiDiscovery discoverOneApi()
{
    return discoverOneApiWindows(currentOneApiEnvironment());
}

} // namespace tovalo
