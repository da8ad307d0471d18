#pragma once
// RunScheduler: a conversion run over up to K consoles side by side.
//
// Each console is an interpreter in which oneAPI's environment script ran once, with a RunEngine
// of its own on top; the first is opened by startUp(), the others only when a run needs them
// (then reused by later runs). A run hands one item at a time to a console that is ready. Items
// whose out-roots are the same folder (groupByOutRoot) never run at the same time and run in
// list order; the next item to start is always the first waiting item whose out-root no console
// is working in. With K = 1, or when every item writes into one folder, the run is the run a
// single RunEngine makes: one console, list order, and its output passed on as it comes.
//
// What a host sees is what a RunEngine reports (RunObserver), with the item's identity: which
// console an item started on (itemStarted), and, while more than one console is open, the
// consoles' output as whole lines with their console and item (consoleLines). A run ends with
// advance(false).
//
// - Pause starts nothing new; items already running go on and finish. Resume goes on.
// - Stop interrupts every running dpct; stoppedCommandRunning() until each of those consoles is
//   back at its prompt. The items a run never started keep their earlier results.
// - An interpreter that ends fails its own item. In a run over one console the run ends there,
//   as with a RunEngine; in a run over several the others go on, and the console is replaced
//   (the engine restarts it, or, for a host that does not restart interpreters after a run,
//   the scheduler opens it again when an item needs it).
//
// Threads and ownership as for RunEngine: every call on the host's thread; the host calls
// processPending() after each wake (one wake function serves every console); observer callbacks
// must not call the scheduler's commands. Items passed to start() are the caller's and must stay
// alive while a run is under way (isRunPhase(phase())). The consoles are made by the factory and
// owned here.

#include "run_engine.h"
#include "run_plan.h"

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

class RunScheduler
{
public:
    using ConsoleFactory = std::function<std::unique_ptr<Console>()>;
    using WakeFunction = RunEngine::WakeFunction;
    static constexpr int kMaxConsoles = 64;

    RunScheduler(ConsoleFactory factory, RunObserver& observer, RunEngineConfig config, WakeFunction wake);
    ~RunScheduler();
    RunScheduler(const RunScheduler&) = delete;
    RunScheduler& operator=(const RunScheduler&) = delete;

    /// How the engines word their notices (see RunEngine::setWording).
    void setWording(RunEngine::Wording wording);
    /// The most consoles a run may use, 1 to kMaxConsoles (clamped); taken by the next start().
    void setConsoleLimit(int consoles);
    int consoleLimit() const { return limit_; }

    /// Opens the first console and begins its start-up sequence (RunEngine::startUp).
    bool startUp(Message& error);
    /// Lets every console's engine handle what arrived, then settles finished items and starts
    /// the next ones. Call after each wake.
    void processPending();
    /// Converts `items`: out-roots are told apart as the option-conflict finder does, relative
    /// ones against `baseDir` (the folder dpct runs in: each command changes to it first, see
    /// RunEngine::start). False (nothing happens) when !canStart() or there are no items.
    bool start(std::vector<CDpctData*> items, std::string_view baseDir);
    /// Pause / resume toggle.
    void togglePause();
    /// Stops the run (see above).
    void stop();
    /// Ends every console (RunEngine's host does this with Console::close()); stop a run first.
    void closeConsoles();

    /// Idle, the first console's start-up phases, or the run's phase: ItemRunning while some
    /// dpct runs, ItemRequested while the run waits for a console, Paused, StopRequested until
    /// the stopped consoles have settled their items.
    RunPhase phase() const;
    bool oneApiPresent() const { return !config_.oneApiRoot.empty(); }
    bool startUpDone() const;
    /// Some console still runs a stopped command.
    bool stoppedCommandRunning() const;
    bool canStart() const;
    bool canPauseOrStop() const { return oneApiPresent() && runActive_ && !stopRequested_; }
    bool isPaused() const { return runActive_ && paused_ && !stopRequested_; }
    bool versionQueryUnanswered() const;
    /// The first console died and cannot be started again.
    bool consoleLost() const;
    const std::string& dpctVersion() const { return version_; }
    const std::string& dpctCodebase() const { return codebase_; }
    int doneCount() const { return done_; }
    /// Consoles open now (started, starting or running).
    int openConsoles() const;
    /// How many consoles this run may use: the limit, at most the number of its out-roots.
    int runConsoles() const { return runConsoles_; }

private:
    struct Lane;
    class LaneObserver;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Lane& addLane();
    bool openLane(Lane& lane);
    bool laneReady(const Lane& lane) const;
    bool laneStarting(const Lane& lane) const;
    void dispatch();
    void startOn(Lane& lane, std::size_t pos);
    void settleLanes();
    void endRun(bool restoreUnstarted);
    void notifyPhase();
    void setTagged();

    // From the lanes' observers.
    void lanePhaseChanged();
    void laneVersionKnown(Lane& lane, const std::string& version, const std::string& codebase);
    void laneItemStatus(Lane& lane, CDpctData& item);
    void laneItemFinished(CDpctData& item);
    void laneText(Lane& lane, std::string_view utf8);

    ConsoleFactory factory_;
    RunObserver& observer_;
    RunEngineConfig config_;
    WakeFunction wake_;
    RunEngine::Wording wording_;
    int limit_ = 1;
    std::string baseDir_; ///< the run's folder, where every command changes to
    std::vector<std::unique_ptr<Lane>> lanes_;
    std::size_t nextLane_ = 0; ///< the lane whose engine processPending() serves first
    /// After this much handling in one processPending() the remaining lanes wait for the next.
    static constexpr std::chrono::milliseconds kTurnBudget{8};
    std::string version_;
    std::string codebase_;
    bool tagged_ = false; ///< output goes out as whole lines with their console and item

    // The run under way.
    bool runActive_ = false;
    bool paused_ = false;
    bool stopRequested_ = false;
    int runConsoles_ = 1;
    int failedOpens_ = 0;
    std::vector<CDpctData*> run_;
    std::vector<ItemStatus> previous_;   ///< each item's status before the run
    OutRootGroups groups_;               ///< over the positions in run_
    std::vector<std::size_t> groupNext_; ///< per group: its next member to start
    std::vector<bool> groupBusy_;        ///< per group: a console works in it
    std::set<std::size_t> ready_;        ///< first waiting item of each free group
    int done_ = 0;
    int total_ = 0;
};

} // namespace tovalo
