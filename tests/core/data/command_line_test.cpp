#include "data/command_line.h"
#include "shell_models.h"

#include <gtest/gtest.h>

using namespace tovalo;
namespace models = tovalo::testing_models;

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

// A choice without an entry of its list cannot be passed: it is left out and named.
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
    const CommandLine line = buildCommandLine(&item, Dialect::Cmd);
    EXPECT_EQ(line.text, R"(dpct.exe --extra-arg= --output-file="" "a.cu")");
    EXPECT_EQ(line.leftOut, (std::vector<std::string_view>{"--assume-nd-range-dim", "--report-format"}));
    item.setChoiceIndex(kReportFormat, 1);
    EXPECT_EQ(buildCommandLine(&item, Dialect::Sh).leftOut,
              std::vector<std::string_view>{"--assume-nd-range-dim"});
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

TEST(CommandLine, ShellDialectQuotesEveryPathAndEveryWordOfPlainValues)
{
    CDpctData item = workedExample1();
    item.path = "/home/me/it's here/vector add.cu";
    item.setText(kInRoot, "/home/me/$HOME");
    item.setOn(kExtraArg, true);
    item.setText(kExtraArg, "-DA=1 -I\"/opt/x y\"");
    item.setOn(kOutputFile, true);
    item.setText(kOutputFile, "log.txt");
    EXPECT_EQ(shLine(item),
              "dpct --comments --extra-arg=-DA=1 '-I/opt/x y' --format-style=custom "
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
    EXPECT_NE(englishText(line.refusal).find("source path"), std::string::npos);
    ASSERT_EQ(line.refusal.id, MessageId::ValueRefused);
    ASSERT_EQ(line.refusal.args.size(), 2u);
    EXPECT_EQ(line.refusal.args[0].id, MessageId::SubjectSourcePath);
    EXPECT_EQ(line.refusal.args[1].id, MessageId::QuoteEndsQuotes);
    // The same path is inert in single quotes.
    EXPECT_EQ(buildCommandLine(&item, Dialect::Sh).text, "dpct 'C:\\x\" & calc & \".cu'");

    CDpctData value;
    value.path = "a.cu";
    value.setOn(kOutRoot, true);
    value.setText(kOutRoot, "out\"&calc");
    line = buildCommandLine(&value, Dialect::Cmd);
    EXPECT_FALSE(line.ok());
    EXPECT_NE(englishText(line.refusal).find("--out-root"), std::string::npos);

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

namespace {

// A variable value that would do harm if the shell read it again.
std::string hostileEnvironment(std::string_view name)
{
    return name == "HOME" ? std::string("/h o;$(touch x)'\"*") : std::string();
}

CDpctData withValue(int slot, std::string value, std::string path = "a.cu")
{
    CDpctData item;
    item.path = std::move(path);
    item.setOn(slot, true);
    item.setText(slot, std::move(value));
    return item;
}

// The arguments the shell gives dpct from the item's sh line; fails when it would do more.
std::vector<std::string> shArgs(const CDpctData& item)
{
    const CommandLine line = buildCommandLine(&item, Dialect::Sh);
    EXPECT_TRUE(line.ok()) << line.refusal;
    const models::ModelResult r =
        models::shellWords(line.text, hostileEnvironment, models::ShellMode::Strict);
    EXPECT_TRUE(r.ok()) << r.problem << " in " << line.text;
    return r.args;
}

// The same through cmd.exe and the C runtime.
std::vector<std::string> cmdArgs(const CDpctData& item)
{
    const CommandLine line = buildCommandLine(&item, Dialect::Cmd);
    EXPECT_TRUE(line.ok()) << line.refusal;
    const models::ModelResult r = models::cmdWords(line.text);
    EXPECT_TRUE(r.ok()) << r.problem << " in " << line.text;
    return r.args;
}

using Args = std::vector<std::string>;

CommandLine lineOf(const CDpctData& item, Dialect d)
{
    return buildCommandLine(&item, d);
}

} // namespace

TEST(CommandLine, ShellPlainValuesBecomeArgumentsNotShellText)
{
    const struct
    {
        std::string value;
        Args words;
    } cases[] = {
        {"-DX=$(touch pwned)", {"--extra-arg=-DX=$(touch", "pwned)"}},
        {"-DX=\"$(touch pwned)\"", {"--extra-arg=-DX=$(touch pwned)"}},
        {"-DX=`touch pwned`", {"--extra-arg=-DX=`touch", "pwned`"}},
        {"-DA; touch pwned", {"--extra-arg=-DA;", "touch", "pwned"}},
        {"-DA|tee x>y&", {"--extra-arg=-DA|tee", "x>y&"}},
        {"$'a b'\"$'\"", {"--extra-arg=$a b$'"}},
        {"-DA=1 -DB", {"--extra-arg=-DA=1", "-DB"}},
        {"\"-I /opt/x y\"", {"--extra-arg=-I /opt/x y"}},
        {"-I\"/opt/x y\" '-DS=\"a b\"'", {"--extra-arg=-I/opt/x y", "-DS=\"a b\""}},
        {"-DA=\\\"x\\\" a\\ b", {"--extra-arg=-DA=\"x\"", "a b"}},
        {"-I$HOME/inc -I\"${HOME}\"x '$HOME'",
         {"--extra-arg=-I/h o;$(touch x)'\"*/inc", "-I/h o;$(touch x)'\"*x", "$HOME"}},
        {"-I${HOME:-/x} $1 $$ ${}", {"--extra-arg=-I${HOME:-/x}", "$1", "$$", "${}"}},
        {"*.h ~/x #c {a,b} !x", {"--extra-arg=*.h", "~/x", "#c", "{a,b}", "!x"}},
        {"", {"--extra-arg="}},
        {"  -DA  ", {"--extra-arg=", "-DA"}},
        {"'' \"\"", {"--extra-arg=", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Args expected = {"dpct"};
        expected.insert(expected.end(), c.words.begin(), c.words.end());
        expected.push_back("a.cu");
        EXPECT_EQ(shArgs(withValue(kExtraArg, c.value)), expected);
    }
    // The report prefix and warning list are split the same way.
    EXPECT_EQ(shArgs(withValue(kReportFilePrefix, "x$(touch pwned)")),
              (Args{"dpct", "--report-file-prefix=x$(touch", "pwned)", "a.cu"}));
    EXPECT_EQ(
        lineOf(workedExample1(), Dialect::Sh).text,
        "dpct --comments --format-style=custom --in-root='C:\\work\\src' --out-root='C:\\work\\out dir' "
        "--suppress-warnings=1001,1002 'C:\\work\\src\\vector add.cu'");
}

TEST(CommandLine, PlainValuesWhoseQuotesDoNotPairUpAreRefused)
{
    // An open quote in one value would pair with a quote of the next and unquote the text
    // between: the item is refused, never written.
    CDpctData item = withValue(kExtraArg, "'", "/w/x';touch pwned;'.cu");
    item.setOn(kReportFilePrefix, true);
    item.setText(kReportFilePrefix, "'");
    item.setOn(kOutRoot, true);
    item.setText(kOutRoot, "/x;touch pwned;");
    for (const Dialect d : {Dialect::Sh, Dialect::Cmd}) {
        for (const char* v : {"'", "-DX=\"", "\"a\" \"b", "$'\\''", "$'\\'';touch pwned;''"}) {
            item.setText(kExtraArg, v);
            const CommandLine line = buildCommandLine(&item, d);
            if (d == Dialect::Cmd && std::string_view(v).find('"') == std::string_view::npos) {
                EXPECT_TRUE(line.ok()) << v; // a single quote is text to cmd
                continue;
            }
            SCOPED_TRACE(v);
            EXPECT_FALSE(line.ok());
            EXPECT_EQ(line.text, "");
            EXPECT_NE(englishText(line.refusal).find("--extra-arg"), std::string::npos) << line.refusal;
            EXPECT_NE(englishText(line.refusal).find("quote"), std::string::npos) << line.refusal;
        }
    }
    // cmd and the C runtime must agree where quotes are: a quote after a backslash is text to
    // the program but a quote to cmd, and two in a row inside quotes depend on the runtime.
    for (const char* v : {"-DX=\\\"", "\"-IC:\\x y\\\"", "\"a\"\"b\""}) {
        SCOPED_TRACE(v);
        EXPECT_FALSE(lineOf(withValue(kExtraArg, v), Dialect::Cmd).ok());
    }
    EXPECT_EQ(cmdArgs(withValue(kExtraArg, "-DX=\\\"a\\\" \"-I C:\\a b\\\\\"")),
              (Args{"dpct.exe", "--extra-arg=-DX=\"a\"", "-I C:\\a b\\", "a.cu"}));
    EXPECT_FALSE(lineOf(withValue(kSuppressWarnings, std::string("1\0002", 3)), Dialect::Sh).ok());
}

TEST(CommandLine, CmdOperatorsInPlainValuesAreInert)
{
    // An odd quote in a plain value used to leave the path unquoted; operators outside quotes
    // are escaped now, so cmd passes them on and runs nothing.
    const char* path = "C:\\w\\x&echo pwned>Z:\\p&.cu";
    for (const std::string v : {"-DX=a&echo pwned>Z:\\p", "a|b", "(x)^y<z", "\"a&b\" c&d", "-DX=\"&\"&x"}) {
        SCOPED_TRACE(v);
        Args expected = {"dpct.exe"};
        for (std::string& w : models::crtWords("--extra-arg=" + v))
            expected.push_back(w);
        expected.push_back(path);
        EXPECT_EQ(cmdArgs(withValue(kExtraArg, v, path)), expected);
    }
    EXPECT_EQ(lineOf(withValue(kExtraArg, "a&\"b&\"^"), Dialect::Cmd).text,
              "dpct.exe --extra-arg=a^&\"b&\"^^ \"a.cu\"");
    EXPECT_EQ(cmdArgs(withValue(kReportFilePrefix, "%TEMP%x")),
              (Args{"dpct.exe", "--report-file-prefix=%TEMP%x", "a.cu"}));
    // A %NAME:...% edit is expanded before quotes are read, and could make quotes or operators.
    for (const char* v : {"%PATH:\\=&echo pwned&%", "%CMDCMDLINE:~0,1%"}) {
        EXPECT_FALSE(lineOf(withValue(kExtraArg, v), Dialect::Cmd).ok()) << v;
        EXPECT_FALSE(lineOf(withValue(kInRoot, v), Dialect::Cmd).ok()) << v;
        EXPECT_TRUE(lineOf(withValue(kInRoot, v), Dialect::Sh).ok()) << v;
    }
}

TEST(CommandLine, CmdQuotedValuesEndingInABackslashKeepTheirClosingQuote)
{
    CDpctData item = withValue(kInRoot, "C:\\My work\\", "C:\\My work\\a b.cu");
    item.setOn(kOutRoot, true);
    item.setText(kOutRoot, "C:\\out");
    item.setOn(kCustomHelperName, true);
    item.setText(kCustomHelperName, "\\");
    item.setOn(kCudaIncludePath, true);
    item.setText(kCudaIncludePath, "C:\\inc\\\\");
    EXPECT_EQ(cmdArgs(item), (Args{"dpct.exe", "--cuda-include-path=C:\\inc\\\\", "--custom-helper-name=\\",
                                   "--in-root=C:\\My work\\", "--out-root=C:\\out", "C:\\My work\\a b.cu"}));
    EXPECT_EQ(buildCommandLine(&item, Dialect::Cmd).text,
              "dpct.exe --cuda-include-path=C:\\inc\\\\ --custom-helper-name=\"\\\\\" "
              "--in-root=\"C:\\My work\\\\\" --out-root=C:\\out \"C:\\My work\\a b.cu\"");
    item.path = "C:\\dir\\";
    EXPECT_EQ(cmdArgs(item).back(), "C:\\dir\\");
}

TEST(CommandLine, SourcePathStartingWithADashIsNoOption)
{
    CDpctData item;
    item.path = "-x.cu";
    EXPECT_EQ(buildCommandLine(&item, Dialect::Sh).text, "dpct './-x.cu'");
    EXPECT_EQ(buildCommandLine(&item, Dialect::Cmd).text, "dpct.exe \".\\-x.cu\"");
    EXPECT_EQ(cmdArgs(item), (Args{"dpct.exe", ".\\-x.cu"}));
    item.path = "--help.cu";
    EXPECT_EQ(shArgs(item), (Args{"dpct", "./--help.cu"}));
}

TEST(CommandLine, ModelsOfTheInterpreters)
{
    // The models the tests above rely on: what they find active, and how the runtime splits.
    const auto env = [](std::string_view) {
        return std::string();
    };
    EXPECT_FALSE(models::shellWords("dpct --extra-arg=$(id)", env, models::ShellMode::Strict).ok());
    EXPECT_FALSE(models::shellWords("dpct \"`id`\"", env, models::ShellMode::Strict).ok());
    EXPECT_FALSE(models::shellWords("dpct 'a", env, models::ShellMode::Strict).ok());
    EXPECT_FALSE(models::shellWords("dpct $'a'", env, models::ShellMode::Strict).ok());
    EXPECT_EQ(models::shellWords("dpct 'a b'\\ c\"\\$d\"", env, models::ShellMode::Strict).args,
              (Args{"dpct", "a b c$d"}));
    EXPECT_FALSE(models::cmdWords("dpct.exe a&b").ok());
    EXPECT_FALSE(models::cmdWords("dpct.exe a^").ok());
    EXPECT_EQ(models::cmdWords("dpct.exe \"a&b\" c^&d ^\"e").args, (Args{"dpct.exe", "a&b", "c&d", "e"}));
    EXPECT_EQ(models::crtWords("a\\\\\"b c\" d\\\"e f\\\\g \"\"\"\" \"\""),
              (Args{"a\\b c", "d\"e", "f\\\\g", "\"", ""}));
}
