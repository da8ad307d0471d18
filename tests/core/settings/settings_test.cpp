// Load and save rules of the settings record, run against this platform's store back end
// (the registry-export file natively, the registry under wine).

#include "base/path_text.h"
#include "settings/settings.h"
#include "test_store.h"

#include <set>

#include <gtest/gtest.h>

namespace tovalo {
namespace test {

void putRaw(SettingsStore& store, std::string_view group, std::string_view name, const RegValue& value)
{
    std::string error;
    ASSERT_TRUE(store.beginWrite(error)) << error;
    ASSERT_TRUE(store.openGroupForWrite(group));
    ASSERT_TRUE(store.write(group, name, value));
    ASSERT_TRUE(store.endWrite(error)) << error;
}

} // namespace test

namespace {

using test::putRaw;
using test::TestStore;

const FileExists kAllExist = [](const std::string&) {
    return true;
};

Settings loadFrom(SettingsStore& store, const FileExists& exists = kAllExist)
{
    Settings s("/app/bin");
    std::string error;
    EXPECT_TRUE(loadSettings(store, s, error, exists)) << error;
    return s;
}

std::optional<RegValue> readRaw(SettingsStore& store, std::string_view group, std::string_view name)
{
    std::string error;
    EXPECT_TRUE(store.beginRead(error)) << error;
    auto v = store.read(group, name);
    store.endRead();
    return v;
}

RegValue rawBytes(std::uint32_t type, std::string bytes)
{
    return RegValue{type, std::move(bytes)};
}

TEST(SettingsStoreTest, EmptyStoreKeepsInitialValues)
{
    TestStore t;
    const Settings s = loadFrom(t.store());
    EXPECT_EQ(s.language, -1);
    EXPECT_EQ(s.applicationLook, 214);
    EXPECT_TRUE(s.recent.empty());
    EXPECT_EQ(s.tabMode[kTabMdiOn], 0);
    EXPECT_EQ(s.tabMode[kTabLocation], 1);
    for (const std::uint32_t c : s.colors)
        EXPECT_EQ(c, 0xFF000000u);
    for (const std::string& f : s.folders)
        EXPECT_EQ(f, "/app/bin");
    EXPECT_EQ(s.defaultItem, CDpctData());
    EXPECT_TRUE(s.oneapiRoot.empty());
    EXPECT_EQ(s.programVersion, 0x01000000u);
    EXPECT_EQ(s.languagePackVersions[4], 0xFFFFFFFFu);

    // The program's folder loses one trailing separator, a root keeps its own.
    EXPECT_EQ(Settings("C:\\Tovalo\\").folders[kDirP], "C:\\Tovalo");
    EXPECT_EQ(Settings("/").folders[kDirP], "/");
}

TEST(SettingsStoreTest, EverySettingSurvivesSaveAndLoad)
{
    TestStore t;
    Settings s("/app/bin");
    s.language = 3;
    s.applicationLook = 205;
    s.recent = {"/work/a.txt", "C:\\Users\\山田\\定義.txt", "/with \"quotes\" and \\back\\slashes.txt"};
    s.tabMode = {1, 0, 5, 0, 1, 1, 1, 1, 0, 0, 1, -1, 7};
    s.colors = {0x00112233, 0xFF000000, 0, 0x00FFFFFF, 1, 2, 3, 4, 5, 0x00ABCDEF};
    s.folders[kDirCudaFile] = "D:\\プロジェクト\\src";
    s.folders[kDirVcxproj] = "/emoji/\xF0\x9F\x98\x80/x"; // a character outside the BMP
    s.folders[kDirTextOpen] = "";
    CDpctData& d = s.defaultItem;
    d.setOn(kComments, true);
    d.setOn(kAssumeNdRangeDim, true);
    d.setChoiceIndex(kAssumeNdRangeDim, 0);
    d.setOn(kUseExplicitNamespace, true);
    d.setChoiceIndex(kUseExplicitNamespace, 4);
    d.setOn(kInRoot, true);
    d.setText(kInRoot, "C:\\src\\with \"quote\"");
    d.setOn(kExtraArg, true);
    d.setText(kExtraArg, ""); // on with empty text stays on
    d.setText(kOutRoot, "kept only while on");

    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveAll, error)) << error;
    const auto reopened = t.reopen();
    const Settings back = loadFrom(*reopened);

