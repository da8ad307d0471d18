#include "base/path_text.h"
#include "data/dpct_data.h"
#include "data/option_table.h"

#include <memory>
#include <set>

#include <gtest/gtest.h>

using namespace tovalo;

TEST(OptionTable, SlotOrderIsAlphabeticalAndComplete)
{
    const auto table = optionTable();
    ASSERT_EQ(table.size(), 36u);
    std::set<int> refusalIds;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].slot, static_cast<int>(i) + 2);
        EXPECT_EQ(&optionAt(table[i].slot), &table[i]);
        EXPECT_EQ(findOption(table[i].name), &table[i]);
        if (table[i].refusalId != 0) {
            EXPECT_TRUE(refusalIds.insert(table[i].refusalId).second) << table[i].name;
        }
        if (i > 0) {
            // Alphabetical without the leading dashes.
            auto bare = [](std::string_view n) {
                return n.substr(n.find_first_not_of('-'));
            };
            EXPECT_LT(bare(table[i - 1].name), bare(table[i].name));
        }
    }
    EXPECT_EQ(optionAt(kCompilationDatabase).name, "-p");
    EXPECT_EQ(findOption("--Comments"), nullptr);
    int switches = 0, choices = 0, texts = 0;
    for (const auto& o : table)
        (o.kind == OptionKind::Switch ? switches : o.kind == OptionKind::Choice ? choices : texts)++;
    EXPECT_EQ(switches, 14);
    EXPECT_EQ(choices, 11);
    EXPECT_EQ(texts, 11);
}

TEST(OptionTable, ValueListsCompareWithCase)
{
    EXPECT_EQ(valueListIndex(kListReportType, "All"), -1);
    EXPECT_EQ(valueListIndex(kListReportType, "ALL"), 2);
    EXPECT_EQ(valueListIndex(kListUseExplicitNamespace, "sycl-math"), 4);
    EXPECT_EQ(valueListEntry(kListReportFormat, 5), "");
    EXPECT_EQ(valueListEntry(kListFormatStyle, -1), "");
    EXPECT_EQ(valueListEntry(kListFormatStyle, 2), "custom");
    EXPECT_TRUE(valueListEntries(599).empty());
    EXPECT_EQ(valueListEntries(kListOutputVerbosity).size(), 4u);
}

TEST(DpctData, NewAndResetRecordsAreIdenticalWithBuiltInDefaults)
{
    CDpctData fresh;
    EXPECT_TRUE(fresh.includeSubdirs);
    EXPECT_EQ(fresh.kind, ItemKind::File);
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_FALSE(fresh.isOn(s));
    const int slots[] = {kAssumeNdRangeDim,        kFormatRange,          kFormatStyle, kNoDpcppExtensions,
                         kOutputVerbosity,         kReportFormat,         kReportType,  kUseCustomHelper,
                         kUseExperimentalFeatures, kUseExplicitNamespace, kUsmLevel};
    const int expected[] = {1, 0, 2, 0, 3, 0, 1, 0, 0, 2, 0};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        EXPECT_EQ(fresh.choiceIndex(slots[i]), expected[i]) << optionAt(slots[i]).name;

    CDpctData used;
    used.path = "a.cu";
    used.kind = ItemKind::Directory;
    used.includeSubdirs = false;
    used.setOn(kComments, true);
    used.setChoiceIndex(kFormatStyle, 0);
    used.setText(kInRoot, "/src");
    used.status = ItemStatus::ConvertedNg;
    used.exitCode = -5;
    used.resultText = "out";
    used.setChanged(kComments, true);
    used.reset();
    EXPECT_EQ(used, fresh);
}

