// Discovery against the real registry and environment of this process.

#include "settings/oneapi.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tovalo {
namespace {

constexpr const wchar_t* kEnvironmentKey =
    L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

TEST(OneApiWinTest, ProcessEnvironmentIsUsedWithoutASystemWideValue)
{
    if (currentOneApiEnvironment().machineRoot)
        GTEST_SKIP() << "this machine has a system-wide ONEAPI_ROOT";
    SetEnvironmentVariableW(L"ONEAPI_ROOT", L"C:\\Intel\\oneAPI");
    EXPECT_EQ(discoverOneApi().root, "C:\\Intel\\oneAPI\\");
    SetEnvironmentVariableW(L"ONEAPI_ROOT", nullptr);
    EXPECT_EQ(discoverOneApi().root, "");
}

TEST(OneApiWinTest, SystemWideValueIsReadWithOrWithoutTerminator)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        GTEST_SKIP() << "no write access to the system environment (not running under wine?)";
    DWORD type = 0;
    if (RegQueryValueExW(key, L"ONEAPI_ROOT", nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
        GTEST_SKIP() << "this machine has a system-wide ONEAPI_ROOT";
    }
    const std::wstring root = L"C:\\Program Files (x86)\\Intel\\oneAPI";
    SetEnvironmentVariableW(L"ONEAPI_ROOT", L"D:\\other");
    for (const DWORD bytes : {static_cast<DWORD>(root.size() * 2), static_cast<DWORD>(root.size() * 2 + 2)}) {
        ASSERT_EQ(RegSetValueExW(key, L"ONEAPI_ROOT", 0, REG_SZ, reinterpret_cast<const BYTE*>(root.c_str()),
                                 bytes),
                  ERROR_SUCCESS);
        EXPECT_EQ(discoverOneApi().root, "C:\\Program Files (x86)\\Intel\\oneAPI\\");
    }
    RegDeleteValueW(key, L"ONEAPI_ROOT");
    RegCloseKey(key);
    SetEnvironmentVariableW(L"ONEAPI_ROOT", nullptr);
}

} // namespace
} // namespace tovalo