    EXPECT_EQ(back.language, 3);
    EXPECT_EQ(back.applicationLook, 205);
    EXPECT_EQ(back.recent, s.recent);
    EXPECT_EQ(back.tabMode, s.tabMode);
    EXPECT_EQ(back.colors, s.colors);
    EXPECT_EQ(back.folders, s.folders);
    CDpctData expected = d;
    expected.setText(kOutRoot, ""); // an option that is off is not stored
    EXPECT_EQ(back.defaultItem, expected);
}

// The window layout: kept across a save and a load; a store written before the group existed
// (or one whose values are of the wrong kind or out of range) leaves the defaults; forgetting a
// layout removes its values instead of storing empty ones.
TEST(SettingsStoreTest, WindowLayoutRoundTripAndOlderStores)
{
    TestStore t;
    Settings s("/app/bin");
    s.window.placement = std::string("\x01\xd9\xd0\xcb\0\x03\0\0", 8) + std::string(60, '\xff');
    s.window.docks = std::string("\0\0\0\xff\0\0\0\0\xfd", 9);
    s.window.outputHeight = 240;
    s.window.listWidthShare = 700;
    s.window.listHeightShare = 1; // the smallest share stored
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveAll, error)) << error;
    EXPECT_EQ(loadFrom(*t.reopen()).window, s.window);

    // Saving only the window group: a forgotten layout goes, the others stay as saved.
    Settings forget("/app/bin");
    forget.window.outputHeight = 180;
    ASSERT_TRUE(saveSettings(t.store(), forget, kSaveWindow, error)) << error;
    EXPECT_FALSE(readRaw(t.store(), kGroupWindow, "Placement").has_value());
    const Settings back = loadFrom(*t.reopen());
    EXPECT_EQ(back.window.outputHeight, 180);
    EXPECT_TRUE(back.window.placement.empty());
    EXPECT_EQ(back.window.listWidthShare, 0);
    EXPECT_EQ(back.applicationLook, s.applicationLook);
    EXPECT_EQ(back.folders, s.folders);

    // Wrong kinds and out-of-range values leave the defaults.
    TestStore bad;
    putRaw(bad.store(), kGroupWindow, "Placement", regText("not bytes"));
    putRaw(bad.store(), kGroupWindow, "Docks", regBinary(""));
    putRaw(bad.store(), kGroupWindow, "OutputHeight", regDword(0));
    putRaw(bad.store(), kGroupWindow, "ListWidthShare", regDword(1000));
    putRaw(bad.store(), kGroupWindow, "ListHeightShare", regBinary(std::string("\x10\0\0\0", 4)));
    EXPECT_EQ(loadFrom(bad.store()).window, WindowLayout{});

    // A store from before the group existed loads as before, with the default layout.
    TestStore older;
    putRaw(older.store(), kGroupCommon, "ApplicationLook", regDword(206));
    const Settings old = loadFrom(older.store());
    EXPECT_EQ(old.applicationLook, 206);
    EXPECT_EQ(old.window, WindowLayout{});
}