TEST(DpctData, DefaultItemRuleKeepsTheOptionsAndClearsTheRest)
{
    CDpctData item;
    item.path = "/w/a.cu";
    item.kind = ItemKind::Directory;
    item.setOn(kOutRoot, true);
    item.setText(kOutRoot, "/w/out");
    item.setOn(kFormatStyle, true);
    item.setChoiceIndex(kFormatStyle, 0);
    item.status = ItemStatus::ConvertedOk;
    item.exitCode = 3;
    item.resultText = "Processed 1 file(s)";
    item.diagnostics = {{"/w/a.cu", 3, 4, "warning", "DPCT1003", "x"}};
    item.elapsedMs = 1200;

    CDpctData defaults;
    defaults.takeOptionsForNextAdd(item);
    EXPECT_TRUE(defaults.isOn(kOutRoot));
    EXPECT_EQ(defaults.text(kOutRoot), "/w/out");
    EXPECT_TRUE(defaults.isOn(kFormatStyle));
    EXPECT_EQ(defaults.choiceIndex(kFormatStyle), 0);
    EXPECT_EQ(defaults.kind, ItemKind::File);
    EXPECT_EQ(defaults.path, "");
    EXPECT_FALSE(defaults.includeSubdirs);
    EXPECT_EQ(defaults.status, ItemStatus::None);
    EXPECT_EQ(defaults.exitCode, 0);
    EXPECT_EQ(defaults.resultText, "");
    EXPECT_TRUE(defaults.diagnostics.empty());
    EXPECT_EQ(defaults.elapsedMs, -1);
}

// Only the texts that are set are stored: records with the same values compare equal whatever
// order the values were set in, and a text set back to empty is as if it had never been set.
TEST(DpctData, TextsCompareByValueWhateverTheOrderOfSetting)
{
    CDpctData a, b;
    a.setText(kOutRoot, "/out");
    a.setText(kExtraArg, "-DN=1");
    a.setText(kInRoot, "/in");
    b.setText(kInRoot, "/in");
    b.setText(kExtraArg, "-DN=1");
    b.setText(kOutRoot, "/out");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.text(kExtraArg), "-DN=1");
    EXPECT_EQ(a.text(kCudaIncludePath), "");

    b.setText(kExtraArg, "-DN=2");
    EXPECT_NE(a, b);
    EXPECT_EQ(b.text(kExtraArg), "-DN=2");
    EXPECT_EQ(b.text(kOutRoot), "/out");

    // A copy keeps its texts when the original changes one, and the other way round.
    CDpctData copy = b;
    copy.setText(kInRoot, "/in2");
    b.setText(kOutRoot, "/out2");
    EXPECT_EQ(b.text(kInRoot), "/in");
    EXPECT_EQ(copy.text(kOutRoot), "/out");
    EXPECT_EQ(copy.text(kInRoot), "/in2");

    a.setText(kOutRoot, "");
    a.setText(kExtraArg, "");
    a.setText(kInRoot, "");
    EXPECT_EQ(a, CDpctData());
    CDpctData c = b;
    c.reset();
    EXPECT_EQ(c, CDpctData());
}

TEST(DpctData, FindByPathComparesAsTheFileSystemDoes)
{
    std::vector<CDpctData> items;
    EXPECT_FALSE(findByPath(items, "C:\\Src\\a.cu"));
    items.emplace_back().path = "C:\\Src\\a.cu";
    EXPECT_TRUE(findByPath(items, "C:\\Src\\a.cu"));
    // Another letter case is the same file only where the file system ignores case.
    EXPECT_EQ(findByPath(items, "c:\\src\\A.CU"), pathsIgnoreCase());
    EXPECT_FALSE(findByPath(items, "c:\\src\\b.cu"));
    items.emplace_back().path = "/data/ÄRGER.cu";
    EXPECT_EQ(findByPath(items, "/data/ärger.cu"), pathsIgnoreCase());
}

TEST(SharedText, EqualTextsShareOneCopyWhileTheyAreHeld)
{
    const std::string made = std::string("DPCT") + "1003";
    auto a = std::make_unique<SharedText>("DPCT1003");
    const SharedText b(made);
    EXPECT_EQ(a->data(), b.data());
    EXPECT_EQ(*a, "DPCT1003");
    EXPECT_TRUE(SharedText("").empty());
    // Once no one holds a text, a new one of the same contents is a copy of its own.
    const std::string unique =
        "a text of this test only " + std::to_string(reinterpret_cast<std::uintptr_t>(&b));
    auto c = std::make_unique<SharedText>(unique);
    c.reset();
    const SharedText d(unique);
    EXPECT_EQ(d, unique);
    EXPECT_EQ(SharedText(unique).data(), d.data());
}
