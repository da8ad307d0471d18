// The run engine with the platform's real console and the simulated oneAPI toolkit: bash here,
// cmd.exe under wine.

#include "base/text.h"
#include "runner/console.h"
#include "runner/run_engine.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

using namespace tovalo;
using namespace std::chrono_literals;

namespace {

class Observer : public RunObserver
{
public:
    void consoleText(std::string_view t) override { text += t; }
    void advance(bool next) override
    {
        if (!next)
            ++runEnds;
    }
    std::string text;
    int runEnds = 0;
};

struct Rig
{
    Rig()
        : console(createPlatformConsole()),
          engine(*console, observer, RunEngineConfig{toolkitRoot(), 3}, [this] { wake(); })
    {
        dir =
            std::filesystem::temp_directory_path() /
            ("tovalo-engine-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir);
    }
    ~Rig()
    {
        console->close();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::string toolkitRoot()
    {
        std::string root = TOVALO_SIM_TOOLKIT_DIR;
        if (createPlatformConsole()->dialect() == Dialect::Cmd) {
            // The build tree seen from Windows programs under wine.
            if (root.starts_with("/"))
                root = "Z:" + root;
            for (char& c : root)
                if (c == '/')
                    c = '\\';
            return root + "\\";
        }
        return root + "/";
    }
    void wake()
    {
        {
            std::lock_guard l(m);
            woken = true;
        }
        cv.notify_one();
    }
    // Runs the host loop until `done` holds or `limit` passes.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::seconds limit = 60s)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            engine.processPending();
            if (done())
                return true;
            std::unique_lock l(m);
            if (!cv.wait_until(l, deadline, [this] { return woken; }))
                return false;
            woken = false;
        }
    }
    CDpctData source(const std::string& name, const std::string& directives)
    {
        const std::filesystem::path p = dir / name;
        std::ofstream(p) << "// dpct-sim: " << directives << "\n__global__ void k() { __syncthreads(); }\n";
        CDpctData item;
        item.path = utf8FromPath(p);
        item.setOn(slotOf("--out-root"), true);
        item.setText(slotOf("--out-root"), utf8FromPath(dir / "out"));
        return item;
    }
    static int slotOf(std::string_view name)
    {
        for (const OptionInfo& o : optionTable())
            if (o.name == name)
                return o.slot;
        return -1;
    }
    void startUp()
    {
        Message error;
        ASSERT_TRUE(engine.startUp(error)) << error;
        ASSERT_TRUE(pumpUntil([this] { return engine.startUpDone() && engine.phase() == RunPhase::Idle; }))
            << observer.text;
        ASSERT_EQ(engine.dpctVersion(), "2024.2.0");
    }

    std::mutex m;
    std::condition_variable cv;
    bool woken = false;
    Observer observer;
    std::unique_ptr<Console> console;
    RunEngine engine;
    std::filesystem::path dir;
};

} // namespace

