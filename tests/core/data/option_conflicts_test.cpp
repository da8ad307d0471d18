// Items that write into one out-root with options dpct compares: found however the folder is
// written, and only for the options dpct compares.

#include "data/option_conflicts.h"

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

CDpctData item(std::string path, const char* outRoot)
{
    CDpctData d;
    d.path = std::move(path);
    if (outRoot) {
        d.setOn(kOutRoot, true);
        d.setText(kOutRoot, outRoot);
    }
    return d;
}

std::vector<OutRootConflict> find(const std::vector<CDpctData>& items, std::string_view base, PathStyle style)
{
    std::vector<const CDpctData*> list;
    for (const CDpctData& d : items)
        list.push_back(&d);
    return findOutRootConflicts(list, base, style);
}

} // namespace

TEST(OptionConflicts, FolderNormalisation)
{
    EXPECT_EQ(normalizeFolder("out/", "/work", PathStyle::Posix), "/work/out");
    EXPECT_EQ(normalizeFolder("/work//out/./", "/x", PathStyle::Posix), "/work/out");
    EXPECT_EQ(normalizeFolder("../work/out", "/work/sub", PathStyle::Posix), "/work/work/out");
    EXPECT_EQ(normalizeFolder("Out", "/work", PathStyle::Posix), "/work/Out"); // case counts
    EXPECT_EQ(normalizeFolder("out\\", "C:\\Work", PathStyle::Windows), "c:\\work\\out");
    EXPECT_EQ(normalizeFolder("C:/WORK/Out/", "D:\\x", PathStyle::Windows), "c:\\work\\out");
    EXPECT_EQ(normalizeFolder("\\out", "C:\\work", PathStyle::Windows), "c:\\out");
    EXPECT_EQ(normalizeFolder("\\\\srv\\share\\out\\", "C:\\work", PathStyle::Windows),
              "\\\\srv\\share\\out");
    EXPECT_EQ(normalizeFolder("..\\..\\..", "C:\\work", PathStyle::Windows), "c:\\");
}

TEST(OptionConflicts, SameOutRootWrittenDifferently)
{
    std::vector<CDpctData> items = {item("/s/a.cu", "/work/out"), item("/s/b.cu", "out/"),
                                    item("/s/c.cu", "/work/./out//"), item("/s/d.cu", "/work/other")};
    items[1].setOn(kComments, true);
    items[2].setOn(kUsmLevel, true);
    items[2].setChoiceIndex(kUsmLevel, 1); // none
    items[3].setOn(kComments, true);       // another folder: no conflict
    const auto found = find(items, "/work", PathStyle::Posix);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].item, 1u);
    EXPECT_EQ(found[0].reference, 0u);
    EXPECT_EQ(found[0].outRoot, "/work/out");
    EXPECT_EQ(found[0].options, std::vector<std::string>{"--comments"});
    EXPECT_EQ(found[1].item, 2u);
    EXPECT_EQ(found[1].options, std::vector<std::string>{"--usm-level"});

    // Windows: letter case and separators do not matter; a relative folder is taken against
    // the folder dpct runs in.
    std::vector<CDpctData> win = {item("C:\\s\\a.cu", "C:\\Work\\Out\\"), item("C:\\s\\b.cu", "out")};
    win[1].setOn(kSyclNamedLambda, true);
    ASSERT_EQ(find(win, "c:\\work", PathStyle::Windows).size(), 1u);
    EXPECT_TRUE(find(win, "c:\\elsewhere", PathStyle::Windows).empty());
}

TEST(OptionConflicts, DefaultOutRootAndWhatDpctCompares)
{
    // No --out-root, or an empty one, is dpct's dpct_output in the folder dpct runs in.
    std::vector<CDpctData> items = {item("/s/a.cu", nullptr), item("/s/b.cu", ""),
                                    item("/s/c.cu", "dpct_output"), item("/s/d.cu", nullptr)};
    items[1].setOn(kEnableCtad, true);
    items[2].setOn(kFormatStyle, true); // not compared by dpct
    items[2].setOn(kExtraArg, true);
    items[2].setText(kExtraArg, "-DX");
    items[3].setOn(kEnableCtad, true);
    items[3].setOn(kNoIncrementalMigration, true); // dpct does not compare for this one
    const auto found = find(items, "/w", PathStyle::Posix);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].item, 1u);
    EXPECT_EQ(found[0].outRoot, "/w/dpct_output");

    // A value equal to dpct's own default is no difference; the exclusive group counts only the
    // option that reaches dpct.
    CDpctData a = item("/s/a.cu", nullptr), b = a;
    b.setOn(kUsmLevel, true);         // restricted, dpct's default
    b.setOn(kAssumeNdRangeDim, true); // 3, dpct's default
    EXPECT_TRUE(differingComparedOptions(a, b, "/w", PathStyle::Posix).empty());
    a.setOn(kNoDryPattern, true);
    b.setOn(kNoDryPattern, true);
    b.setOn(kOptimizeMigration, true); // dropped from the command line: no difference
    EXPECT_TRUE(differingComparedOptions(a, b, "/w", PathStyle::Posix).empty());
    b.setOn(kUseExplicitNamespace, true);
    EXPECT_EQ(differingComparedOptions(a, b, "/w", PathStyle::Posix),
              std::vector<std::string>{"--use-explicit-namespace"});
    EXPECT_TRUE(isComparedOption(kCompilationDatabase));
    EXPECT_FALSE(isComparedOption(kInRoot));
}