TEST(SettingsStoreTest, LookAndLanguageOutsideTheirRangesAreIgnored)
{
    struct Case
    {
        RegValue look;
        RegValue language;
        std::int32_t wantLook;
        std::int32_t wantLanguage;
    };
    const Case cases[] = {
        {regDword(216), regDword(5), 214, -1},
        {regDword(204), regDword(0xFFFFFFFF), 214, -1},
        {regDword(205), regDword(0), 205, 0},
        {regDword(215), regDword(4), 215, 4},
        {regText("210"), regText("1"), 214, -1}, // wrong type
        {rawBytes(kRegDword, std::string("\xD2\0", 2)), regBinary(std::string("\1\0\0\0", 4)), 214,
         -1}, // size, type
    };
    for (const Case& c : cases) {
        TestStore t;
        putRaw(t.store(), kGroupCommon, "ApplicationLook", c.look);
        putRaw(t.store(), kGroupCommon, "Language", c.language);
        const Settings s = loadFrom(t.store());
        EXPECT_EQ(s.applicationLook, c.wantLook);
        EXPECT_EQ(s.language, c.wantLanguage);
    }
}

// Parallel conversions: automatic (0) or 1 to 64, saved on its own; anything else is ignored.
TEST(SettingsStoreTest, ParallelConversionsRoundTripAndRange)
{
    TestStore t;
    Settings s;
    EXPECT_EQ(s.parallelConversions, kParallelAutomatic);
    s.parallelConversions = 8;
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveParallel, error)) << error;
    EXPECT_EQ(*readRaw(t.store(), kGroupCommon, "ParallelConversions"), regDword(8));
    EXPECT_EQ(loadFrom(*t.reopen()).parallelConversions, 8);
    for (const RegValue& bad : {regDword(65), regDword(0xFFFFFFFF), regText("4")}) {
        TestStore u;
        putRaw(u.store(), kGroupCommon, "ParallelConversions", bad);
        EXPECT_EQ(loadFrom(u.store()).parallelConversions, kParallelAutomatic);
    }
}

TEST(SettingsStoreTest, RecentEntriesOfMissingFilesAreSkippedAndRecent17IsNeverRead)
{
    TestStore t;
    for (int n = 1; n <= 17; ++n) {
        if (n == 6)
            continue; // a gap does not end the list
        putRaw(t.store(), kGroupCommon, recentValueName(n), regText("/f/" + std::to_string(n)));
    }
    const std::set<std::string> missing = {"/f/3"};
    const Settings s = loadFrom(t.store(), [&](const std::string& p) { return missing.count(p) == 0; });
    const std::vector<std::string> want = {"/f/1",  "/f/2",  "/f/4",  "/f/5",  "/f/7",  "/f/8",  "/f/9",
                                           "/f/10", "/f/11", "/f/12", "/f/13", "/f/14", "/f/15", "/f/16"};
    EXPECT_EQ(s.recent, want);
}

TEST(SettingsStoreTest, RecentEntriesAreCheckedAgainstTheRealFileSystem)
{
    TestStore t;
    const std::string present = t.scratch() + "/present.txt";
    test::touch(present);
    putRaw(t.store(), kGroupCommon, "Recent01", regText(t.scratch() + "/gone.txt"));
    putRaw(t.store(), kGroupCommon, "Recent02", regText(present));
    Settings s;
    std::string error;
    ASSERT_TRUE(loadSettings(t.store(), s, error)) << error;
    EXPECT_EQ(s.recent, std::vector<std::string>{present});
}