TEST(EngineWithConsole, StartUpAndARunOfEveryOutcome)
{
    Rig rig;
    rig.startUp();
    std::vector<CDpctData> items = {
        rig.source("ok.cu", "result=ok"),
        rig.source("warn.cu", "result=warnings warnings=3 progress=processing"),
        rig.source("fail.cu", "result=exit-code exit-code=-3"),
        rig.source("parse.cu", "result=parse-error"),
        rig.source("none.cu", "result=no-cuda"),
    };
    std::vector<CDpctData*> ptrs;
    for (CDpctData& d : items)
        ptrs.push_back(&d);
    ASSERT_TRUE(rig.engine.start(ptrs));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.observer.text;
    EXPECT_EQ(items[0].status, ItemStatus::ConvertedOk) << items[0].resultText;
    EXPECT_EQ(items[1].status, ItemStatus::ConvertedOk) << items[1].resultText;
    EXPECT_EQ(items[2].status, ItemStatus::ConvertedNg) << items[2].resultText;
    EXPECT_EQ(items[2].exitCode, -3);
    EXPECT_EQ(items[3].status, ItemStatus::SyntaxError) << items[3].resultText;
    EXPECT_EQ(items[4].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(items[4].exitCode, 1);
    EXPECT_NE(items[1].resultText.find("warning: DPCT"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(rig.dir / "out" / "ok.dp.cpp"));
    EXPECT_EQ(rig.engine.phase(), RunPhase::Idle);
}

TEST(EngineWithConsole, PauseWhileDpctRunsThenResume)
{
    Rig rig;
    rig.startUp();
    // Output small enough for the interpreter's pipe on Windows too (a few KiB): dpct can finish
    // while nothing is read.
    std::vector<CDpctData> items = {rig.source("slow.cu", "result=warnings warnings=5 delay-ms=600"),
                                    rig.source("ok.cu", "result=ok")};
    ASSERT_TRUE(rig.engine.start({&items[0], &items[1]}));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.phase() == RunPhase::ItemRunning; }));
    rig.engine.togglePause();
    ASSERT_TRUE(rig.engine.isPaused());
    // While paused nothing is judged, even once dpct has finished: the last file it writes is
    // there (the paused reader wakes no one, so the host looks for the file).
    const std::filesystem::path last = rig.dir / "out" / "MainSourceFiles.yaml";
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!std::filesystem::exists(last) && std::chrono::steady_clock::now() < deadline) {
        rig.engine.processPending();
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_TRUE(std::filesystem::exists(last));
    rig.engine.processPending();
    EXPECT_EQ(items[0].status, ItemStatus::Converting);
    EXPECT_EQ(rig.engine.phase(), RunPhase::Paused);
    rig.engine.togglePause();
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.observer.text;
    EXPECT_EQ(items[0].status, ItemStatus::ConvertedOk);
    EXPECT_EQ(items[1].status, ItemStatus::ConvertedOk);
}

TEST(EngineWithConsole, StopWhileRunningAndWhilePaused)
{
    Rig rig;
    rig.startUp();
    std::vector<CDpctData> items = {rig.source("slow.cu", "result=ok delay-ms=1500"),
                                    rig.source("ok.cu", "result=ok")};
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "running");
        ASSERT_TRUE(rig.engine.start({&items[0], &items[1]}));
        ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.phase() == RunPhase::ItemRunning; }));
        if (paused)
            rig.engine.togglePause();
        rig.engine.stop();
        ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.phase() == RunPhase::Idle; }));
        EXPECT_EQ(items[0].status, ItemStatus::None);
        EXPECT_EQ(items[1].status, ItemStatus::None);
        // The stopped dpct runs on; start waits for its prompt.
        EXPECT_TRUE(rig.engine.stoppedCommandRunning());
        EXPECT_FALSE(rig.engine.canStart());
        ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.canStart(); })) << rig.observer.text;
        EXPECT_EQ(items[0].status, ItemStatus::None);
        // It keeps what it printed before the stop (the echoed command, where the interpreter
        // echoes), and nothing of what came after.
        if (rig.console->dialect() == Dialect::Sh) {
            EXPECT_EQ(items[0].resultText.rfind("dpct ", 0), 0u) << items[0].resultText;
        }
        EXPECT_EQ(items[0].resultText.find("Processed"), std::string::npos) << items[0].resultText;
    }
}

TEST(EngineWithConsole, KilledInterpreterIsReplaced)
{
    Rig rig;
    rig.startUp();
    // The warning reaches the console before the long wait: the simulator runs once it is there.
    std::vector<CDpctData> items = {rig.source("slow.cu", "result=warnings warnings=1 delay-ms=20000"),
                                    rig.source("ok.cu", "result=ok")};
    ASSERT_TRUE(rig.engine.start({&items[0], &items[1]}));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.text.find("warning: DPCT") != std::string::npos; }))
        << rig.observer.text;
    std::string cmd;
    if (rig.console->dialect() == Dialect::Cmd) {
        // Every cmd.exe of this test run, ours among them.
        cmd = "taskkill /F /IM cmd.exe >NUL 2>&1";
    } else {
        // The parent of the running simulator; "[.]" keeps the pattern from matching the command
        // line of the shell that runs pgrep.
        std::string pattern = items[0].path;
        pattern.replace(pattern.rfind('.'), 1, "[.]");
        cmd = "kill -9 $(ps -o ppid= -p $(pgrep -f '" + pattern + "' | head -1))";
    }
    const int rc = std::system(cmd.c_str());
    if (rig.console->dialect() == Dialect::Sh) {
        ASSERT_EQ(rc, 0);
    }
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.observer.text;
    EXPECT_EQ(items[0].status, ItemStatus::ConvertedNg);
    EXPECT_EQ(items[1].status, ItemStatus::None); // not reached: its earlier status
    // A new interpreter goes through the start-up, and the next run works.
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.canStart(); })) << rig.observer.text;
    ASSERT_TRUE(rig.engine.start({&items[1]}));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 2; }));
    EXPECT_EQ(items[1].status, ItemStatus::ConvertedOk);
}

