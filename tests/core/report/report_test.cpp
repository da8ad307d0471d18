// The migration report: its figures from a real run's results, times and shares as shown, and
// the page's safety (every text from the results escaped, nothing but dpct's pages linked).

#include "base/file_io.h"
#include "report/dpct_links.h"
#include "report/report_html.h"
#include "report/report_summary.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

std::vector<const CDpctData*> pointers(const std::vector<CDpctData>& items)
{
    std::vector<const CDpctData*> p;
    for (const CDpctData& d : items)
        p.push_back(&d);
    return p;
}

CDpctData item(std::string path, ItemStatus status, std::int64_t ms,
               std::vector<DpctDiagnostic> diagnostics = {})
{
    CDpctData d;
    d.path = std::move(path);
    d.status = status;
    d.elapsedMs = ms;
    d.diagnostics = std::move(diagnostics);
    return d;
}

std::size_t occurrences(const std::string& text, std::string_view what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

const ReportCode* findCode(const ReportSummary& s, std::string_view key)
{
    const auto it =
        std::find_if(s.codes.begin(), s.codes.end(), [&](const ReportCode& c) { return c.key == key; });
    return it == s.codes.end() ? nullptr : &*it;
}

} // namespace

// tests/data/report/sim-run/results.json comes from tovalo-cli run over the simulated toolkit
// (tests/e2e/cli_report_test.sh): 13 items in /tmp/cuda-app/src/, two of them never run.
TEST(Report, FiguresOfARealRun)
{
    std::string text, error;
    Message why;
    ASSERT_TRUE(readWholeFile(TOVALO_TEST_DATA_DIR "/report/sim-run/results.json", text, why)) << why;
    ResultsHeader header;
    std::vector<CDpctData> items;
    ASSERT_TRUE(readResultsJson(text, header, items, error)) << error;
    EXPECT_EQ(header.dpctVersion, "2024.2.0.");
    EXPECT_EQ(header.dpctCodebase, "55a3f034030e4bd0f36d7c37f24f8366079a639b");
    ASSERT_EQ(items.size(), 13u);
    EXPECT_EQ(items[12].path, "/tmp/cuda-app/src/extra/pending_b.cu");

    const ReportSummary s = summarizeResults(pointers(items));
    EXPECT_EQ(s.items, 13u);
    EXPECT_EQ(s.ok, 7u);
    EXPECT_EQ(s.ng, 3u);
    EXPECT_EQ(s.syntaxErrors, 1u);
    EXPECT_EQ(s.notConverted, 2u);
    EXPECT_EQ(s.diagnostics, 35u);
    EXPECT_EQ(s.timed, 11u);
    EXPECT_EQ(s.commonFolder, "/tmp/cuda-app/src/");

    std::size_t counted = 0;
    for (const ReportCode& c : s.codes)
        counted += c.count;
    EXPECT_EQ(counted, s.diagnostics);
    EXPECT_TRUE(std::is_sorted(s.codes.begin(), s.codes.end(),
                               [](const ReportCode& a, const ReportCode& b) { return a.count > b.count; }));
    const ReportCode* dpct1003 = findCode(s, "DPCT1003");
    ASSERT_NE(dpct1003, nullptr);
    EXPECT_EQ(dpct1003->count, 6u);
    EXPECT_EQ(dpct1003->items, 3u); // vector_add once, errors three times, reduce twice
    EXPECT_EQ(
        dpct1003->firstMessage,
        "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.");
    const ReportCode* compiler = findCode(s, "error");
    ASSERT_NE(compiler, nullptr);
    EXPECT_EQ(compiler->items, 1u);
    EXPECT_TRUE(compiler->url.empty());

    const std::string html = migrationReportHtml(pointers(items), header, englishReportWords());
    EXPECT_EQ(occurrences(html, "<td class=\"p\""), 13u);
    EXPECT_EQ(occurrences(html, "<li"), 35u);
    EXPECT_NE(html.find(">&lt;img src=x onerror=alert(1)&gt;.cu</td>"), std::string::npos);
    EXPECT_EQ(html.find("<img"), std::string::npos);
    EXPECT_NE(html.find("<dt>Folder</dt><dd>/tmp/cuda-app/src/</dd>"), std::string::npos);
    EXPECT_NE(html.find("<dd>2024.2.0</dd>"), std::string::npos); // the older results' full stop goes
}