TEST(SettingsStoreTest, TabModeTakesTheFieldsItsSizeCovers)
{
    const Settings defaults;
    auto fields = [](std::initializer_list<std::uint32_t> values, std::size_t extraBytes = 0) {
        std::string bytes;
        for (const std::uint32_t v : values)
            bytes += regDword(v).data;
        return bytes + std::string(extraBytes, '\x7F');
    };
    {
        TestStore t; // 8 bytes: fields 0 and 1 only
        putRaw(t.store(), kGroupCommon, "TabMode", regBinary(fields({1, 0})));
        const Settings s = loadFrom(t.store());
        EXPECT_EQ(s.tabMode[0], 1);
        EXPECT_EQ(s.tabMode[1], 0);
        for (int f = 2; f < kTabFieldCount; ++f)
            EXPECT_EQ(s.tabMode[static_cast<std::size_t>(f)], defaults.tabMode[static_cast<std::size_t>(f)])
                << f;
    }
    {
        TestStore t; // 6 bytes: a partial second field is not taken
        putRaw(t.store(), kGroupCommon, "TabMode", regBinary(fields({1}, 2)));
        const Settings s = loadFrom(t.store());
        EXPECT_EQ(s.tabMode[0], 1);
        EXPECT_EQ(s.tabMode[1], defaults.tabMode[1]);
    }
    {
        TestStore t; // more than 13 fields: the first 13
        putRaw(t.store(), kGroupCommon, "TabMode",
               regBinary(fields({1, 0, 2, 0, 1, 1, 1, 1, 0, 0, 1, 3, 1, 99, 99})));
        const Settings s = loadFrom(t.store());
        EXPECT_EQ(s.tabMode, (std::array<std::int32_t, 13>{1, 0, 2, 0, 1, 1, 1, 1, 0, 0, 1, 3, 1}));
    }
    for (const RegValue& rejected : {regBinary(""), regDword(1)}) {
        TestStore t; // empty, or not binary
        putRaw(t.store(), kGroupCommon, "TabMode", rejected);
        EXPECT_EQ(loadFrom(t.store()).tabMode, defaults.tabMode);
    }
}

TEST(SettingsStoreTest, DefaultItemOptionsFollowTheAcceptanceRules)
{
    TestStore t;
    putRaw(t.store(), kGroupDpct, "--comments", regDword(0));            // flag 0: off
    putRaw(t.store(), kGroupDpct, "--enable-ctad", regDword(7));         // any value from 1: on
    putRaw(t.store(), kGroupDpct, "--process-all", regText("1"));        // wrong type: off
    putRaw(t.store(), kGroupDpct, "--format-style", regDword(3));        // beyond its list
    putRaw(t.store(), kGroupDpct, "--assume-nd-range-dim", regDword(0)); // within its list
    putRaw(t.store(), kGroupDpct, "--usm-level", regDword(0xFFFFFFFF));  // far beyond
    putRaw(t.store(), kGroupDpct, "--output-verbosity", regDword(1));    // a flag only
    putRaw(t.store(), kGroupDpct, "--in-root", regText("/src"));         // text
    putRaw(t.store(), kGroupDpct, "--out-root", regDword(1));            // text of wrong type
    putRaw(t.store(), kGroupDpct, "--report-type", rawBytes(kRegDword, std::string(8, '\0'))); // size 8

    Settings s;
    // Whatever the default item held before, a missing or rejected option ends up off.
    s.defaultItem.setOn(kSyclNamedLambda, true);
    s.defaultItem.setOn(kOutRoot, true);
    s.defaultItem.setText(kOutRoot, "/old");
    s.defaultItem.setChoiceIndex(kOutputVerbosity, 0);
    s.defaultItem.setOn(kUsmLevel, true);
    s.defaultItem.setChoiceIndex(kUsmLevel, 1);
    std::string error;
    ASSERT_TRUE(loadSettings(t.store(), s, error, kAllExist)) << error;
    const CDpctData& d = s.defaultItem;

    EXPECT_FALSE(d.isOn(kComments));
    EXPECT_TRUE(d.isOn(kEnableCtad));
    EXPECT_FALSE(d.isOn(kProcessAll));
    EXPECT_FALSE(d.isOn(kSyclNamedLambda));
    EXPECT_FALSE(d.isOn(kFormatStyle));
    EXPECT_EQ(d.choiceIndex(kFormatStyle), 2);
    EXPECT_TRUE(d.isOn(kAssumeNdRangeDim));
    EXPECT_EQ(d.choiceIndex(kAssumeNdRangeDim), 0);
    EXPECT_FALSE(d.isOn(kUsmLevel));
    EXPECT_EQ(d.choiceIndex(kUsmLevel), 0);
    EXPECT_TRUE(d.isOn(kOutputVerbosity));
    EXPECT_EQ(d.choiceIndex(kOutputVerbosity), 3);
    EXPECT_TRUE(d.isOn(kInRoot));
    EXPECT_EQ(d.text(kInRoot), "/src");
    EXPECT_FALSE(d.isOn(kOutRoot));
    EXPECT_EQ(d.text(kOutRoot), "");
    EXPECT_FALSE(d.isOn(kReportType));
    EXPECT_EQ(d.choiceIndex(kReportType), 1);
}

