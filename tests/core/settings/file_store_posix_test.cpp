// The settings file of POSIX systems: where it lives, crafted and regedit-exported files, and
// saves that are interrupted by a kill.

#include "base/file_io.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "test_store.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace tovalo {
namespace {

std::string dataPath(const std::string& name)
{
    return std::string(TOVALO_TEST_DATA_DIR) + "/settings/" + name;
}

std::string readAll(const std::string& path)
{
    std::string bytes;
    Message error;
    EXPECT_TRUE(readWholeFile(path, bytes, error)) << error;
    return bytes;
}

// A file store on a copy of a crafted file.
struct CraftedStore
{
    explicit CraftedStore(const std::string& dataName)
    {
        path = t.scratch() + "/Tovalo.reg";
        std::filesystem::copy_file(dataPath(dataName), path);
        store = openFileSettingsStore(path);
    }
    test::TestStore t;
    std::string path;
    std::unique_ptr<SettingsStore> store;
};

TEST(FileStoreTest, FileLivesUnderTheXdgConfigFolder)
{
    EXPECT_EQ(settingsFilePath("/x/cfg", "/home/u"), "/x/cfg/mossbank/Tovalo.reg");
    EXPECT_EQ(settingsFilePath("/x/cfg/", "/home/u"), "/x/cfg/mossbank/Tovalo.reg");
    EXPECT_EQ(settingsFilePath(nullptr, "/home/u"), "/home/u/.config/mossbank/Tovalo.reg");
    EXPECT_EQ(settingsFilePath("", "/home/u/"), "/home/u/.config/mossbank/Tovalo.reg");
    EXPECT_EQ(settingsFilePath("relative/cfg", "/home/u"), "/home/u/.config/mossbank/Tovalo.reg");
    EXPECT_EQ(settingsFilePath("/", "/home/u"), "/mossbank/Tovalo.reg");
}

TEST(FileStoreTest, RegeditExportLoads)
{
    CraftedStore c("regedit-export-utf16.reg");
    Settings s("/app");
    std::string error;
    ASSERT_TRUE(loadSettings(*c.store, s, error, [](const std::string&) { return true; })) << error;
    EXPECT_EQ(s.language, 4);
    EXPECT_EQ(s.applicationLook, 208);
    EXPECT_EQ(s.recent, std::vector<std::string>{"C:\\Users\\山田\\Documents\\定義ファイル.txt"});
    EXPECT_EQ(s.tabMode, (std::array<std::int32_t, 13>{1, 0, 3, 1, 0, 0, 1, 0, 1, 1, 1, 2, 0}));
    EXPECT_EQ(s.colors[1], 0x00F0F0F0u);
    EXPECT_EQ(s.colors[6], 0xFF000000u);
    EXPECT_EQ(s.colors[9], 0u);
    EXPECT_EQ(s.folders[kDirCudaFile], "D:\\プロジェクト\\src");
    EXPECT_EQ(s.folders[kDirVcxproj], "D:\\vs\\app.vcxproj");
    const CDpctData& d = s.defaultItem;
    EXPECT_TRUE(d.isOn(kComments));
    EXPECT_TRUE(d.isOn(kAssumeNdRangeDim));
    EXPECT_EQ(d.choiceIndex(kAssumeNdRangeDim), 0);
    EXPECT_FALSE(d.isOn(kFormatStyle));
    EXPECT_FALSE(d.isOn(kKeepOriginalCode));
    EXPECT_TRUE(d.isOn(kOutputVerbosity));
    EXPECT_EQ(d.text(kOutRoot), "D:\\out\\sycl");
    EXPECT_EQ(d.text(kSuppressWarnings), "1000,1003");
}

TEST(FileStoreTest, SavingKeepsUnknownGroupsEncodingAndLineEnds)
{
    CraftedStore c("regedit-export-utf16.reg");
    Settings s("/app");
    std::string error;
    ASSERT_TRUE(loadSettings(*c.store, s, error, [](const std::string&) { return true; })) << error;
    s.language = 1;
    s.recent.clear();
    ASSERT_TRUE(saveSettings(*c.store, s, kSaveAll, error)) << error;

    const std::string bytes = readAll(c.path);
    const RegDocument doc = RegDocument::parse(bytes);
    EXPECT_TRUE(doc.isUtf16());
    EXPECT_TRUE(doc.usesCrLf());
    const std::string workspace = "HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Workspace";
    ASSERT_NE(doc.find(workspace, "WindowPlacement"), nullptr);
    EXPECT_EQ(doc.find(workspace, "MRU")->type, kRegMultiSz);
    EXPECT_EQ(doc.find("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Common", "Recent01"), nullptr);

    Settings back("/app");
    ASSERT_TRUE(loadSettings(*openFileSettingsStore(c.path), back, error)) << error;
    EXPECT_EQ(back.language, 1);
    EXPECT_EQ(back.tabMode, s.tabMode);
    EXPECT_EQ(back.defaultItem, s.defaultItem);
    EXPECT_EQ(back.folders, s.folders);
}

// A REGEDIT4 file in CP932 is saved as REGEDIT4 in CP932, its other groups untouched.
TEST(FileStoreTest, SavingKeepsARegedit4FileInItsCodePage)
{
    CraftedStore c("regedit4-cp932.reg");
    Settings s("/app");
    std::string error;
    ASSERT_TRUE(loadSettings(*c.store, s, error, [](const std::string&) { return true; })) << error;
    ASSERT_EQ(s.recent.size(), 1u);
    s.language = 0;
    s.recent.push_back("/w/日本.txt");
    ASSERT_TRUE(saveSettings(*c.store, s, kSaveAll, error)) << error;

    const std::string bytes = readAll(c.path);
    EXPECT_EQ(bytes.rfind("REGEDIT4\r\n", 0), 0u);
    const RegDocument doc = RegDocument::parse(bytes);
    EXPECT_EQ(doc.encoding(), "CP932");
    const RegValue* note = doc.find("HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo\\Other", "Note");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(*note, regText("ソ"));

    Settings back("/app");
    ASSERT_TRUE(loadSettings(*openFileSettingsStore(c.path), back, error, [](const std::string&) {
        return true;
    })) << error;
    EXPECT_EQ(back.recent, s.recent);
    EXPECT_EQ(back.language, 0);
}

TEST(FileStoreTest, FolderIsCreatedAndAnUnreadableFileIsNeverOverwritten)
{
    test::TestStore t;
    const std::string nested = t.scratch() + "/a/b/c/Tovalo.reg";
    Settings s;
    std::string error;
    ASSERT_TRUE(saveSettings(*openFileSettingsStore(nested), s, kSaveLook, error)) << error;
    EXPECT_TRUE(pathExists(nested));

    // Something that exists but cannot be read as a file: loading reports it, saving refuses.
    const std::string blocked = t.scratch() + "/blocked.reg";
    std::filesystem::create_directories(blocked + "/inside");
    const auto store = openFileSettingsStore(blocked);
    Settings loaded;
    EXPECT_FALSE(loadSettings(*store, loaded, error));
    EXPECT_NE(error.find(blocked), std::string::npos);
    EXPECT_FALSE(saveSettings(*store, s, kSaveAll, error));
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
}

// A save killed at any moment leaves either the previous file or the new one, complete.
TEST(FileStoreTest, KilledSaveNeverLeavesABrokenFile)
{
    test::TestStore t;
    const std::string path = t.scratch() + "/Tovalo.reg";
    auto variant = [](int k) {
        Settings s("/app");
        s.language = k % 5;
        s.colors.fill(static_cast<std::uint32_t>(k));
        for (int i = 0; i < 16; ++i)
            s.recent.push_back("/r/" + std::string(300, static_cast<char>('a' + (k + i) % 26)));
        return s;
    };
    std::string error;
    ASSERT_TRUE(saveSettings(*openFileSettingsStore(path), variant(0), kSaveAll, error)) << error;

    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> share(0.0, 2.0);
    int kills = 0;
    std::set<std::uint32_t> seen;
    // Each child saves without end and reports every finished save through a pipe; the parent
    // waits for the first one (so that kills do not all land before a save could finish on a
    // loaded machine), then kills the child at a random moment of a later save.
    // Temporary files left beside the settings file show that kills did land inside saves; on a
    // loaded machine the kills may keep missing the short write, so it goes on until one lands.
    const auto interrupted = [&t] {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(t.scratch()))
            n += e.path().filename().string().rfind(".Tovalo.reg.tovalo-save-", 0) == 0 ? 1 : 0;
        return n;
    };
    while (kills < 24 || (kills < 400 && interrupted() == 0)) {
        int done[2];
        ASSERT_EQ(::pipe(done), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(done[0]);
            const auto store = openFileSettingsStore(path);
            std::string e;
            for (int k = kills * 1000 + 1;; ++k) {
                saveSettings(*store, variant(k), kSaveAll, e);
                const char one = 1;
                if (::write(done[1], &one, 1) < 0)
                    ::_exit(0);
            }
        }
        ::close(done[1]);
        // The kill comes at a random point of the next save or two: the wait is a random share
        // of the time the first save took, so it scales with how loaded the machine is.
        const auto forked = std::chrono::steady_clock::now();
        char first = 0;
        ASSERT_EQ(::read(done[0], &first, 1), 1);
        const auto oneSave =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - forked);
        ::usleep(static_cast<useconds_t>(oneSave.count() * share(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(done[0]);
        ++kills;

        Settings s("/app");
        ASSERT_TRUE(loadSettings(*openFileSettingsStore(path), s, error, [](const std::string&) {
            return true;
        })) << error;
        const std::uint32_t k = s.colors[0];
        seen.insert(k);
        const Settings want = variant(static_cast<int>(k));
        ASSERT_EQ(s.colors, want.colors) << "after kill " << kills;
        ASSERT_EQ(s.recent, want.recent) << "after kill " << kills;
        ASSERT_EQ(s.language, want.language) << "after kill " << kills;
    }
    EXPECT_GE(seen.size(), 3u) << "the saving children hardly ever finished a save";
    EXPECT_GE(interrupted(), 1) << "no kill landed inside a save in " << kills << " kills";
}

} // namespace
} // namespace tovalo