TEST(Report, TimesMedianAndShares)
{
    std::vector<CDpctData> items = {
        item("/p/a.cu", ItemStatus::ConvertedOk, 850),    item("/p/b.cu", ItemStatus::ConvertedNg, 4250),
        item("/p/c.cu", ItemStatus::ConvertedOk, 59960),  item("/p/d.cu", ItemStatus::None, -1),
        item("/p/e.cu", ItemStatus::ConvertedOk, 185000), item("/p/f.cu", ItemStatus::Converting, -1)};
    ReportSummary s = summarizeResults(pointers(items));
    EXPECT_EQ(s.timed, 4u);
    EXPECT_EQ(s.totalMs, 850 + 4250 + 59960 + 185000);
    EXPECT_EQ(s.medianMs, (4250 + 59960) / 2); // the items that did not run do not count
    EXPECT_EQ(s.notConverted, 2u);
    items.push_back(item("/p/g.cu", ItemStatus::SyntaxError, 7620000));
    EXPECT_EQ(summarizeResults(pointers(items)).medianMs, 59960);

    const std::string html = migrationReportHtml(pointers(items), {}, englishReportWords());
    for (const char* shown : {">850 ms<", ">4.3 s<", ">1 min 00 s<", ">3 min 05 s<", ">2 h 07 min<"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    EXPECT_NE(html.find("<dt>dpct version</dt><dd>unknown</dd>"), std::string::npos);

    // A share is never shown as 0 % for some items or 100 % for not all of them.
    std::vector<CDpctData> many(1000, item("/p/x.cu", ItemStatus::ConvertedOk, 10));
    many[0].status = ItemStatus::ConvertedNg;
    const std::string shares = migrationReportHtml(pointers(many), {}, englishReportWords());
    EXPECT_NE(shares.find("<dt>OK</dt><dd>999<small>99%</small>"), std::string::npos);
    EXPECT_NE(shares.find("<dt>Failed</dt><dd>1<small>1%</small>"), std::string::npos);
    EXPECT_NE(shares.find("<dt>Items</dt><dd>1,000</dd>"), std::string::npos);
}

TEST(Report, CommonFolder)
{
    const auto folder = [](std::vector<CDpctData> items) {
        return summarizeResults(pointers(items)).commonFolder;
    };
    EXPECT_EQ(folder({item("/src/app/a.cu", ItemStatus::None, -1)}), "/src/app/");
    EXPECT_EQ(
        folder({item("/src/app/k/a.cu", ItemStatus::None, -1), item("/src/apps/b.cu", ItemStatus::None, -1)}),
        "/src/");
    EXPECT_EQ(
        folder({item("C:\\w\\x\\a.cu", ItemStatus::None, -1), item("C:\\w\\y\\b.cu", ItemStatus::None, -1)}),
        "C:\\w\\");
    EXPECT_EQ(folder({item("C:\\a.cu", ItemStatus::None, -1), item("D:\\b.cu", ItemStatus::None, -1)}), "");
    EXPECT_EQ(pathBelow("/src/app/k/a.cu", "/src/app/"), "k/a.cu");
    EXPECT_EQ(pathBelow("/other/a.cu", "/src/app/"), "/other/a.cu");
}

TEST(Report, EverythingFromTheResultsIsEscaped)
{
    const std::string hostile = "</style><script>alert(1)</script>\"'&";
    const std::vector<DpctDiagnostic> diagnostics = {
        {"/p/<b>.cu", 1, 2, "warning", "DPCT1003", hostile}, // repeated: written once, in the style
        {"/p/<b>.cu", 3, 4, "warning", "DPCT1003", hostile},
        {"/p/<b>.cu", 5, 6, "warning", "<i>X</i>", hostile + " once"}, // code and message once
    };
    std::vector<CDpctData> items = {
        item("/p/<img src=x onerror=alert(1)>.cu", ItemStatus::ConvertedOk, 5, diagnostics),
        item("/p/bad\xFF\x01.cu", ItemStatus::ConvertedNg, 5)};
    ReportWords words = englishReportWords();
    words.ok = "<u>OK</u>";
    words.language = "ja\"><script>";
    const std::string html =
        migrationReportHtml(pointers(items), {"<v>", "<c>", "<e>"}, words, {"<title>", "<now>"});

    EXPECT_EQ(occurrences(html, "<script"), 1u) << "only the page's own script";
    EXPECT_EQ(occurrences(html, "</style>"), 1u);
    for (const char* markup : {"<img", "<b>.cu", "<i>X", "<u>", "<v>", "<c>", "<e>", "<now>", "'&<"})
        EXPECT_EQ(html.find(markup), std::string::npos) << markup;
    for (const char* text : {"&lt;img src=x onerror=alert(1)&gt;.cu", "<b>&lt;i&gt;X&lt;/i&gt;</b>",
                             "&lt;/style&gt;&lt;script&gt;alert(1)&lt;/script&gt;&quot;&#39;&amp; once",
                             "<title>&lt;title&gt;</title>", "bad\xEF\xBF\xBD\xEF\xBF\xBD.cu",
                             "&lt;u&gt;OK&lt;/u&gt;", "lang=\"ja&quot;&gt;&lt;script&gt;\""})
        EXPECT_NE(html.find(text), std::string::npos) << text;
    // The repeated message lives in the style sheet as a CSS string, hex-escaped.
    const std::size_t styleEnd = html.find("</style>");
    const std::size_t rule = html.find(".m0::after{content:\"");
    ASSERT_LT(rule, styleEnd);
    EXPECT_EQ(html.substr(rule, html.find('\n', rule) - rule),
              ".m0::after{content:\"\\3c \\2f style\\3e \\3c script\\3e alert\\28 1\\29 \\3c \\2f script\\3e "
              "\\22 \\27 \\26 \"}");
}

TEST(Report, ReferenceLinks)
{
    EXPECT_EQ(
        dpctDiagnosticUrl("DPCT1049"),
        "https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/developer-guide-reference/"
        "current/dpct1049.html");
    for (const char* none : {"error", "DPCT10", "DPCT10491", "dpct1049", "DPCT10x9", ""})
        EXPECT_EQ(dpctDiagnosticUrl(none), "") << none;

    const std::vector<CDpctData> items = {item(
        "/p/a.cu", ItemStatus::SyntaxError, 5,
        {{"/p/a.cu", 1, 1, "warning", "DPCT1049", "m"}, {"/p/a.cu", 2, 1, "error", "", "unknown type"}})};
    const std::string html = migrationReportHtml(pointers(items), {}, englishReportWords());
    EXPECT_EQ(occurrences(html, "href=\"https://"), 1u);
    EXPECT_NE(html.find("<a href=\"" + dpctDiagnosticUrl("DPCT1049") +
                        "\" target=\"_blank\" rel=\"noopener noreferrer\">Read about DPCT1049</a>"),
              std::string::npos);
}
