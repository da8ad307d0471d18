// The scheduler over several fake consoles: which item starts where and when, driven by text.

#include "fake_console.h"
#include "runner/run_scheduler.h"

#include <algorithm>
#include <deque>
#include <stdexcept>

#include <gtest/gtest.h>

using namespace tovalo;
using namespace tovalo::test;

namespace {

const PromptForm kForm{"[0b5e7c1d9a24 ", "] tovalo> "};
constexpr const char* kVersion = "\ndpct version 19.0.0. Codebase:(f27f4669). clang version 19.0.0\n\n";
constexpr const char* kOk = "Parsing: x\nProcessed 1 file(s) in -in-root folder \"/src\"";

std::string prompt(int status)
{
    return kForm.before + std::to_string(status) + kForm.after;
}

struct Line
{
    int console;
    const CDpctData* item;
    std::string text;
};

class Observer : public RecordingObserver
{
public:
    void itemStarted(CDpctData& item, int console) override { started.emplace_back(&item, console); }
    void consoleLines(int console, const CDpctData* item, std::string_view lines) override
    {
        this->lines.push_back({console, item, std::string(lines)});
    }
    std::vector<std::pair<CDpctData*, int>> started;
    std::vector<Line> lines;
};

// Items "/src/<name>.cu" whose out-root is given per item ("" = dpct's default), run with the
// list's folder /work.
struct Harness
{
    explicit Harness(int limit, bool restartAfterRun = true)
        : sched(
              [this] {
                  auto c = std::make_unique<FakeConsole>();
                  c->form = kForm;
                  consoles.push_back(c.get());
                  return c;
              },
              obs, RunEngineConfig{"/opt/intel/oneapi/", 3, restartAfterRun}, [] {})
    {
        sched.setConsoleLimit(limit);
        Message error;
        EXPECT_TRUE(sched.startUp(error));
        bringUp(0);
    }
    void pump()
    {
        for (int i = 0; i < 4; ++i)
            sched.processPending();
    }
    void feed(int console, const std::string& text)
    {
        consoles[static_cast<std::size_t>(console)]->queued += text;
        pump();
    }
    void answer(int console, const std::string& output, int status = 0)
    {
        feed(console, consoles[static_cast<std::size_t>(console)]->written.back() + "\n" + output + "\n" +
                          prompt(status));
    }
    // The first console asks dpct's version; the others start with what it told.
    void bringUp(int console)
    {
        const auto& written = consoles[static_cast<std::size_t>(console)]->written;
        feed(console, "\n" + prompt(0));
        answer(console, ":: oneAPI environment initialized ::");
        if (console == 0)
            answer(console, kVersion);
        EXPECT_EQ(std::count(written.begin(), written.end(), "dpct --version"), console == 0 ? 1 : 0)
            << console;
    }
    void add(const std::string& name, const std::string& outRoot)
    {
        CDpctData& d = list.emplace_back();
        d.path = "/src/" + name + ".cu";
        if (!outRoot.empty()) {
            d.setOn(kOutRoot, true);
            d.setText(kOutRoot, outRoot);
        }
    }
    bool start()
    {
        std::vector<CDpctData*> items;
        for (CDpctData& d : list)
            items.push_back(&d);
        const bool ok = sched.start(items, "/work");
        pump();
        return ok;
    }
    CDpctData& item(const std::string& name)
    {
        for (CDpctData& d : list)
            if (d.path == "/src/" + name + ".cu")
                return d;
        throw std::logic_error("no item " + name);
    }
    // The item whose command console `i` ran last ("" when none).
    std::string runningOn(int console) const
    {
        const auto& written = consoles[static_cast<std::size_t>(console)]->written;
        if (written.empty() || written.back().find("/src/") == std::string::npos)
            return {};
        const std::string& w = written.back();
        const std::size_t at = w.find("/src/") + 5;
        return w.substr(at, w.find(".cu", at) - at);
    }
    int consoleOf(const std::string& name)
    {
        for (auto it = obs.started.rbegin(); it != obs.started.rend(); ++it)
            if (it->first == &item(name))
                return it->second;
        return -1;
    }
    std::vector<std::string> converting()
    {
        std::vector<std::string> names;
        for (const CDpctData& d : list)
            if (d.status == ItemStatus::Converting)
                names.push_back(d.path.substr(5, d.path.size() - 8));
        return names;
    }

    std::vector<FakeConsole*> consoles;
    Observer obs;
    std::deque<CDpctData> list;
    RunScheduler sched;
};

} // namespace

