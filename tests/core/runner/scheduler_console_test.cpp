// The run scheduler over the platform's real consoles and the simulated toolkit: bash here,
// cmd.exe under wine. The simulator fails (97) whenever two of it work in one out-root at once.

#include "base/text.h"
#include "runner/console.h"
#include "runner/run_scheduler.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>

#include <gtest/gtest.h>

using namespace tovalo;
using namespace std::chrono_literals;

namespace {

class Observer : public RunObserver
{
public:
    void consoleText(std::string_view t) override { text += t; }
    void consoleLines(int console, const CDpctData*, std::string_view lines) override
    {
        consolesSeen = std::max(consolesSeen, console + 1);
        text += lines;
    }
    void advance(bool next) override
    {
        if (!next)
            ++runEnds;
    }
    std::string text;
    int runEnds = 0;
    int consolesSeen = 1;
};

struct Rig
{
    explicit Rig(int consoles)
        : scheduler([] { return createPlatformConsole(); }, observer, RunEngineConfig{toolkitRoot(), 3},
                    [this] { wake(); })
    {
        scheduler.setConsoleLimit(consoles);
        dir = std::filesystem::temp_directory_path() /
              ("tovalo-sched-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir);
        // The interpreters start in the current folder, where relative out-roots then count from.
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        Message error;
        EXPECT_TRUE(scheduler.startUp(error));
        EXPECT_TRUE(pumpUntil([&] { return scheduler.canStart(); })) << text();
    }
    ~Rig()
    {
        scheduler.closeConsoles();
        std::error_code ec;
        std::filesystem::current_path(previousFolder, ec);
        std::filesystem::remove_all(dir, ec);
    }
    const std::string& text() const { return observer.text; }
    static bool cmd() { return createPlatformConsole()->dialect() == Dialect::Cmd; }
    static std::string toolkitRoot()
    {
        std::string root = TOVALO_SIM_TOOLKIT_DIR;
        if (cmd()) {
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
    bool pumpUntil(const std::function<bool()>& done, std::chrono::seconds limit = 90s)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            scheduler.processPending();
            if (done())
                return true;
            std::unique_lock l(m);
            if (!cv.wait_until(l, deadline, [this] { return woken; }))
                return false;
            woken = false;
        }
    }
    // An item writing into `outRoot` (relative ones against the run's folder, `dir`).
    CDpctData& add(const std::string& name, const std::string& directives, const std::string& outRoot)
    {
        std::ofstream(dir / name) << "// dpct-sim: " << directives << "\n__global__ void k() {}\n";
        CDpctData& item = items.emplace_back();
        item.path = utf8FromPath(dir / name);
        item.setOn(kOutRoot, true);
        item.setText(kOutRoot, outRoot);
        return item;
    }
    bool start()
    {
        std::vector<CDpctData*> run;
        for (CDpctData& d : items)
            run.push_back(&d);
        return scheduler.start(run, utf8FromPath(dir));
    }

    std::filesystem::path dir;
    std::filesystem::path previousFolder;
    std::deque<CDpctData> items;
    Observer observer;
    std::mutex m;
    std::condition_variable cv;
    bool woken = false;
    RunScheduler scheduler;
};

} // namespace

// Three out-roots, each spelt more than one way; the items of each overlap in time unless the
// scheduler keeps them apart, which the simulator would fail.
TEST(SchedulerWithConsoles, ItemsOfOneOutRootNeverOverlap)
{
    Rig rig(3);
    const std::string sep = Rig::cmd() ? "\\" : "/";
    const std::string base = utf8FromPath(rig.dir);
    // Neighbours in the list share an out-root: a scheduler that let them run together would
    // start a0 and a1 at once.
    const std::string spellings[3][2] = {{base + sep + "oa", "oa" + sep},
                                         {"." + sep + "ob", base + sep + sep + "ob"},
                                         {"oc", "x" + sep + ".." + sep + "oc"}};
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < 2; ++i)
            rig.add(std::string(1, static_cast<char>('a' + g)) + std::to_string(i) + ".cu",
                    "result=ok delay-ms=400", spellings[g][i]);
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.observer.runEnds == 1; })) << rig.text();
    for (const CDpctData& d : rig.items)
        EXPECT_EQ(d.status, ItemStatus::ConvertedOk) << d.path << "\n" << d.resultText;
    EXPECT_EQ(rig.text().find("OUT-ROOT SHARED"), std::string::npos);
    EXPECT_EQ(rig.observer.consolesSeen, 3);
    EXPECT_EQ(rig.scheduler.openConsoles(), 3);
}

TEST(SchedulerWithConsoles, StopEndsTheDpctOfEveryConsole)
{
    Rig rig(3);
    for (const char* name : {"h1.cu", "h2.cu", "h3.cu"})
        rig.add(name, "result=warnings warnings=1 delay-ms=3600000", std::string("o") + name);
    ASSERT_TRUE(rig.start());
    // Each warning comes just before the long wait: every dpct runs then.
    ASSERT_TRUE(rig.pumpUntil([&] {
        std::size_t n = 0;
        for (std::size_t at = rig.text().find("warning: DPCT"); at != std::string::npos;
             at = rig.text().find("warning: DPCT", at + 1))
            ++n;
        return n == 3;
    })) << rig.text();
    const auto t0 = std::chrono::steady_clock::now();
    rig.scheduler.stop();
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.scheduler.canStart(); }, 30s)) << rig.text();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 20s);
    for (const CDpctData& d : rig.items)
        EXPECT_EQ(d.status, ItemStatus::None) << d.path;
    EXPECT_EQ(rig.text().find("[Tovalo] The command interpreter has ended"), std::string::npos);
}
