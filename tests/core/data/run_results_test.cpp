// Results files: what is written reads back into the same items, CSV columns per code, and
// the status lists of --only.

#include "base/json.h"
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
    const std::string json =
        resultsJson(pointers(written), {"2024.2.0.", "abc", {}}, OutputInResults::Included);
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

TEST(RunResults, CsvCellsAreNeverFormulas)
{
    std::vector<CDpctData> items(2);
    items[0].path = "=HYPERLINK(\"http://x\",\"a\").cu";
    items[0].exitCode = -37;
    items[0].diagnostics = {{"/s/a.cu", 1, 1, "warning", "@SUM(1)", "m"}};
    items[1].path = "-cmd|' /C calc'!A0";
    const std::string csv = resultsCsv(pointers(items));
    EXPECT_NE(csv.find("\r\n\"'=HYPERLINK(\"\"http://x\"\",\"\"a\"\").cu\",none,-37,"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find(",'@SUM(1)\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n'-cmd|' /C calc'!A0,none,0,"), std::string::npos) << csv;
    for (const char lead : {'+', '\t', '\r'}) {
        items[1].path = std::string(1, lead) + "1+1";
        EXPECT_NE(resultsCsv(pointers(items)).find("'" + items[1].path), std::string::npos) << int(lead);
    }
    // The JSON keeps the name exact.
    const std::string json = resultsJson(pointers(items), {}, OutputInResults::LeftOut);
    EXPECT_NE(json.find("\"path\": \"=HYPERLINK("), std::string::npos) << json;
}

TEST(RunResults, FileMessagesSayWhatWasExpected)
{
    std::vector<CDpctData> items(1);
    items[0].path = "/s/b.cu";
    std::string error;
    // A byte-order mark is accepted.
    ASSERT_TRUE(applyResultsJson("\xEF\xBB\xBF{\"items\": [{\"path\": \"/s/b.cu\", \"status\": \"ng\"}]}",
                                 items, error))
        << error;
    EXPECT_EQ(items[0].status, ItemStatus::ConvertedNg);
    EXPECT_FALSE(applyResultsJson("hello, this is not JSON", items, error));
    EXPECT_EQ(error, "not a results file: a JSON object {\"items\": [...]} was expected at its start");
    EXPECT_FALSE(applyResultsJson("{\"items\": [{\"path\": \"/s/b.cu\", \"status\": \"ng\", \"diagnostics\": "
                                  "[{\"file\": \"a\", \"line\": 1, \"column\": 1}, {\"file\": \"a\", "
                                  "\"line\": 3e9, \"column\": 1}]}]}",
                                  items, error));
    EXPECT_EQ(error, "item 1, diagnostic 2: \"line\" needs a whole number from 0 to 2147483647");
}

TEST(RunResults, LargeResultsAreWrittenAndReadPieceByPiece)
{
    std::vector<CDpctData> items = sample();
    // Three megabytes of output with escapes and non-ASCII text in it.
    for (int i = 0; i < 60000; ++i)
        items[0].resultText += "a.cu:1:1: warning: \"\xE6\x97\xA5\"\tline\n";
    const std::string whole =
        resultsJson(pointers(items), {"2024.2.0.", "abc", {}}, OutputInResults::Included);
    std::string joined;
    std::size_t largest = 0;
    writeResultsJson(pointers(items), {"2024.2.0.", "abc", {}}, OutputInResults::Included,
                     [&](std::string_view piece) {
                         joined += piece;
                         largest = std::max(largest, piece.size());
                     });
    EXPECT_EQ(joined, whole);
    EXPECT_LT(largest, std::size_t{1} << 20);

    ResultsHeader header;
    std::vector<CDpctData> read;
    std::string error;
    ASSERT_TRUE(readResultsJson(whole, header, read, error)) << error;
    EXPECT_EQ(read, items);
    // The same file name and severity in several diagnostics are held once.
    EXPECT_EQ(read[0].diagnostics[0].file.data(), read[0].diagnostics[1].file.data());
    EXPECT_EQ(read[0].diagnostics[0].severity.data(), read[0].diagnostics[1].severity.data());
    // A report has no use for the output: it is passed over.
    ASSERT_TRUE(readResultsJson(whole, header, read, error, ResultsOutput::Skipped)) << error;
    EXPECT_TRUE(read[0].resultText.empty());
    EXPECT_EQ(read[0].diagnostics, items[0].diagnostics);
}

TEST(RunResults, BrokenJsonIsReportedWhereTheParserReportsIt)
{
    for (const char* bad :
         {"{\"items\": [{\"path\": \"a\" \"status\": \"ok\"}]}",
          "{\"items\": [{\"path\": \"a\", \"status\": \"ok\"} {}]}",
          "{\"items\": [], \"x\": [1, {\"y\": tru}]}", "{\"items\": [{\"output\": \"abc}]}",
          "{\"items\": []\n,\n\"error\": \"\\q\"}", "{\"items\": []} []", "{\"items\": [], 3: 1}"}) {
        JsonValue tree;
        std::string expected, error;
        ASSERT_FALSE(parseJson(bad, tree, expected)) << bad;
        std::vector<CDpctData> items;
        ResultsHeader header;
        EXPECT_FALSE(readResultsJson(bad, header, items, error));
        EXPECT_EQ(error, expected) << bad;
    }
}
