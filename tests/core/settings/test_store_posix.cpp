#include "test_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace tovalo::test {

TestStore::TestStore()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "tovalo-settings-XXXXXX").string();
    const char* dir = ::mkdtemp(tmpl.data());
    if (!dir)
        ADD_FAILURE() << "mkdtemp failed";
    scratch_ = tmpl + "/scratch";
    std::filesystem::create_directories(scratch_);
    place_ = tmpl;
    store_ = openFileSettingsStore(place_ + "/config/mossbank/Tovalo.reg");
}

TestStore::~TestStore()
{
    std::error_code ec;
    std::filesystem::remove_all(place_, ec);
}

std::unique_ptr<SettingsStore> TestStore::reopen() const
{
    return openFileSettingsStore(place_ + "/config/mossbank/Tovalo.reg");
}

void touch(const std::string& path)
{
    std::ofstream(path, std::ios::binary).flush();
}

} // namespace tovalo::test
