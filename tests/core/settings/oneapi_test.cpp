// The oneAPI discovery rules of both platforms, with the environment supplied by the test.

#include "settings/oneapi.h"

#include <set>

#include <gtest/gtest.h>

namespace tovalo {
namespace {

struct FakeDisk
{
    std::set<std::string> files;
    std::function<bool(const std::string&)> exists() const
    {
        return [this](const std::string& p) {
            return files.count(p) != 0;
        };
    }
};

TEST(OneApiTest, PosixTakesTheFirstFolderThatHoldsSetvars)
{
    OneApiEnvironment env;
    env.processRoot = "/custom/oneapi";
    env.home = "/home/u";
    FakeDisk disk{
        {"/custom/oneapi/setvars.sh", "/opt/intel/oneapi/setvars.sh", "/home/u/intel/oneapi/setvars.sh"}};
    EXPECT_EQ(discoverOneApiPosix(env, disk.exists()).root, "/custom/oneapi/");

    disk.files.erase("/custom/oneapi/setvars.sh"); // ONEAPI_ROOT without the script is passed over
    EXPECT_EQ(discoverOneApiPosix(env, disk.exists()).root, "/opt/intel/oneapi/");

    disk.files.erase("/opt/intel/oneapi/setvars.sh");
    EXPECT_EQ(discoverOneApiPosix(env, disk.exists()).root, "/home/u/intel/oneapi/");

    disk.files.clear();
    const OneApiDiscovery none = discoverOneApiPosix(env, disk.exists());
    EXPECT_EQ(none.root, "");
    EXPECT_EQ(none.looked, (std::vector<std::string>{"ONEAPI_ROOT=/custom/oneapi", "/opt/intel/oneapi/",
                                                     "/home/u/intel/oneapi/"}));

    env.processRoot = "";
    env.home = "/home/u/";
    disk.files = {"/home/u/intel/oneapi/setvars.sh"};
    const OneApiDiscovery home = discoverOneApiPosix(env, disk.exists());
    EXPECT_EQ(home.root, "/home/u/intel/oneapi/");
    EXPECT_EQ(home.looked.front(), "ONEAPI_ROOT (not set)");
}

TEST(OneApiTest, WindowsPrefersTheSystemWideValueAndEndsWithABackslash)
{
    OneApiEnvironment env;
    env.machineRoot = "C:\\Program Files (x86)\\Intel\\oneAPI";
    env.processRoot = "D:\\oneAPI\\";
    EXPECT_EQ(discoverOneApiWindows(env).root, "C:\\Program Files (x86)\\Intel\\oneAPI\\");
    env.machineRoot = "C:\\oneAPI\\";
    EXPECT_EQ(discoverOneApiWindows(env).root, "C:\\oneAPI\\");
    env.machineRoot = "";
    EXPECT_EQ(discoverOneApiWindows(env).root, "D:\\oneAPI\\");
    env.machineRoot.reset();
    env.processRoot = "E:/oneapi/";
    EXPECT_EQ(discoverOneApiWindows(env).root, "E:/oneapi/");
    env.processRoot.reset();
    EXPECT_EQ(discoverOneApiWindows(env).root, "");
    EXPECT_EQ(discoverOneApiWindows(env).looked.size(), 2u);
}

} // namespace
} // namespace tovalo
