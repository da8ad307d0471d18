// The run engine driven by text alone: no process, a fake console records what is written.

#include "fake_console.h"

#include <gtest/gtest.h>

using namespace tovalo;
using namespace tovalo::test;

namespace {

constexpr const char* kVersion =
    "\nIntel(R) DPC++ Compatibility Tool version 2024.2.0. Codebase:(55a3f034). clang version 19.0.0\n\n";

struct Harness
{
    explicit Harness(Dialect d = Dialect::Sh, std::string root = "/opt/intel/oneapi/",
                     bool restartAfterRun = true)
        : console(d),
          engine(console, obs, RunEngineConfig{std::move(root), 3, restartAfterRun}, [this] { ++wakes; })
    {}

    std::string prompt() const { return console.dialect() == Dialect::Cmd ? "C:\\work>" : "tovalo> "; }
    // Output of the last written command followed by the prompt, delivered then handled.
    void answer(const std::string& output) { feed(console.written.back() + "\n" + output + "\n" + prompt()); }
    void feed(std::string_view text)
    {
        engine.handleConsoleText(text);
        engine.processPending();
    }
    void startUp()
    {
        Message error;
        ASSERT_TRUE(engine.startUp(error));
        feed("\n" + prompt());
        answer(":: oneAPI environment initialized ::");
        answer(kVersion);
        ASSERT_TRUE(engine.canStart());
    }
    std::vector<CDpctData*> items(std::vector<CDpctData>& list, int n)
    {
        list.resize(static_cast<std::size_t>(n));
        std::vector<CDpctData*> out;
        for (int i = 0; i < n; ++i) {
            list[static_cast<std::size_t>(i)].path = "/src/f" + std::to_string(i) + ".cu";
            out.push_back(&list[static_cast<std::size_t>(i)]);
        }
        return out;
    }

    FakeConsole console;
    RecordingObserver obs;
    int wakes = 0;
    RunEngine engine;
};

const std::string kOk = "Parsing: /src/f.cu\nAnalyzing: /src/f.cu\nMigrating: /src/f.cu\nProcessed 1 file(s) "
                        "in -in-root folder \"/src\"";

} // namespace

TEST(RunEngine, StartUpWritesScriptThenVersionQueryAndEndsIdle)
{
    Harness h;
    h.startUp();
    ASSERT_EQ(h.console.written.size(), 2u);
    EXPECT_EQ(h.console.written[0], ". '/opt/intel/oneapi/setvars.sh'");
    EXPECT_EQ(h.console.written[1], "dpct --version");
    EXPECT_EQ(h.engine.prompt(), "tovalo> ");
    EXPECT_EQ(h.engine.dpctVersion(), "2024.2.0");
    EXPECT_EQ(h.engine.dpctCodebase(), "55a3f034");
    EXPECT_EQ(h.obs.version, "2024.2.0");
    const std::vector<RunPhase> expected = {RunPhase::AwaitPrompt,    RunPhase::SetvarsRequested,
                                            RunPhase::SetvarsRunning, RunPhase::VersionRequested,
                                            RunPhase::VersionRunning, RunPhase::Idle};
    EXPECT_EQ(h.obs.phases, expected);
    EXPECT_TRUE(h.engine.startUpDone());
    EXPECT_GT(h.wakes, 0);
}

TEST(RunEngine, CmdDialectQuotesScriptAndNamesDpctExe)
{
    Harness h(Dialect::Cmd, "C:\\Program Files (x86)\\Intel\\oneAPI\\");
    Message error;
    ASSERT_TRUE(h.engine.startUp(error));
    h.feed("Microsoft Windows [Version 10.0]\r\n(c) Microsoft Corporation.\r\n\r\nC:\\work>");
    ASSERT_EQ(h.engine.phase(), RunPhase::SetvarsRunning);
    EXPECT_EQ(h.engine.prompt(), "C:\\work>");
    EXPECT_EQ(h.console.written.back(), "\"C:\\Program Files (x86)\\Intel\\oneAPI\\setvars.bat\"");
    // Batch lines echoed with the prompt in front are not the prompt.
    h.feed("\r\nC:\\work>set PATH=C:\\x;%PATH%\r\n");
    EXPECT_EQ(h.engine.phase(), RunPhase::SetvarsRunning);
    h.feed(":: oneAPI environment initialized ::\r\n\r\nC:\\work>");
    EXPECT_EQ(h.console.written.back(), "dpct.exe --version");
}