TEST(SettingsStoreTest, OutputVerbosityIsStoredAsAFlag)
{
    TestStore t;
    Settings s;
    s.defaultItem.setOn(kOutputVerbosity, true);
    s.defaultItem.setChoiceIndex(kOutputVerbosity, 0);
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveDpct, error)) << error;
    EXPECT_EQ(readRaw(t.store(), kGroupDpct, "--output-verbosity"), regDword(1));
    const Settings back = loadFrom(t.store());
    EXPECT_TRUE(back.defaultItem.isOn(kOutputVerbosity));
    EXPECT_EQ(back.defaultItem.choiceIndex(kOutputVerbosity), 3);
}

TEST(SettingsStoreTest, TextReadsTheSameWithOrWithoutTerminator)
{
    const std::string text = utf16leFromUtf8("/src/äöü");
    const std::string variants[] = {text, text + std::string(2, '\0'), text + std::string(4, '\0'),
                                    text + std::string(2, '\0') + utf16leFromUtf8("junk")};
    for (const std::string& bytes : variants) {
        TestStore t;
        putRaw(t.store(), kGroupDir, "InRoot", rawBytes(kRegSz, bytes));
        putRaw(t.store(), kGroupDpct, "-p", rawBytes(kRegSz, bytes));
        const Settings s = loadFrom(t.store());
        EXPECT_EQ(s.folders[kDirInRoot], "/src/äöü");
        EXPECT_EQ(s.defaultItem.text(kCompilationDatabase), "/src/äöü");
    }
}

// A path of 130 characters or more used to be written but not read back.
TEST(SettingsStoreTest, LongTextValuesAreReadBackUpToTheBound)
{
    TestStore t;
    const std::string deep = "/" + std::string(300, 'd') + "/project/definition.txt";
    const std::string longest(kMaxTextUnits, 'x');
    const std::string tooLong(kMaxTextUnits + 1, 'y');
    Settings s("/app/bin");
    s.recent = {deep};
    s.folders[kDirOutRoot] = deep;
    s.folders[kDirInRoot] = longest;
    s.folders[kDirP] = tooLong;
    s.defaultItem.setOn(kExtraArg, true);
    s.defaultItem.setText(kExtraArg, tooLong);
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveAll, error)) << error;

    const Settings back = loadFrom(*t.reopen());
    EXPECT_EQ(back.recent, std::vector<std::string>{deep});
    EXPECT_EQ(back.folders[kDirOutRoot], deep);
    EXPECT_EQ(back.folders[kDirInRoot], longest);
    EXPECT_EQ(back.folders[kDirP], "/app/bin"); // beyond the bound: missing, the slot keeps its value
    EXPECT_FALSE(back.defaultItem.isOn(kExtraArg));
}

// Saving a shorter list used to leave the higher-numbered values of the longer one in place.
TEST(SettingsStoreTest, SavingAShorterRecentListRemovesTheRest)
{
    TestStore t;
    Settings s;
    for (int i = 5; i >= 1; --i)
        s.addRecent("/r/" + std::to_string(i));
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveRecent, error)) << error;
    s.recent.resize(2);
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveRecent, error)) << error;

    EXPECT_EQ(loadFrom(t.store()).recent, (std::vector<std::string>{"/r/1", "/r/2"}));
    EXPECT_FALSE(readRaw(t.store(), kGroupCommon, "Recent03").has_value());
    EXPECT_FALSE(readRaw(t.store(), kGroupCommon, "Recent05").has_value());

    s.recent.clear();
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveRecent, error)) << error;
    EXPECT_TRUE(loadFrom(t.store()).recent.empty());
}

