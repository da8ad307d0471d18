#include "runner/dpct_output.h"

#include <gtest/gtest.h>

using namespace tovalo;

TEST(DpctOutput, JudgementFollowsTheDecidingLines)
{
    struct Case
    {
        const char* text;
        ItemStatus status;
        int exitCode;
    };
    const Case cases[] = {
        {"Processing: a.cu\nProcessed 1 file(s)\n", ItemStatus::ConvertedOk, 0},
        {"Processed 1 file(s)\n", ItemStatus::Converting, 0},
        {"Parsing: a.cu\nAnalyzing: a.cu\nMigrating: a.cu\nProcessed 1 file(s)\n", ItemStatus::ConvertedOk,
         0},
        {"Analyzing: a.cu\nProcessed 1 file(s)\n", ItemStatus::ConvertedOk, 0},
        {"Processing: a.cu\n1 parsing error(s)\n", ItemStatus::SyntaxError, 0},
        {"1 parsing error(s)\nProcessing: a.cu\nProcessed 1 file(s)\n", ItemStatus::ConvertedOk, 0},
        {"dpct exited with code: -5 (Error)\n", ItemStatus::ConvertedNg, -5},
        {"dpct exited with code: abc\n", ItemStatus::ConvertedNg, 0},
        {"dpct exited with code:    12\r\n", ItemStatus::ConvertedNg, 12},
        // stderr's exit-code line ahead of stdout's buffered summary still decides
        {"dpct exited with code: -3 (x)\nProcessing: a.cu\nProcessed 1 file(s)\n", ItemStatus::ConvertedNg,
         -3},
        {"hellodpct exited with code: -3 (x)\n", ItemStatus::ConvertedNg, -3},
        {"", ItemStatus::Converting, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ItemJudgement j = judgeDpctOutput(c.text);
        EXPECT_EQ(j.status, c.status);
        EXPECT_EQ(j.exitCode, c.exitCode);
    }
}

TEST(DpctOutput, VersionLineForms)
{
    DpctVersion v = parseDpctVersion("dpct --version\n\nIntel(R) DPC++ Compatibility Tool version 2024.2.0. "
                                     "Codebase:(55a3f03). clang version 19.0.0\r\n\r\n");
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.version, "2024.2.0");
    EXPECT_EQ(v.codebase, "55a3f03");
    v = parseDpctVersion("\ndpct version 18.0.0. Codebase:(caf26f2f)\n");
    EXPECT_EQ(v.version, "18.0.0");
    EXPECT_EQ(v.codebase, "caf26f2f");
    v = parseDpctVersion("dpct version 21.0.0\n");
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.version, "21.0.0");
    EXPECT_EQ(v.codebase, "");
    // The echoed command is no version line.
    EXPECT_FALSE(parseDpctVersion("dpct --version\nbash: dpct: command not found\n").found);
    EXPECT_FALSE(parseDpctVersion("C:\\work>dpct.exe --version\r\n'dpct.exe' is not recognized\r\n").found);
}