TEST(RunEngine, WithoutOneApiNothingIsWrittenAndNothingStarts)
{
    Harness h(Dialect::Sh, "");
    Message error;
    ASSERT_TRUE(h.engine.startUp(error));
    h.feed("\ntovalo> ");
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    EXPECT_TRUE(h.console.written.empty());
    std::vector<CDpctData> list;
    EXPECT_FALSE(h.engine.start(h.items(list, 1)));
    EXPECT_EQ(h.obs.text, "\ntovalo> ");
}

TEST(RunEngine, RunJudgesEachItemAndAdvances)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    list.resize(4);
    auto items = h.items(list, 4);
    list[2].exitCode = 7; // from an earlier run; a new run starts from 0
    ASSERT_TRUE(h.engine.start(items));
    for (const CDpctData& d : list)
        EXPECT_EQ(d.status, ItemStatus::Waiting);
    EXPECT_EQ(h.obs.progressTotal, 4);
    EXPECT_FALSE(h.engine.canStart());
    h.engine.processPending();
    EXPECT_EQ(list[0].status, ItemStatus::Converting);
    EXPECT_EQ(h.console.written.back(), "dpct '/src/f0.cu'");
    h.answer(kOk);
    h.engine.processPending();
    h.answer(
        "Processing: /src/f1.cu\n/src/f1.cu:3:1: warning: DPCT1003:0: x\ndpct exited with code: -5 (Error)");
    h.engine.processPending();
    h.answer("Parsing: /src/f2.cu\n2 parsing error(s) in /src/f2.cu");
    h.engine.processPending();
    h.answer("nothing that decides");
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedOk);
    EXPECT_EQ(list[1].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(list[1].exitCode, -5);
    EXPECT_EQ(list[2].status, ItemStatus::SyntaxError);
    EXPECT_EQ(list[2].exitCode, 0);
    // Nothing decided, and this prompt carries no exit status.
    EXPECT_EQ(list[3].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(list[3].exitCode, -1);
    EXPECT_EQ(list[0].resultText, "dpct '/src/f0.cu'\n" + kOk + "\n");
    EXPECT_EQ(h.obs.finished.size(), 4u);
    EXPECT_EQ(h.obs.advances, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(h.obs.progressDone, 4);
    EXPECT_EQ(h.obs.progressTotal, 4);
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    EXPECT_TRUE(h.engine.canStart());
}

// Relative paths of a list count from its folder: each command changes there first, on the same
// line, so that one prompt ends both.
TEST(RunEngine, EachCommandRunsInTheListFolder)
{
    for (const Dialect d : {Dialect::Cmd, Dialect::Sh}) {
        Harness h(d);
        h.startUp();
        CDpctData item;
        item.path = "cuda/a.cu";
        ASSERT_TRUE(h.engine.start({&item}, d == Dialect::Cmd ? "C:\\my lists" : "/my lists"));
        h.engine.processPending();
        EXPECT_EQ(h.console.written.back(), d == Dialect::Cmd
                                                ? R"(cd /d "C:\my lists" && dpct.exe "cuda/a.cu")"
                                                : "cd '/my lists' && dpct 'cuda/a.cu'");
        h.answer(kOk);
        EXPECT_EQ(item.status, ItemStatus::ConvertedOk);
    }
}

TEST(RunEngine, EmptyPathWritesEmptyLineAndFailsTheItem)
{
    Harness h;
    h.startUp();
    CDpctData item;
    ASSERT_TRUE(h.engine.start({&item}));
    h.engine.processPending();
    EXPECT_EQ(h.console.written.back(), "");
    h.answer("");
    EXPECT_EQ(item.status, ItemStatus::ConvertedNg);
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
}

TEST(RunEngine, RefusedAndOverlongLinesFailWithoutBeingSent)
{
    for (Dialect d : {Dialect::Cmd, Dialect::Sh}) {
        Harness h(d);
        h.startUp();
        const std::size_t before = h.console.written.size();
        h.console.refuse = "refused.cu";
        std::vector<CDpctData> list(4);
        list[0].path = "/src/bad\nname.cu";
        list[3].path = "/src/refused.cu";
        list[1].path = "/src/" + std::string(8200, 'x') + ".cu";
        list[2].path = "/src/good.cu";
        ASSERT_TRUE(h.engine.start({&list[0], &list[3], &list[1], &list[2]}));
        h.engine.processPending();
        h.engine.processPending();
        h.engine.processPending();
        EXPECT_EQ(list[0].status, ItemStatus::ConvertedNg);
        EXPECT_EQ(list[0].resultText, "[Tovalo] Not converted: the source path contains a line break.\n");
        h.engine.processPending();
        EXPECT_EQ(list[3].status, ItemStatus::ConvertedNg);
        EXPECT_NE(list[3].resultText.find("refused by the console"), std::string::npos);
        if (d == Dialect::Cmd) {
            EXPECT_EQ(list[1].status, ItemStatus::ConvertedNg);
            EXPECT_NE(list[1].resultText.find("8191"), std::string::npos);
            EXPECT_EQ(h.console.written.size(), before + 1); // only the good item
        } else {
            // A POSIX shell takes the long line whole.
            EXPECT_EQ(list[1].status, ItemStatus::Converting);
            EXPECT_EQ(h.console.written.back().size(), list[1].path.size() + 7);
            h.answer(kOk);
            h.engine.processPending();
            EXPECT_EQ(list[1].status, ItemStatus::ConvertedOk);
        }
        EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
        h.answer(kOk);
        EXPECT_EQ(list[2].status, ItemStatus::ConvertedOk);
        EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    }
}

TEST(RunEngine, PauseBeforeTheCommandIsWrittenStillWritesItOnResume)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 2)));
    ASSERT_EQ(h.engine.phase(), RunPhase::ItemRequested);
    const std::size_t before = h.console.written.size();
    h.engine.togglePause();
    EXPECT_TRUE(h.engine.isPaused());
    EXPECT_TRUE(h.console.paused);
    h.engine.processPending(); // the wake-up that fell into the pause
    EXPECT_EQ(h.console.written.size(), before);
    h.engine.togglePause();
    EXPECT_FALSE(h.console.paused);
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRequested);
    h.engine.processPending();
    EXPECT_EQ(h.console.written.size(), before + 1);
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
}

