// Options changed by name (tovalo-cli import --option, tovalo-cli set) and the path patterns
// that pick the items of a set.

#include "base/path_glob.h"
#include "base/path_text.h"
#include "data/option_setting.h"

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

OptionSetting parsed(std::string_view text)
{
    OptionSetting s;
    std::string problem;
    EXPECT_TRUE(parseOptionSetting(text, s, problem)) << text << ": " << problem;
    return s;
}

} // namespace

TEST(OptionSetting, NamesWithOrWithoutDashesAndValuesAsTheFileReaderTakesThem)
{
    for (const char* name : {"comments", "--comments", "-comments"})
        EXPECT_EQ(parsed(name).option->slot, kComments) << name;
    for (const char* name : {"p=/w/build", "-p=/w/build", "--p=/w/build"}) {
        const OptionSetting s = parsed(name);
        EXPECT_EQ(s.option->slot, kCompilationDatabase) << name;
        EXPECT_EQ(s.value, "/w/build");
    }
    CDpctData item;
    // A value keeps every "=" after the first; a quoted text loses its quotes; a choice
    // differing only in letter case takes the entry.
    EXPECT_TRUE(applyOptionSetting(item, parsed("extra-arg=-DA=1 -DB")));
    EXPECT_EQ(item.text(kExtraArg), "-DA=1 -DB");
    EXPECT_TRUE(applyOptionSetting(item, parsed("out-root=\"/w/out dir\"")));
    EXPECT_EQ(item.text(kOutRoot), "/w/out dir");
    EXPECT_TRUE(applyOptionSetting(item, parsed("format-style=Google")));
    EXPECT_EQ(item.choiceEntry(kFormatStyle), "google");
    EXPECT_TRUE(item.isOn(kExtraArg) && item.isOn(kOutRoot) && item.isOn(kFormatStyle));
}

TEST(OptionSetting, WhatTheReaderWouldOnlyNoteIsRefused)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"no-such-option", "unknown option 'no-such-option'"},
        {"=x", "unknown option ''"},
        {"comments=false",
         "--comments is a switch and takes no value (use --off --comments to switch it off)"},
        {"usm-level", "--usm-level needs a value (usm-level=restricted, none)"},
        {"usm-level=", "--usm-level needs a value (usm-level=restricted, none)"},
        {"usm-level=bogus", "'bogus' is not a value of --usm-level (restricted, none)"},
        {"out-root", "--out-root needs a value (out-root=VALUE)"},
    };
    for (const auto& [text, expected] : cases) {
        OptionSetting s;
        std::string problem;
        EXPECT_FALSE(parseOptionSetting(text, s, problem)) << text;
        EXPECT_EQ(problem, expected);
    }
    OptionSetting off;
    std::string problem;
    EXPECT_FALSE(parseOptionOff("--nothing", off, problem));
    EXPECT_EQ(problem, "unknown option '--nothing'");
    ASSERT_TRUE(parseOptionOff("in-root", off, problem));
    EXPECT_EQ(off.option->slot, kInRoot);
    EXPECT_FALSE(off.on);
}

TEST(OptionSetting, ApplyingTellsWhetherTheItemChangedAndKeepsOneOfTheExclusiveGroup)
{
    CDpctData item;
    item.setOn(kUsmLevel, true);
    item.setChoiceIndex(kUsmLevel, 1);
    EXPECT_FALSE(applyOptionSetting(item, parsed("usm-level=none")));
    EXPECT_TRUE(applyOptionSetting(item, parsed("usm-level=restricted")));

    OptionSetting off;
    std::string problem;
    ASSERT_TRUE(parseOptionOff("usm-level", off, problem));
    EXPECT_TRUE(applyOptionSetting(item, off));
    EXPECT_FALSE(applyOptionSetting(item, off));
    EXPECT_FALSE(item.isOn(kUsmLevel));

    // dpct takes one of --no-dry-pattern, --no-incremental-migration, --optimize-migration.
    EXPECT_TRUE(applyOptionSetting(item, parsed("no-dry-pattern")));
    EXPECT_TRUE(applyOptionSetting(item, parsed("optimize-migration")));
    EXPECT_FALSE(item.isOn(kNoDryPattern));
    EXPECT_TRUE(item.isOn(kOptimizeMigration));
    EXPECT_FALSE(applyOptionSetting(item, parsed("optimize-migration")));
}

TEST(PathGlob, PatternsMatchWholePathsOrTheirEnds)
{
    const std::vector<std::tuple<const char*, const char*, bool>> cases = {
        {"/w/src/kernels/a.cu", "*.cu", true},
        {"/w/src/kernels/a.cu", "*/kernels/*", true},
        {"/w/src/kernels/a.cu", "kernels/*.cu", true},
        {"/w/src/kernels/a.cu", "a.cu", true},
        {"/w/src/kernels/ba.cu", "a.cu", false},
        {"/w/src/kernels/a.cu", "/w/src/*", true},
        {"/w/src/kernels/a.cu", "/src/*", false},
        {"/w/src/kernels/a.cu", "/w/src/kernels/?.cu", true},
        {"/w/src/kernels/ab.cu", "/w/src/kernels/?.cu", false},
        {"/w/src/kernels/a.cu", "*/[a-c].cu", true},
        {"/w/src/kernels/d.cu", "*/[a-c].cu", false},
        {"/w/src/kernels/d.cu", "*/[!a-c].cu", true},
        {"/w/src/kernels/d.cu", "*/[^abc].cu", true},
        {"/w/src/[x].cu", "*/[x].cu", false},
        {"/w/src/x.cu", "*/[x].cu", true},
        {"/w/src/[x.cu", "*/[x.cu", true},
        {"/w/src/\xC3\xA9.cu", "*/?.cu", true},
        {"C:\\w\\src\\a.cu", "C:/w/*/a.cu", true},
        {"/w/src/a.cu", "*.cpp", false},
        {"/w/src/a.cu", "", false},
        {"/w/src/a.cu", "*", true},
    };
    for (const auto& [path, pattern, matches] : cases)
        EXPECT_EQ(pathMatchesGlob(path, pattern), matches) << path << " ~ " << pattern;
    // Letter case counts where the platform's file systems count it.
    EXPECT_EQ(pathMatchesGlob("/w/src/Kernel.CU", "*/kernel.cu"), pathsIgnoreCase());
    EXPECT_EQ(pathMatchesGlob("/w/src/Kernel.CU", "*/[k]ernel.cu"), pathsIgnoreCase());
}
