// dpct's diagnostic lines: read from every recorded dpct output, the same wherever the output is
// cut into pieces, and not confused by the lines around them.

#include "read_all.h"
#include "runner/command_output.h"
#include "runner/dpct_output.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

using namespace tovalo;
using tovalo::test::readAll;

namespace {

std::vector<DpctDiagnostic> fedInPieces(std::string_view text, std::size_t cut)
{
    CommandOutput out;
    out.setPrompt("C:\\work>");
    out.append(text.substr(0, cut));
    out.append(text.substr(cut));
    return out.takeDiagnostics();
}

// A Windows output with CR LF ends, a note, a source line that quotes a diagnostic, gutters, a
// path with blanks and colons, a compiler error without a code, colours, and a last line with no
// line end.
const char* const kMixed =
    "Processing: c:\\my src\\a b.cu\r\n"
    "C:\\my src\\a b.cu:150:27: warning: DPCT1048:0: The original value cudaHostAllocDefault is not "
    "meaningful: it was removed.\r\n"
    "        cudaHostAlloc(&a,bytes_a,cudaHostAllocDefault);\r\n"
    "                                 ^\r\n"
    "C:\\my src\\a b.cu:151:3: note: previous definition is here\r\n"
    "  printf(\"x.cu:1:2: warning: DPCT1000:0: not one\");\r\n"
    "  263 |       SPMV_ATOMIC<<<num_blocks, block_size>>>(\r\n"
    "      |       ^\r\n"
    "[... DPCT1048:1, DPCT1048:2, DPCT1026:4..7 ...]\r\n"
    "/home/u/dir: with colon/k.cuh:7:1: fatal error: 'x.h' file not found\r\n"
    "\x1b[1m/src/c.cu:9:4: \x1b[0m\x1b[0;1;35mwarning: \x1b[0mDPCT1003:12: Migrated API does not return "
    "error "
    "code.\x1b[0m\r\n"
    "\\\\server\\share\\d.cu:1:1: error: unknown type name 'foo'\r\n"
    "Processed 1 file(s) in -in-root folder \"C:\\my src\"\r\n"
    "/src/e.cu:2:5: warning: DPCT1049:13: The work-group size may exceed the limit.";

} // namespace

TEST(Diagnostics, LinesOfEveryKind)
{
    const std::vector<DpctDiagnostic> all = parseDiagnostics(kMixed);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0],
              (DpctDiagnostic{"C:\\my src\\a b.cu", 150, 27, "warning", "DPCT1048",
                              "The original value cudaHostAllocDefault is not meaningful: it was removed."}));
    EXPECT_EQ(all[1], (DpctDiagnostic{"/home/u/dir: with colon/k.cuh", 7, 1, "fatal error", "",
                                      "'x.h' file not found"}));
    EXPECT_EQ(all[2], (DpctDiagnostic{"/src/c.cu", 9, 4, "warning", "DPCT1003",
                                      "Migrated API does not return error code."}));
    EXPECT_EQ(all[3],
              (DpctDiagnostic{"\\\\server\\share\\d.cu", 1, 1, "error", "", "unknown type name 'foo'"}));
    EXPECT_EQ(all[4].code, "DPCT1049");
    EXPECT_EQ(all[4].message, "The work-group size may exceed the limit.");

    // Not diagnostics: progress, summary, a line number without a column, a missing file name.
    for (const char* line :
         {"Parsing: /src/a.cu", "a.cu:3: warning: x", ":3:4: warning: x", "a.cu:x:4: warning: y",
          "dpct exited with code: -37 (Error: Incremental migration ...)"})
        EXPECT_FALSE(parseDiagnosticLine(line).has_value()) << line;
    // A code without its counter still counts as a code.
    EXPECT_EQ(parseDiagnosticLine("/a.cu:1:2: warning: DPCT1007: Migration of x is not supported.")->code,
              "DPCT1007");
}

TEST(Diagnostics, SameWhereverTheOutputIsCut)
{
    std::vector<std::string> texts = {kMixed};
    const std::filesystem::path root = std::filesystem::path(TOVALO_TEST_DATA_DIR) / "transcripts";
    for (const auto& dir : std::filesystem::directory_iterator(root))
        texts.push_back(readAll(dir.path() / "output.txt") + "\r\nC:\\work>");
    for (const std::string& text : texts) {
        const std::vector<DpctDiagnostic> whole = parseDiagnostics(text);
        for (std::size_t cut = 0; cut <= text.size(); ++cut)
            ASSERT_EQ(fedInPieces(text, cut), whole) << "cut at " << cut << " of\n" << text.substr(0, 200);
        // Byte by byte, as the slowest pipe delivers it.
        CommandOutput out;
        for (const char c : text)
            out.append(std::string_view(&c, 1));
        EXPECT_EQ(out.takeDiagnostics(), whole);
    }
}

TEST(Diagnostics, CountsByCode)
{
    const std::vector<DiagnosticCount> counts = countByCode(parseDiagnostics(kMixed));
    ASSERT_EQ(counts.size(), 5u);
    EXPECT_EQ(counts[0], (DiagnosticCount{"DPCT1003", 1, 2}));
    EXPECT_EQ(counts[1], (DiagnosticCount{"DPCT1048", 1, 0}));
    EXPECT_EQ(counts[3].key, "error");
    EXPECT_EQ(counts[4].key, "fatal error");
    EXPECT_EQ(describeCounts({{"DPCT1003", 2, 0}, {"error", 1, 3}}), "DPCT1003 \xC3\x97"
                                                                     "2, error \xC3\x97"
                                                                     "1");
}

TEST(Diagnostics, RefusalForAnotherOptionSet)
{
    EXPECT_TRUE(isOptionSetRefusal("", -37));
    EXPECT_TRUE(
        isOptionSetRefusal("dpct exited with code: -38 (Error: Incremental migration requires the same "
                           "option sets used across different dpct invocations.",
                           -38));
    EXPECT_FALSE(isOptionSetRefusal("dpct exited with code: -3 (Error)", -3));
}

// Lines of a few megabytes built to defeat a parser that searches the rest of the line again
// for each mark it meets: read in one pass, they finish well inside the test's time limit
// (before, a 480 KB line took 22 s).
TEST(Diagnostics, HostileLongLinesReadInOnePass)
{
    const std::string_view real = "x.cu:1:2: warning: DPCT1000:0: m";
    for (std::string_view unit :
         {"a: warning: ", "1:2: error: ", ": fatal erro: ", "1234567890123:1234567890:2: error: "}) {
        std::string line;
        while (line.size() < 4'000'000)
            line += unit;
        EXPECT_FALSE(parseDiagnosticLine(line).has_value()) << unit;
        line += real;
        const auto d = parseDiagnosticLine(line);
        ASSERT_TRUE(d.has_value()) << unit;
        EXPECT_EQ(d->file.size(), line.size() - real.size() + 4) << unit;
        EXPECT_EQ(d->code, "DPCT1000");
    }
}
