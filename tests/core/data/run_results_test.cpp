// Results files: what is written reads back into the same items, CSV columns per code, and
// the status lists of --only.

#include "data/run_results.h"

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

std::vector<CDpctData> sample()
{
    std::vector<CDpctData> items(3);
    items[0].path = "/s/a,\"b\".cu";
    items[0].status = ItemStatus::ConvertedOk;
    items[0].elapsedMs = 1200;
    items[0].diagnostics = {{"/s/a.cu", 3, 4, "warning", "DPCT1003", "Migrated API \"x\"\n"},
                            {"/s/a.cu", 5, 1, "warning", "DPCT1003", "y"},
                            {"/s/h.cuh", 1, 1, "error", "", "unknown type"}};
    items[0].resultText = "out\ttext";
    items[1].path = "/s/b.cu";
    items[1].status = ItemStatus::ConvertedNg;
    items[1].exitCode = -37;
    items[1].elapsedMs = 80;
    items[2].path = "/s/\xE6\x97\xA5.cu";
    return items;
}

std::vector<const CDpctData*> pointers(const std::vector<CDpctData>& items)
{
    std::vector<const CDpctData*> p;
    for (const CDpctData& d : items)
        p.push_back(&d);
    return p;
}

} // namespace

TEST(RunResults, JsonReadsBackIntoTheItems)
{
    const std::vector<CDpctData> written = sample();
    const std::string json = resultsJson(pointers(written), {"2024.2.0.", "abc", {}}, true);
    EXPECT_NE(json.find("\"diagnosticCounts\": {\"DPCT1003\": 2, \"error\": 1}"), std::string::npos) << json;
    std::vector<CDpctData> read(3);
    read[0].path = written[0].path;
    read[1].path = written[1].path;
    read[2].path = written[2].path;
    read[2].status = ItemStatus::Waiting; // listed as none in the file: taken from it
    std::string error;
    ASSERT_TRUE(applyResultsJson(json, read, error)) << error;
    EXPECT_EQ(read, written);

    // Broken or foreign files are refused with a reason and change nothing they do not list.
    for (const char* bad :
         {"", "{\"items\": 3}", "{\"items\": [{\"path\": \"/s/b.cu\", \"status\": \"fine\"}]}",
          "{\"items\": [{\"path\": \"/s/b.cu\", \"status\": \"ok\", \"exitCode\": 1.5}]}", "[1, 2",
          "{\"items\": [] } x"}) {
        EXPECT_FALSE(applyResultsJson(bad, read, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(RunResults, CsvHasAColumnPerCode)
{
    const std::vector<CDpctData> items = sample();
    const std::string csv = resultsCsv(pointers(items));
    EXPECT_EQ(csv, "\xEF\xBB\xBFpath,status,exitCode,elapsedMs,diagnostics,DPCT1003,error\r\n"
                   "\"/s/a,\"\"b\"\".cu\",ok,0,1200,3,2,1\r\n"
                   "/s/b.cu,ng,-37,80,0,0,0\r\n"
                   "/s/\xE6\x97\xA5.cu,none,0,-1,0,0,0\r\n");
}

TEST(RunResults, StatusLists)
{
    std::vector<ItemStatus> s;
    std::string error;
    ASSERT_TRUE(parseStatusList("ng, syntax-error,converting", s, error));
    EXPECT_EQ(s, (std::vector<ItemStatus>{ItemStatus::ConvertedNg, ItemStatus::SyntaxError,
                                          ItemStatus::Converting}));
    EXPECT_FALSE(parseStatusList("ng,failed", s, error));
    EXPECT_NE(error.find("'failed'"), std::string::npos);
    EXPECT_FALSE(parseStatusList("", s, error));
}
