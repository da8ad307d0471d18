#include "data/command_line.h"

#include <gtest/gtest.h>

using namespace tovalo;

namespace {

std::string cmdLine(const CDpctData& item)
{
    const CommandLine line = buildCommandLine(&item, Dialect::Cmd);
    EXPECT_TRUE(line.ok()) << line.refusal;
    return line.text;
}

std::string shLine(const CDpctData& item)
{
    const CommandLine line = buildCommandLine(&item, Dialect::Sh);
    EXPECT_TRUE(line.ok()) << line.refusal;
    return line.text;
}

CDpctData workedExample1()
{
    CDpctData item;
    item.path = R"(C:\work\src\vector add.cu)";
    item.setOn(kComments, true);
    item.setOn(kFormatStyle, true);
    item.setChoiceIndex(kFormatStyle, 2);
    item.setOn(kInRoot, true);
    item.setText(kInRoot, R"(C:\work\src)");
    item.setOn(kOutRoot, true);
    item.setText(kOutRoot, R"(C:\work\out dir)");
    item.setOn(kSuppressWarnings, true);
    item.setText(kSuppressWarnings, "1001,1002");
    return item;
}

// Every option on, every value set.
CDpctData everything()
{
    CDpctData item;
    item.path = "/src/all.cu";
    for (const OptionInfo& o : optionTable()) {
        item.setOn(o.slot, true);
        if (o.kind == OptionKind::Text)
            item.setText(o.slot, "v" + std::to_string(o.slot));
        else if (o.kind == OptionKind::Choice)
            item.setChoiceIndex(o.slot, static_cast<int>(valueListEntries(o.valueList).size()) - 1);
    }
    return item;
}

} // namespace

TEST(CommandLine, WorkedExamples)
{
    EXPECT_EQ(cmdLine(workedExample1()), R"(dpct.exe --comments --format-style=custom --in-root=C:\work\src )"
                                         R"(--out-root="C:\work\out dir" --suppress-warnings=1001,1002 )"
                                         R"("C:\work\src\vector add.cu")");

    CDpctData two;
    two.path = R"(C:\a.cu)";
    two.setOn(kNoIncrementalMigration, true);
    two.setOn(kOptimizeMigration, true);
    two.setOn(kAssumeNdRangeDim, true);
    two.setChoiceIndex(kAssumeNdRangeDim, 1);
    two.setOn(kOutputFile, true);
    two.setText(kOutputFile, "log.txt");
    EXPECT_EQ(
        cmdLine(two),
        R"(dpct.exe --assume-nd-range-dim=3 --no-incremental-migration --output-file="log.txt" "C:\a.cu")");

    CDpctData three;
    three.path = R"(C:\a.cu)";
    EXPECT_EQ(cmdLine(three), R"(dpct.exe "C:\a.cu")");
}

TEST(CommandLine, EmptyPathOrNoItemGivesNothing)
{
    CDpctData item = everything();
    item.path.clear();
    EXPECT_EQ(buildCommandLine(&item, Dialect::Cmd).text, "");
    EXPECT_TRUE(buildCommandLine(&item, Dialect::Cmd).ok());
    EXPECT_EQ(buildCommandLine(nullptr, Dialect::Sh).text, "");
}

TEST(CommandLine, AllOptionsGiveThirtyFourArgumentsInSlotOrder)
{
    const std::string line = cmdLine(everything());
    EXPECT_EQ(
        line,
        "dpct.exe --always-use-async-handler --assume-nd-range-dim=3 --build-script-file=\"v4\" --comments "
        "--cuda-include-path=v6 --custom-helper-name=\"v7\" --enable-ctad --extra-arg=v9 --format-range=none "
        "--format-style=custom --gen-build-script --in-root=v13 --keep-original-code "
        "--no-cl-namespace-inline "
        "--no-dpcpp-extensions=enqueued_barriers --no-dry-pattern --out-root=v20 --output-file=\"v21\" "
        "--output-verbosity=diagnostics -p=v23 --process-all --report-file-prefix=v25 "
        "--report-format=formatted "
        "--report-only --report-type=ALL --stop-on-parse-err --suppress-warnings=v30 --suppress-warnings-all "
        "--sycl-named-lambda --use-custom-helper=all --use-experimental-features=nd_range_barrier "
        "--use-explicit-namespace=sycl-math --usm-level=none --vcxprojfile=v37 \"/src/all.cu\"");
    // 34 option arguments + tool + path.
    EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 35);
}

TEST(CommandLine, EmptyValuesAndOutOfRangeChoices)
{
    CDpctData item;
    item.path = "a.cu";
    item.setOn(kExtraArg, true);
    item.setOn(kOutputFile, true);
    item.setOn(kReportFormat, true);
    item.setChoiceIndex(kReportFormat, 5);
    item.setOn(kAssumeNdRangeDim, true);
    item.setChoiceIndex(kAssumeNdRangeDim, -1);
    EXPECT_EQ(cmdLine(item),
              R"(dpct.exe --assume-nd-range-dim= --extra-arg= --output-file="" --report-format= "a.cu")");
}