TEST(RunEngine, PromptThatArrivesWhilePausedIsJudgedOnResume)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 2)));
    h.engine.processPending();
    h.engine.togglePause();
    // Output read before the pause took effect is shown but not judged.
    h.answer(kOk);
    EXPECT_EQ(list[0].status, ItemStatus::Converting);
    EXPECT_EQ(h.engine.phase(), RunPhase::Paused);
    h.engine.togglePause();
    h.engine.processPending();
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedOk);
    h.engine.processPending();
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
    EXPECT_EQ(h.console.written.back(), "dpct '/src/f1.cu'");
}

TEST(RunEngine, StopKeepsStartDisabledUntilTheStoppedCommandsPromptIsBack)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    auto items = h.items(list, 3);
    ASSERT_TRUE(h.engine.start(items));
    h.engine.processPending();
    h.answer(kOk);
    h.engine.processPending();
    h.feed("dpct '/src/f1.cu'\nParsing: /src/f1.cu\n");
    h.engine.stop();
    EXPECT_EQ(h.engine.phase(), RunPhase::StopRequested);
    EXPECT_EQ(h.obs.progressTotal, -1);
    h.engine.processPending();
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedOk);
    EXPECT_EQ(list[1].status, ItemStatus::None);
    EXPECT_EQ(list[2].status, ItemStatus::None);
    EXPECT_TRUE(h.engine.stoppedCommandRunning());
    EXPECT_FALSE(h.engine.canStart());
    EXPECT_FALSE(h.engine.start(items));
    // The old command ends; its output is shown and judged for nothing.
    h.feed("Processed 1 file(s) in -in-root folder \"/src\"\n\ntovalo> ");
    EXPECT_FALSE(h.engine.stoppedCommandRunning());
    EXPECT_EQ(list[1].status, ItemStatus::None);
    EXPECT_EQ(list[1].resultText, "dpct '/src/f1.cu'\nParsing: /src/f1.cu\n");
    ASSERT_TRUE(h.engine.start(items));
    h.engine.processPending();
    // The new run's first item is judged by its own output only.
    h.answer("dpct exited with code: -3 (Error)");
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedNg);
}