// a* write into one folder spelt four ways, b* into dpct's default spelt two ways, c into a third.
TEST(RunScheduler, OutRootNeverSharedListOrderWithinItAndTheFirstFreeItemStartsNext)
{
    Harness h(3);
    h.add("a1", "/work/outA");
    h.add("a2", "outA/");
    h.add("b1", "");
    h.add("a3", "/work/./x/../outA//");
    h.add("c1", "/work/outC");
    h.add("b2", "dpct_output");
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.runningOn(0), "a1");
    // b1 and c1 could start: two more consoles are opened, each taking one once started up.
    ASSERT_EQ(h.consoles.size(), 3u);
    h.bringUp(1);
    h.bringUp(2);
    EXPECT_EQ(h.runningOn(1), "b1");
    EXPECT_EQ(h.runningOn(2), "c1");
    EXPECT_EQ(h.sched.phase(), RunPhase::ItemRunning);
    // c1 ends: a2 and b2 wait for their folders, so console 2 stays idle.
    const std::size_t written = h.consoles[2]->written.size();
    h.answer(2, kOk);
    EXPECT_EQ(h.item("c1").status, ItemStatus::ConvertedOk);
    EXPECT_EQ(h.consoles[2]->written.size(), written);
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"a1", "b1"}));
    // b1 ends: b2 is the first waiting item whose folder is free, ahead of the later a3.
    h.answer(1, kOk);
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"a1", "b2"}));
    h.answer(0, kOk);
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"a2", "b2"}));
    h.answer(h.consoleOf("a2"), kOk);
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"a3", "b2"}));
    h.answer(h.consoleOf("b2"), kOk);
    h.answer(h.consoleOf("a3"), kOk);
    EXPECT_EQ(h.sched.phase(), RunPhase::Idle);
    EXPECT_EQ(h.obs.advances.back(), false);
    EXPECT_EQ(h.obs.progressDone, 6);
    for (const CDpctData& d : h.list)
        EXPECT_EQ(d.status, ItemStatus::ConvertedOk) << d.path;
    std::vector<std::string> aOrder;
    for (const auto& [item, console] : h.obs.started)
        if (item->path.starts_with("/src/a"))
            aOrder.push_back(item->path);
    EXPECT_EQ(aOrder, (std::vector<std::string>{"/src/a1.cu", "/src/a2.cu", "/src/a3.cu"}));
    // Several consoles: their output came as whole lines, each line of an item's command with it.
    EXPECT_EQ(h.obs.text, "\n" + prompt(0) +
                              ". '/opt/intel/oneapi/setvars.sh'\n:: oneAPI environment initialized ::\n" +
                              prompt(0) + "dpct --version\n" + kVersion + "\n" + prompt(0) + "\n");
    for (const Line& l : h.obs.lines) {
        EXPECT_EQ(l.text.back(), '\n');
        if (const std::size_t at = l.text.find("/src/"); at != std::string::npos) {
            ASSERT_NE(l.item, nullptr) << l.text;
            EXPECT_NE(l.text.find(l.item->path), std::string::npos) << l.text;
        }
    }
    EXPECT_TRUE(h.sched.canStart());
}

TEST(RunScheduler, OneConsoleOrOneOutRootIsTheSingleConsoleRun)
{
    for (const int limit : {1, 4}) {
        SCOPED_TRACE(limit);
        Harness h(limit);
        h.add("f0", limit == 1 ? "/o/0" : "/o");
        h.add("f1", limit == 1 ? "/o/1" : "/o/");
        h.add("f2", limit == 1 ? "" : "/o/.");
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.sched.runConsoles(), 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(h.runningOn(0), "f" + std::to_string(i));
            h.answer(0, kOk);
        }
        EXPECT_EQ(h.consoles.size(), 1u);
        EXPECT_TRUE(h.obs.lines.empty());
        // Every command runs in the run's folder.
        EXPECT_NE(h.obs.text.find(prompt(0) + "cd '/work' && dpct --out-root="), std::string::npos)
            << h.obs.text;
        EXPECT_EQ(h.obs.advances, (std::vector<bool>{true, true, false}));
        EXPECT_EQ(h.sched.phase(), RunPhase::Idle);
    }
}

TEST(RunScheduler, PauseLetsRunningItemsFinishAndStartsNothingNew)
{
    Harness h(2);
    h.add("a", "/o/a");
    h.add("b", "/o/b");
    h.add("c", "/o/c");
    ASSERT_TRUE(h.start());
    h.bringUp(1);
    h.sched.togglePause();
    EXPECT_TRUE(h.sched.isPaused());
    EXPECT_EQ(h.sched.phase(), RunPhase::Paused);
    EXPECT_FALSE(h.consoles[0]->paused);
    h.answer(0, kOk);
    EXPECT_EQ(h.item("a").status, ItemStatus::ConvertedOk);
    EXPECT_EQ(h.item("c").status, ItemStatus::Waiting);
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(h.consoles[0]->written.back(), "cd '/work' && dpct --out-root='/o/a' '/src/a.cu'");
    h.sched.togglePause();
    h.pump();
    EXPECT_EQ(h.converting(), (std::vector<std::string>{"b", "c"}));
}