TEST(EngineWithConsole, OutputThatLooksLikeThePromptIsOnlyOutput)
{
    if (createPlatformConsole()->dialect() == Dialect::Cmd)
        GTEST_SKIP() << "'>' cannot stand in a Windows path";
    Rig rig;
    rig.startUp();
    std::filesystem::create_directories(rig.dir / "a tovalo> b");
    CDpctData item = rig.source("a tovalo> b/k.cu", "result=ok");
    ASSERT_TRUE(rig.engine.start({&item}));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.observer.text;
    EXPECT_EQ(item.status, ItemStatus::ConvertedOk) << item.resultText;
    EXPECT_NE(item.resultText.find("Processed 1 file(s)"), std::string::npos) << item.resultText;
    EXPECT_EQ(item.resultText.find(rig.console->promptForm().before), std::string::npos);
    // Another interpreter draws another marker.
    EXPECT_NE(createPlatformConsole()->promptForm().before, rig.console->promptForm().before);
}

TEST(EngineWithConsole, ItemsThatEndUndecidedFailWithTheirExitStatus)
{
    Rig rig;
    rig.startUp();
    const bool cmd = rig.console->dialect() == Dialect::Cmd;
    std::vector<CDpctData> items = {
        rig.source("crash.cu", "result=crash"), rig.source("caught.cu", "result=crash exit-code=255"),
        rig.source("quiet3.cu", "result=silent exit-code=3"), rig.source("quiet.cu", "result=silent"),
        rig.source("ok.cu", "result=ok")};
    std::vector<CDpctData*> ptrs;
    for (CDpctData& d : items)
        ptrs.push_back(&d);
    ASSERT_TRUE(rig.engine.start(ptrs));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.observer.text;
    // cmd's prompt carries no exit status: -1 there.
    const int expected[] = {139, 255, 3, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(items[i].path);
        EXPECT_EQ(items[i].status, ItemStatus::ConvertedNg) << items[i].resultText;
        EXPECT_EQ(items[i].exitCode, cmd ? -1 : expected[i]);
    }
    EXPECT_NE(items[0].resultText.find("Stack dump:"), std::string::npos);
    EXPECT_EQ(items[4].status, ItemStatus::ConvertedOk);
    EXPECT_TRUE(rig.engine.canStart());
}

TEST(EngineWithConsole, StopInterruptsADpctThatWouldRunForAnHour)
{
    Rig rig;
    rig.startUp();
    std::vector<CDpctData> items = {rig.source("hang.cu", "result=warnings warnings=2 delay-ms=3600000"),
                                    rig.source("ok.cu", "result=ok")};
    ASSERT_TRUE(rig.engine.start({&items[0], &items[1]}));
    // Both warnings come just before the long wait: dpct itself is running then.
    ASSERT_TRUE(rig.pumpUntil([&] {
        const std::size_t first = rig.observer.text.find("warning: DPCT");
        return first != std::string::npos &&
               rig.observer.text.find("warning: DPCT", first + 1) != std::string::npos;
    })) << rig.observer.text;
    const auto t0 = std::chrono::steady_clock::now();
    rig.engine.stop();
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.engine.canStart(); }, 20s)) << rig.observer.text;
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 15s);
    EXPECT_EQ(items[0].status, ItemStatus::None);
    EXPECT_EQ(items[1].status, ItemStatus::None);
    // The interpreter is the same one, and works.
    ASSERT_TRUE(rig.engine.start({&items[1]}));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 2; })) << rig.observer.text;
    EXPECT_EQ(items[1].status, ItemStatus::ConvertedOk);
    EXPECT_EQ(rig.observer.text.find("[Tovalo] The command interpreter has ended"), std::string::npos);
}