TEST(RunEngine, StopWhilePausedResumesReadingAndEndsIdle)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 2)));
    h.engine.processPending();
    h.engine.togglePause();
    h.answer(kOk); // the command ended while paused
    h.engine.stop();
    EXPECT_FALSE(h.console.paused);
    h.engine.processPending();
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    EXPECT_EQ(list[0].status, ItemStatus::None);
    // Its prompt was already read, so start is enabled at once.
    EXPECT_FALSE(h.engine.stoppedCommandRunning());
    EXPECT_TRUE(h.engine.canStart());
}

TEST(RunEngine, DeadInterpreterEndsTheRunAndIsRestarted)
{
    Harness h;
    h.startUp();
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 3)));
    h.engine.processPending();
    h.feed("dpct '/src/f0.cu'\nParsing: /src/f0.cu\n");
    h.console.ended = true;
    h.engine.processPending();
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(list[0].exitCode, -1);
    // The items not reached have their earlier status back.
    EXPECT_EQ(list[1].status, ItemStatus::None);
    EXPECT_EQ(list[2].status, ItemStatus::None);
    EXPECT_EQ(h.obs.advances.back(), false);
    EXPECT_NE(h.obs.text.find("[Tovalo] The command interpreter has ended (killed by signal 9)"),
              std::string::npos);
    EXPECT_EQ(h.console.opens, 2);
    EXPECT_EQ(h.engine.phase(), RunPhase::AwaitPrompt);
    EXPECT_FALSE(h.engine.canStart());
    // The new interpreter goes through the start-up again, then a run works.
    h.feed("\ntovalo> ");
    h.answer(":: oneAPI environment initialized ::");
    h.answer(kVersion);
    ASSERT_TRUE(h.engine.start({&list[1]}));
    h.engine.processPending();
    h.answer(kOk);
    EXPECT_EQ(list[1].status, ItemStatus::ConvertedOk);
}

TEST(RunEngine, InterpreterThatKeepsDyingIsGivenUp)
{
    Harness h;
    Message error;
    ASSERT_TRUE(h.engine.startUp(error));
    for (int i = 0; i < 4; ++i) {
        h.console.ended = true;
        h.engine.processPending();
    }
    EXPECT_TRUE(h.engine.consoleLost());
    EXPECT_EQ(h.console.opens, 4);
    EXPECT_FALSE(h.engine.canStart());
}

TEST(RunEngine, StartWithNoItemsDoesNothing)
{
    Harness h;
    h.startUp();
    EXPECT_FALSE(h.engine.start({}));
    EXPECT_FALSE(h.engine.start({nullptr}));
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
}

TEST(RunEngine, PromptInsideOutputLinesDoesNotEndTheCommand)
{
    Harness h;
    h.startUp();
    CDpctData item;
    item.path = "/src/a.cu";
    ASSERT_TRUE(h.engine.start({&item}));
    h.engine.processPending();
    h.feed("dpct '/src/a.cu'\nsome tovalo> text\ntovalo> x\nParsing: /src/a.cu\nProcess");
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
    h.feed("ed 1 file(s)\n\ntovalo");
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
    h.feed("> ");
    EXPECT_EQ(item.status, ItemStatus::ConvertedOk);
}