TEST(RunScheduler, StopInterruptsEveryConsoleAndKeepsUnstartedResults)
{
    Harness h(2);
    h.add("a", "/o/a");
    h.add("b", "/o/b");
    h.add("c", "/o/c");
    h.item("c").status = ItemStatus::ConvertedNg;
    h.item("c").resultText = "earlier";
    ASSERT_TRUE(h.start());
    h.bringUp(1);
    ASSERT_EQ(h.converting(), (std::vector<std::string>{"a", "b"}));
    h.feed(1, h.consoles[1]->written.back() + "\nParsing: /src/b.cu\n");
    h.sched.stop();
    EXPECT_EQ(h.consoles[0]->interrupts, 1);
    EXPECT_EQ(h.consoles[1]->interrupts, 1);
    h.pump();
    EXPECT_EQ(h.item("a").status, ItemStatus::None);
    EXPECT_EQ(h.item("b").status, ItemStatus::None);
    EXPECT_NE(h.item("b").resultText.find("Parsing: /src/b.cu"), std::string::npos);
    EXPECT_EQ(h.item("c").status, ItemStatus::ConvertedNg);
    EXPECT_EQ(h.item("c").resultText, "earlier");
    EXPECT_EQ(h.sched.phase(), RunPhase::Idle);
    // Stopping until every interrupted command is back at its prompt.
    EXPECT_TRUE(h.sched.stoppedCommandRunning());
    h.feed(0, "\n" + prompt(130));
    EXPECT_TRUE(h.sched.stoppedCommandRunning());
    EXPECT_FALSE(h.sched.canStart());
    h.feed(1, "\n" + prompt(130));
    EXPECT_FALSE(h.sched.stoppedCommandRunning());
    EXPECT_TRUE(h.sched.canStart());
}

TEST(RunScheduler, AConsoleThatDiesFailsItsItemIsReplacedAndTheOthersGoOn)
{
    for (const bool restartAfterRun : {true, false}) {
        SCOPED_TRACE(restartAfterRun);
        Harness h(2, restartAfterRun);
        h.add("a", "/o/a");
        h.add("b", "/o/b");
        h.add("c", "/o/c");
        h.add("d", "/o/d");
        ASSERT_TRUE(h.start());
        h.bringUp(1);
        h.consoles[1]->ended = true;
        h.pump();
        EXPECT_EQ(h.item("b").status, ItemStatus::ConvertedNg);
        EXPECT_EQ(h.item("b").exitCode, -1);
        EXPECT_EQ(h.converting(), (std::vector<std::string>{"a"}));
        EXPECT_TRUE(isRunPhase(h.sched.phase()));
        // The same console is started again (by its engine, or by the scheduler for a host
        // that does not restart interpreters), and takes the next item once it is up.
        EXPECT_EQ(h.consoles[1]->opens, 2);
        h.bringUp(1);
        EXPECT_EQ(h.converting(), (std::vector<std::string>{"a", "c"}));
        h.answer(0, kOk);
        h.answer(1, kOk);
        h.answer(0, kOk);
        EXPECT_EQ(h.item("d").status, ItemStatus::ConvertedOk);
        EXPECT_EQ(h.sched.phase(), RunPhase::Idle);
    }
}

TEST(RunScheduler, ConsolesOutputComesAsWholeLinesOfItsItem)
{
    Harness h(2);
    h.add("a", "/o/a");
    h.add("b", "/o/b");
    ASSERT_TRUE(h.start());
    h.bringUp(1);
    h.obs.lines.clear();
    h.feed(0, "dpct a\nParsing: /sr");
    h.feed(1, "dpct b\nParsing: /src/b.c");
    h.feed(0, "c/a.cu\n");
    h.feed(1, "u\n");
    ASSERT_EQ(h.obs.lines.size(), 4u);
    EXPECT_EQ(h.obs.lines[0].text, "dpct a\n");
    EXPECT_EQ(h.obs.lines[0].item, &h.item("a"));
    // Console 1 started within the run: its prompt is the start of the line its echo ends.
    EXPECT_EQ(h.obs.lines[1].text, prompt(0) + "dpct b\n");
    EXPECT_EQ(h.obs.lines[1].console, 1);
    EXPECT_EQ(h.obs.lines[2].text, "Parsing: /src/a.cu\n");
    EXPECT_EQ(h.obs.lines[2].console, 0);
    EXPECT_EQ(h.obs.lines[3].text, "Parsing: /src/b.cu\n");
    EXPECT_EQ(h.obs.lines[3].item, &h.item("b"));
    const auto startedOn = [&](const std::string& name) {
        for (const auto& [item, console] : h.obs.started)
            if (item == &h.item(name))
                return console;
        return -1;
    };
    EXPECT_EQ(startedOn("a"), 0);
    EXPECT_EQ(startedOn("b"), 1);
}
