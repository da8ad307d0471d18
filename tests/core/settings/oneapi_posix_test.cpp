// Discovery against the real environment and file system of this process.

#include "settings/oneapi.h"
#include "test_store.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace tovalo {
namespace {

class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(OneApiPosixTest, FindsTheInstallationNamedByTheEnvironment)
{
    test::TestStore t; // for its scratch folder
    const std::string root = t.scratch() + "/oneapi";
    std::filesystem::create_directories(root);
    test::touch(root + "/setvars.sh");
    {
        ScopedEnv env("ONEAPI_ROOT", root.c_str());
        EXPECT_EQ(discoverOneApi().root, root + "/");
    }
    {
        ScopedEnv home("HOME", t.scratch().c_str());
        ScopedEnv env("ONEAPI_ROOT", nullptr);
        std::filesystem::create_directories(t.scratch() + "/intel/oneapi");
        test::touch(t.scratch() + "/intel/oneapi/setvars.sh");
        const OneApiDiscovery found = discoverOneApi();
        if (!std::filesystem::exists("/opt/intel/oneapi/setvars.sh")) { // a real installation wins
            EXPECT_EQ(found.root, t.scratch() + "/intel/oneapi/");
        }
    }
}

} // namespace
} // namespace tovalo