TEST(CommandLine, ExclusiveGroupKeepsOnlyTheFirst)
{
    CDpctData item;
    item.path = "a.cu";
    item.setOn(kOptimizeMigration, true);
    item.setOn(kNoIncrementalMigration, true);
    item.setOn(kNoDryPattern, true);
    EXPECT_EQ(cmdLine(item), R"(dpct.exe --no-dry-pattern "a.cu")");
    item.setOn(kNoDryPattern, false);
    item.setOn(kNoIncrementalMigration, false);
    EXPECT_EQ(cmdLine(item), R"(dpct.exe --optimize-migration "a.cu")");
}

TEST(CommandLine, ShellDialectQuotesEveryPathAndLeavesPlainValuesAsTyped)
{
    CDpctData item = workedExample1();
    item.path = "/home/me/it's here/vector add.cu";
    item.setText(kInRoot, "/home/me/$HOME");
    item.setOn(kExtraArg, true);
    item.setText(kExtraArg, "-DA=1 -I\"/opt/x y\"");
    item.setOn(kOutputFile, true);
    item.setText(kOutputFile, "log.txt");
    EXPECT_EQ(shLine(item),
              "dpct --comments --extra-arg=-DA=1 -I\"/opt/x y\" --format-style=custom "
              "--in-root='/home/me/$HOME' --out-root='C:\\work\\out dir' --output-file='log.txt' "
              "--suppress-warnings=1001,1002 '/home/me/it'\\''s here/vector add.cu'");
    EXPECT_EQ(shellQuote(""), "''");
    EXPECT_EQ(shellQuote("'"), "''\\'''");
}

TEST(CommandLine, ValuesThatCouldEscapeTheirQuotesAreRefused)
{
    CDpctData item;
    item.path = "C:\\x\" & calc & \".cu";
    CommandLine line = buildCommandLine(&item, Dialect::Cmd);
    EXPECT_FALSE(line.ok());
    EXPECT_EQ(line.text, "");
    EXPECT_NE(line.refusal.find("source path"), std::string::npos);
    // The same path is inert in single quotes.
    EXPECT_EQ(buildCommandLine(&item, Dialect::Sh).text, "dpct 'C:\\x\" & calc & \".cu'");

    CDpctData value;
    value.path = "a.cu";
    value.setOn(kOutRoot, true);
    value.setText(kOutRoot, "out\"&calc");
    line = buildCommandLine(&value, Dialect::Cmd);
    EXPECT_FALSE(line.ok());
    EXPECT_NE(line.refusal.find("--out-root"), std::string::npos);

    value.setText(kOutRoot, std::string("a\0b", 3));
    EXPECT_FALSE(buildCommandLine(&value, Dialect::Sh).ok());
    value.setText(kOutRoot, "a\tb");
    EXPECT_TRUE(buildCommandLine(&value, Dialect::Sh).ok());
    value.setText(kOutRoot, "a\nb");
    EXPECT_FALSE(buildCommandLine(&value, Dialect::Sh).ok());
    value.setOn(kOutRoot, false);
    value.setOn(kExtraArg, true);
    value.setText(kExtraArg, "-DX\r\nrm -rf /");
    EXPECT_FALSE(buildCommandLine(&value, Dialect::Sh).ok());
    EXPECT_FALSE(buildCommandLine(&value, Dialect::Cmd).ok());
}

TEST(CommandLine, CmdQuotesUnquotedPathValuesThatHoldOperators)
{
    CDpctData item;
    item.path = "a.cu";
    item.setOn(kInRoot, true);
    item.setText(kInRoot, R"(C:\R&D)");
    EXPECT_EQ(cmdLine(item), R"(dpct.exe --in-root="C:\R&D" "a.cu")");
    item.setText(kInRoot, R"(C:\a|b)");
    EXPECT_EQ(cmdLine(item), R"(dpct.exe --in-root="C:\a|b" "a.cu")");
}

TEST(CommandLine, ActiveShellSyntaxInPlainValues)
{
    EXPECT_FALSE(hasActiveShellSyntax("-DA=1 -DB", Dialect::Sh));
    EXPECT_FALSE(hasActiveShellSyntax("-I\"/a;b\"", Dialect::Sh));
    EXPECT_FALSE(hasActiveShellSyntax("'-DX=a|b'", Dialect::Sh));
    EXPECT_TRUE(hasActiveShellSyntax("-DA; rm x", Dialect::Sh));
    EXPECT_TRUE(hasActiveShellSyntax("-DA=$(id)", Dialect::Sh));
    EXPECT_TRUE(hasActiveShellSyntax("\"-DA=`id`\"", Dialect::Sh));
    EXPECT_TRUE(hasActiveShellSyntax("-DA > out", Dialect::Sh));
    EXPECT_FALSE(hasActiveShellSyntax("-DA;B", Dialect::Cmd));
    EXPECT_FALSE(hasActiveShellSyntax("\"-DA=a&b\"", Dialect::Cmd));
    EXPECT_TRUE(hasActiveShellSyntax("-DA & calc", Dialect::Cmd));
}
