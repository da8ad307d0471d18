#include "base/text.h"
#include "test_store.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace tovalo::test {

namespace {
std::atomic<int> counter{0};
}

TestStore::TestStore()
{
    const std::string unique = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    place_ = "SOFTWARE\\mossbank\\TovaloTest\\" + unique;
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("tovalo-settings-" + unique);
    std::filesystem::create_directories(scratch);
    scratch_ = utf8FromPath(scratch);
    store_ = openRegistrySettingsStore(place_);
}

TestStore::~TestStore()
{
    store_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, pathFromUtf8(place_).wstring().c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, pathFromUtf8(place_).wstring().c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\mossbank\\TovaloTest"); // fails while others use it
    std::error_code ec;
    std::filesystem::remove_all(pathFromUtf8(scratch_), ec);
}

std::unique_ptr<SettingsStore> TestStore::reopen() const
{
    return openRegistrySettingsStore(place_);
}

void touch(const std::string& path)
{
    std::ofstream(pathFromUtf8(path), std::ios::binary).flush();
}

} // namespace tovalo::test