TEST(SettingsStoreTest, SaveWritesOnlyTheSelectedGroups)
{
    TestStore t;
    Settings s;
    s.applicationLook = 207;
    s.language = 2;
    s.colors[0] = 0x123456;
    s.defaultItem.setOn(kComments, true);
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveLook, error)) << error;
    EXPECT_EQ(readRaw(t.store(), kGroupCommon, "ApplicationLook"), regDword(207));
    EXPECT_FALSE(readRaw(t.store(), kGroupCommon, "Language").has_value());
    EXPECT_FALSE(readRaw(t.store(), kGroupCommon, "TabMode").has_value());
    ASSERT_TRUE(t.store().beginRead(error));
    EXPECT_FALSE(t.store().groupExists(kGroupDpct));
    EXPECT_FALSE(t.store().groupExists(kGroupColor));
    t.store().endRead();

    // A later save of other groups leaves the look alone; an option switched off is removed.
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveColors | kSaveDpct | kSaveTabMode, error)) << error;
    s.defaultItem.setOn(kComments, false);
    s.applicationLook = 210;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveDpct, error)) << error;
    const Settings back = loadFrom(*t.reopen());
    EXPECT_EQ(back.applicationLook, 207);
    EXPECT_EQ(back.language, -1);
    EXPECT_EQ(back.colors[0], 0x123456u);
    EXPECT_FALSE(back.defaultItem.isOn(kComments));
    EXPECT_FALSE(readRaw(t.store(), kGroupDpct, "--comments").has_value());
    EXPECT_EQ(readRaw(t.store(), kGroupCommon, "TabMode")->data.size(), 52u);
}

TEST(SettingsStoreTest, StoredEncodingsAreTheRegistryOnes)
{
    TestStore t;
    Settings s;
    s.language = 1;
    s.folders[kDirP] = "C:\\b";
    std::string error;
    ASSERT_TRUE(saveSettings(t.store(), s, kSaveAll, error)) << error;
    EXPECT_EQ(readRaw(t.store(), kGroupCommon, "Language"), rawBytes(kRegDword, std::string("\1\0\0\0", 4)));
    const auto p = readRaw(t.store(), kGroupDir, "P");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->type, kRegSz);
    EXPECT_EQ(utf8FromUtf16le(p->data), "C:\\b");
    EXPECT_EQ(readRaw(t.store(), kGroupColor, "Color10"), regDword(0xFF000000));
}

TEST(SettingsStoreTest, RememberedFilesGoToTheFrontOnceAndTheListIsCut)
{
    TestStore t;
    Settings s;
    std::string error;
    for (int i = 1; i <= 18; ++i)
        ASSERT_TRUE(rememberRecentFile(t.store(), s, "/d/F" + std::to_string(i) + ".txt", error)) << error;
    ASSERT_TRUE(rememberRecentFile(t.store(), s, "/d/F12.txt", error)) << error;
    EXPECT_EQ(s.recent.front(), "/d/F12.txt");
    EXPECT_EQ(std::count(s.recent.begin(), s.recent.end(), "/d/F12.txt"), 1);
    // Another letter case is the same file only where the file system ignores case.
    ASSERT_TRUE(rememberRecentFile(t.store(), s, "/D/f10.TXT", error)) << error;
    ASSERT_EQ(s.recent.size(), 16u);
    EXPECT_EQ(s.recent.front(), "/D/f10.TXT");
    EXPECT_EQ(s.recent.back(), pathsIgnoreCase() ? "/d/F3.txt" : "/d/F4.txt");
    EXPECT_EQ(std::count(s.recent.begin(), s.recent.end(), "/d/F10.txt"), pathsIgnoreCase() ? 0 : 1);
    EXPECT_EQ(loadFrom(*t.reopen()).recent, s.recent);
}

} // namespace
} // namespace tovalo