TEST(RunEngine, BurstIsHandledInBoundedSharesWholeCharactersAndSameJudgement)
{
    Harness h;
    h.startUp();
    CDpctData item;
    item.path = "/src/a.cu";
    ASSERT_TRUE(h.engine.start({&item}));
    h.engine.processPending();
    // About a megabyte in one read, lines of three-byte characters, and the interpreter's end
    // reported together with it.
    std::string burst = "dpct '/src/a.cu'\nParsing: /src/a.cu\ndpct exited with code: -7 (x)\n";
    while (burst.size() < 4 * RunEngine::kMaxTextPerCall)
        burst += "warning \xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\n";
    burst += "Processed 1 file(s)\n";
    const std::size_t promptAt = burst.size();
    h.console.queued = burst;
    // The prompt and the end come while the engine still handles the burst: the console does not
    // wake the host for them, as its queue was not empty.
    burst += "tovalo> ";

    const std::size_t shown = h.obs.text.size();
    int calls = 0;
    bool shortShare = false;
    for (;;) {
        const int wakes = h.wakes;
        const std::size_t before = h.obs.text.size();
        h.engine.processPending();
        if (++calls == 1) {
            h.console.queued = "tovalo> ";
            h.console.ended = true;
        }
        const std::size_t share = std::min(h.obs.text.size(), shown + burst.size()) - before;
        EXPECT_LE(share, RunEngine::kMaxTextPerCall);
        if (before + share < shown + burst.size()) {
            // More is left: the engine asks for the next call itself, and has cut between characters.
            EXPECT_GT(h.wakes, wakes);
            EXPECT_NE(static_cast<unsigned char>(h.obs.text[before + share]) & 0xC0, 0x80);
            EXPECT_EQ(item.status, ItemStatus::Converting);
            EXPECT_EQ(h.console.opens, 1);
            shortShare = shortShare || share < RunEngine::kMaxTextPerCall;
        }
        if (h.wakes == wakes)
            break;
        ASSERT_LT(calls, 100);
    }
    EXPECT_GE(calls, 4);
    EXPECT_TRUE(shortShare); // a share was cut short not to split a character
    EXPECT_EQ(h.obs.text.substr(shown, burst.size()), burst);
    // The item is judged from its own lines, before the interpreter's end is handled.
    EXPECT_EQ(item.status, ItemStatus::ConvertedNg);
    EXPECT_EQ(item.exitCode, -7);
    EXPECT_EQ(item.resultText, burst.substr(0, promptAt));
    EXPECT_EQ(h.console.opens, 2);
    EXPECT_NE(h.obs.text.find("[Tovalo] The command interpreter has ended", shown + burst.size()),
              std::string::npos);
}

namespace {

// The prompt a POSIX console frames itself, with the marker of this interpreter.
const PromptForm kForm{"[5f1c2a9e3b7d ", "] tovalo> "};

std::string framedPrompt(int status)
{
    return kForm.before + std::to_string(status) + kForm.after;
}

// A harness whose console frames its prompt with the exit status, started up.
struct FramedHarness : Harness
{
    FramedHarness()
    {
        console.form = kForm;
        Message error;
        EXPECT_TRUE(engine.startUp(error));
        feed("\n" + framedPrompt(0));
        answer(":: oneAPI environment initialized ::", 0);
        answer(kVersion, 0);
        EXPECT_TRUE(engine.canStart());
    }
    void answer(const std::string& output, int status)
    {
        feed(console.written.back() + "\n" + output + "\n" + framedPrompt(status));
    }
};

} // namespace

TEST(RunEngine, CommandThatEndsUndecidedFailsWithTheStatusItsPromptCarries)
{
    FramedHarness h;
    EXPECT_EQ(h.engine.prompt(), framedPrompt(0));
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 5)));
    h.engine.processPending();
    // Killed by SIGSEGV after its progress lines; the crash handler's own exit; silent; a line the
    // interpreter rejected; and a judged item, whose status stays that of its lines.
    h.answer("Parsing: /src/f0.cu\nAnalyzing: /src/f0.cu\nStack dump:\nSegmentation fault (core dumped)",
             139);
    h.engine.processPending();
    h.answer("PLEASE submit a bug report", 255);
    h.engine.processPending();
    h.answer("", 0);
    h.engine.processPending();
    h.answer("bash: eval: line 1: syntax error near unexpected token `('", 2);
    h.engine.processPending();
    h.answer("dpct exited with code: -3 (Error)", 253);
    const std::vector<std::pair<ItemStatus, int>> expected = {{ItemStatus::ConvertedNg, 139},
                                                              {ItemStatus::ConvertedNg, 255},
                                                              {ItemStatus::ConvertedNg, 0},
                                                              {ItemStatus::ConvertedNg, 2},
                                                              {ItemStatus::ConvertedNg, -3}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list[i].status, expected[i].first);
        EXPECT_EQ(list[i].exitCode, expected[i].second);
        EXPECT_EQ(list[i].resultText.find(kForm.before), std::string::npos);
    }
    EXPECT_NE(list[0].resultText.find("Analyzing: /src/f0.cu\nStack dump:\n"), std::string::npos);
    EXPECT_EQ(h.obs.finished.size(), 5u);
    EXPECT_EQ(h.engine.phase(), RunPhase::Idle);
    EXPECT_TRUE(h.engine.canStart());
}

