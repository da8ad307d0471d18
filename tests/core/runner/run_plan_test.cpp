// Out-root groups and shards of a run.

#include "runner/run_capacity.h"
#include "runner/run_plan.h"

#include <algorithm>
#include <deque>

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

struct List
{
    void add(const std::string& outRoot)
    {
        CDpctData& d = items.emplace_back();
        d.path = "/src/f" + std::to_string(items.size()) + ".cu";
        if (!outRoot.empty()) {
            d.setOn(kOutRoot, true);
            d.setText(kOutRoot, outRoot);
        }
    }
    std::vector<const CDpctData*> view() const
    {
        std::vector<const CDpctData*> v;
        for (const CDpctData& d : items)
            v.push_back(&d);
        return v;
    }
    std::deque<CDpctData> items;
};

} // namespace

TEST(RunPlan, OneFolderSpeltManyWaysIsOneGroup)
{
    List posix;
    for (const char* spelling :
         {"/w/out", "out", "./out/", "/w//out", "\"/w/x/../out\"", "/w/Out", "", "dpct_output"})
        posix.add(spelling);
    const OutRootGroups p = groupByOutRoot(posix.view(), "/w", PathStyle::Posix);
    EXPECT_EQ(p.folders, (std::vector<std::string>{"/w/out", "/w/Out", "/w/dpct_output"}));
    EXPECT_EQ(p.groupOf, (std::vector<std::size_t>{0, 0, 0, 0, 0, 1, 2, 2}));
    EXPECT_EQ(p.members[2], (std::vector<std::size_t>{6, 7}));

    List win;
    for (const char* spelling : {"C:\\W\\Out", "out", "c:/w/OUT/", "\\w\\out", "D:\\w\\out"})
        win.add(spelling);
    const OutRootGroups w = groupByOutRoot(win.view(), "C:\\w", PathStyle::Windows);
    EXPECT_EQ(w.groupOf, (std::vector<std::size_t>{0, 0, 0, 0, 1}));
}

TEST(RunPlan, ShardsTakeWholeGroupsBalancedAndStable)
{
    // Groups of 5, 1, 3, 3, 2, 1 items, interleaved in the list.
    List list;
    const std::vector<int> groupOfItem = {0, 1, 2, 0, 3, 0, 2, 4, 3, 0, 5, 2, 3, 4, 0};
    for (const int g : groupOfItem)
        list.add("/out/" + std::to_string(g));
    const OutRootGroups groups = groupByOutRoot(list.view(), "/", PathStyle::Posix);
    std::vector<std::size_t> seen;
    std::vector<std::size_t> sizes;
    for (int s = 0; s < 3; ++s) {
        const std::vector<std::size_t> shard = shardItems(groups, s, 3);
        EXPECT_EQ(shard, shardItems(groups, s, 3));
        EXPECT_TRUE(std::is_sorted(shard.begin(), shard.end()));
        // Whole groups: every item of a group that is in the shard is in it.
        for (const std::size_t i : shard)
            for (const std::size_t j : groups.members[groups.groupOf[i]])
                EXPECT_NE(std::find(shard.begin(), shard.end(), j), shard.end());
        sizes.push_back(shard.size());
        seen.insert(seen.end(), shard.begin(), shard.end());
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen.size(), groupOfItem.size());
    EXPECT_TRUE(std::adjacent_find(seen.begin(), seen.end()) == seen.end());
    // Largest first to the lightest shard: 5 | 3+2 | 3+1+1.
    EXPECT_EQ(sizes, (std::vector<std::size_t>{5, 5, 5}));
    // More shards than groups: the extra ones are empty.
    EXPECT_TRUE(shardItems(groups, 7, 8).empty());
}

TEST(RunPlan, ShardArgument)
{
    int index = -1, count = -1;
    EXPECT_TRUE(parseShard("2/3", index, count));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(count, 3);
    for (const char* bad : {"0/3", "4/3", "1/0", "1", "a/3", "1/3x", "-1/3", "1/", "/3", " 1/3"})
        EXPECT_FALSE(parseShard(bad, index, count)) << bad;
}

TEST(RunPlan, AutomaticConsoleCountIsProcessorsBoundedByMemory)
{
    constexpr std::uint64_t GiB = 1ULL << 30;
    EXPECT_EQ(automaticConsoleCount(8, 64 * GiB), 8);
    EXPECT_EQ(automaticConsoleCount(8, 7 * GiB), 3);
    EXPECT_EQ(automaticConsoleCount(8, 1 * GiB), 1);
    EXPECT_EQ(automaticConsoleCount(0, 64 * GiB), 1);
    EXPECT_EQ(automaticConsoleCount(256, 1024 * GiB), 64);
    EXPECT_GE(automaticConsoleCount(), 1);
    EXPECT_EQ(consoleCountFor(3), 3);
}