TEST(RunEngine, OnlyTheFramedPromptEndsACommandOrCutsItsText)
{
    FramedHarness h;
    CDpctData item;
    item.path = "/src/tovalo> x/a.cu";
    ASSERT_TRUE(h.engine.start({&item}));
    h.engine.processPending();
    // The interpreter's old prompt and a prompt of another interpreter are just output.
    h.feed(h.console.written.back() +
           "\nParsing: /src/tovalo> x/a.cu\ntovalo> \n[0123456789ab 0] tovalo> \n");
    h.feed("Processed 1 file(s) in -in-root folder \"/src/tovalo> x\"\n\ntovalo> ");
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
    h.feed("\n" + kForm.before + "0");
    EXPECT_EQ(h.engine.phase(), RunPhase::ItemRunning);
    h.feed(kForm.after);
    EXPECT_EQ(item.status, ItemStatus::ConvertedOk);
    EXPECT_EQ(item.exitCode, 0);
    EXPECT_NE(item.resultText.find("\"/src/tovalo> x\"\n\ntovalo> \n"), std::string::npos) << item.resultText;
}

TEST(RunEngine, StopInterruptsOnlyACommandThatRuns)
{
    FramedHarness h;
    std::vector<CDpctData> list;
    // Stopped before its command was written: nothing to interrupt, nothing to wait for.
    ASSERT_TRUE(h.engine.start(h.items(list, 2)));
    h.engine.stop();
    h.engine.processPending();
    EXPECT_EQ(h.console.interrupts, 0);
    EXPECT_FALSE(h.engine.stoppedCommandRunning());
    EXPECT_TRUE(h.engine.canStart());
    // Stopped while dpct runs (and while paused): interrupted once; the item returns to none
    // and start waits for the interrupted command's prompt.
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused);
        ASSERT_TRUE(h.engine.start(h.items(list, 2)));
        h.engine.processPending();
        ASSERT_EQ(h.engine.phase(), RunPhase::ItemRunning);
        if (paused)
            h.engine.togglePause();
        const int before = h.console.interrupts;
        h.engine.stop();
        EXPECT_EQ(h.console.interrupts, before + 1);
        EXPECT_FALSE(h.console.paused);
        h.engine.processPending();
        EXPECT_EQ(list[0].status, ItemStatus::None);
        EXPECT_EQ(list[1].status, ItemStatus::None);
        EXPECT_TRUE(h.engine.stoppedCommandRunning());
        EXPECT_FALSE(h.engine.canStart());
        h.feed("Parsing: /src/f0.cu\n\n" + framedPrompt(130));
        EXPECT_FALSE(h.engine.stoppedCommandRunning());
        EXPECT_TRUE(h.engine.canStart());
        EXPECT_EQ(list[0].status, ItemStatus::None);
    }
}

TEST(RunEngine, HostThatEndsWithItsRunDoesNotRestartTheInterpreter)
{
    Harness h(Dialect::Sh, "/opt/intel/oneapi/", false);
    h.startUp();
    std::vector<CDpctData> list;
    ASSERT_TRUE(h.engine.start(h.items(list, 2)));
    h.engine.processPending();
    h.console.ended = true;
    h.engine.processPending();
    EXPECT_EQ(list[0].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(list[0].exitCode, -1);
    EXPECT_EQ(list[1].status, ItemStatus::None);
    EXPECT_EQ(h.console.opens, 1);
    EXPECT_TRUE(h.engine.consoleLost());
    EXPECT_FALSE(h.engine.canStart());
    EXPECT_NE(h.obs.text.find("[Tovalo] The command interpreter has ended"), std::string::npos);
    EXPECT_EQ(h.obs.text.find("[Tovalo] A new command interpreter"), std::string::npos);
    EXPECT_EQ(h.obs.text.find("it is not started again"), std::string::npos);
}

TEST(RunEngine, NoticesAndResultReasonsAreWordedByTheHost)
{
    // The GUI words the engine's messages in the interface language; here a wording that shows
    // the identifier and the worded arguments.
    Harness h;
    std::vector<Message> worded;
    h.engine.setWording([&worded](const Message& m) {
        worded.push_back(m);
        std::string s = "#" + std::to_string(static_cast<int>(m.id));
        for (const Message& a : m.args)
            s += "[" + englishText(a) + "]";
        return s;
    });
    h.startUp();
    std::vector<CDpctData> list(2);
    list[0].path = "/src/bad\nname.cu";
    list[1].path = "/src/f1.cu";
    ASSERT_TRUE(h.engine.start({&list[0], &list[1]}));
    h.engine.processPending();
    ASSERT_FALSE(worded.empty());
    const Message notConverted(
        MessageId::NotConverted,
        {Message(MessageId::ValueRefused, {MessageId::SubjectSourcePath, MessageId::HasLineBreak})});
    EXPECT_EQ(worded.back(), notConverted);
    const std::string expected = "[Tovalo] #" + std::to_string(static_cast<int>(MessageId::NotConverted)) +
                                 "[" + englishText(notConverted.args[0]) + "]\n";
    EXPECT_EQ(list[0].resultText, expected);
    EXPECT_NE(h.obs.text.find(expected), std::string::npos);

    h.engine.processPending();
    h.feed("dpct '/src/f1.cu'\nParsing: /src/f1.cu\n");
    h.console.ended = true;
    h.engine.processPending();
    EXPECT_NE(list[1].resultText.find(
                  "\n[Tovalo] #" + std::to_string(static_cast<int>(MessageId::EndedDuringConversion)) + "\n"),
              std::string::npos)
        << list[1].resultText;
    EXPECT_NE(h.obs.text.find("\n[Tovalo] #" + std::to_string(static_cast<int>(MessageId::InterpreterEnded)) +
                              "[killed by signal 9]\n"),
              std::string::npos)
        << h.obs.text;
    EXPECT_NE(
        h.obs.text.find("[Tovalo] #" + std::to_string(static_cast<int>(MessageId::InterpreterRestarted))),
        std::string::npos);
}

// An earlier run left b and d NG. A new run over them that is stopped during b, or whose
// interpreter ends during b, must not touch d, which never started; b keeps what it printed.
TEST(RunEngine, ItemsKeepTheirEarlierResultsUntilTheyStart)
{
    for (const bool interpreterEnds : {false, true}) {
        SCOPED_TRACE(interpreterEnds);
        FramedHarness h;
        std::vector<CDpctData> list;
        auto items = h.items(list, 2);
        for (CDpctData& d : list) {
            d.status = ItemStatus::ConvertedNg;
            d.exitCode = -5;
            d.resultText = "earlier output of " + d.path;
            d.diagnostics = {DpctDiagnostic{d.path, 3, 1, "warning", "DPCT1003", "x"}};
            d.elapsedMs = 42;
        }
        ASSERT_TRUE(h.engine.start(items));
        EXPECT_EQ(list[1].status, ItemStatus::Waiting);
        EXPECT_EQ(list[1].resultText, "earlier output of /src/f1.cu");
        h.engine.processPending();
        ASSERT_EQ(list[0].status, ItemStatus::Converting);
        EXPECT_TRUE(list[0].resultText.empty());
        EXPECT_TRUE(list[0].diagnostics.empty());
        h.feed("dpct '/src/f0.cu'\nParsing: /src/f0.cu\n/src/f0.cu:1:1: warning: DPCT1049:0: y\n");
        if (interpreterEnds) {
            h.console.ended = true;
        } else {
            h.engine.stop();
        }
        h.engine.processPending();
        EXPECT_EQ(list[0].status, interpreterEnds ? ItemStatus::ConvertedNg : ItemStatus::None);
        EXPECT_NE(list[0].resultText.find("Parsing: /src/f0.cu\n"), std::string::npos) << list[0].resultText;
        ASSERT_EQ(list[0].diagnostics.size(), 1u);
        EXPECT_EQ(list[0].diagnostics[0].code, "DPCT1049");
        EXPECT_EQ(list[1].status, ItemStatus::ConvertedNg);
        EXPECT_EQ(list[1].exitCode, -5);
        EXPECT_EQ(list[1].resultText, "earlier output of /src/f1.cu");
        EXPECT_EQ(list[1].diagnostics.size(), 1u);
        EXPECT_EQ(list[1].elapsedMs, 42);
    }
}
