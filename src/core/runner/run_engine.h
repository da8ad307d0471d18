#pragma once
// RunEngine: the conversion run on top of a Console.
//
// A single-threaded state machine with the run phases 0 to 9: the start-up sequence (first
// prompt, oneAPI environment script, dpct version query), then on request one dpct command per
// item in list order, the end of each command recognised by the interpreter's prompt and the
// item judged from dpct's output lines, with pause, resume and stop. Everything it has to say
// goes to a RunObserver.
//
// Threads: every member function, and every observer callback, runs on the host's thread (the
// Qt UI thread in the GUI, the main thread in tovalo-cli). The console's reader thread only
// queues text and calls the host's `wake` function; the host then calls processPending(). The
// engine calls `wake` itself too when it has a command step to do ("the operate step") or
// queued text left over after the bounded share of one call, so a host simply calls
// processPending() once after each wake (several wakes may collapse into
// one call). Observer callbacks must not call the engine's commands (start, pause, stop,
// processPending) directly; post them to run later instead.
//
// Ownership: the engine owns nothing but its queue of item pointers. The console and the
// observer are the caller's and must outlive the engine. Items passed to start() are the
// caller's; they must stay alive and must not be removed while a run is under way, that is until
// phase() is no longer a run phase (isRunPhase). A stop settles the statuses of unfinished items
// in the step after stop() (phase StopRequested). After that the engine keeps no pointer to them.

#include "command_output.h"
#include "console.h"
#include "data/dpct_data.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// The run phase. 6 to 9 mean a run is under way.
enum class RunPhase : std::int32_t
{
    Idle = 0,             ///< nothing under way; runs may start
    AwaitPrompt = 1,      ///< waiting for the interpreter's first prompt
    SetvarsRequested = 2, ///< the environment script is to be written
    SetvarsRunning = 3,   ///< the environment script runs
    VersionRequested = 4, ///< the version query is to be written
    VersionRunning = 5,   ///< the version query runs
    ItemRequested = 6,    ///< the head item's command is to be written
    ItemRunning = 7,      ///< dpct runs for the head item
    StopRequested = 8,    ///< the queue is to be reset after a stop
    Paused = 9,           ///< the run is paused
};

/// True for the phases of a run under way (6 to 9).
constexpr bool isRunPhase(RunPhase p)
{
    return p >= RunPhase::ItemRequested && p <= RunPhase::Paused;
}

/// Receives everything the engine reports. All calls come on the host's thread. Default
/// implementations do nothing.
class RunObserver
{
public:
    virtual ~RunObserver() = default;
    /// The phase has changed to `phase`; also called without a phase change when an enabling
    /// query (canStart, stoppedCommandRunning, versionQueryUnanswered, consoleLost) has changed.
    virtual void phaseChanged(RunPhase phase) { (void)phase; }
    /// The version query succeeded; `codebase` may be empty when dpct printed none.
    virtual void versionKnown(const std::string& version, const std::string& codebase)
    {
        (void)version, (void)codebase;
    }
    /// `item.status` has changed (waiting, converting, reset by a stop, judged).
    virtual void itemStatusChanged(CDpctData& item) { (void)item; }
    /// The item's command has ended: status, `resultText`, `exitCode`, `diagnostics` and
    /// `elapsedMs` are final for this run.
    virtual void itemFinished(CDpctData& item) { (void)item; }
    /// true: the run moves on to the next item (follow the next row); false: the run has ended
    /// or was stopped (no current row any more).
    virtual void advance(bool nextItem) { (void)nextItem; }
    /// Progress of the run: `done` of `total` items; total < 0 hides the progress bar.
    virtual void progress(int done, int total) { (void)done, (void)total; }
    /// A piece of console output (UTF-8, complete characters), or a notice of the engine's own
    /// (lines starting with "[Tovalo] "). Shown whatever the phase.
    virtual void consoleText(std::string_view utf8) { (void)utf8; }

    // Reported by RunScheduler only (runs over several consoles).
    /// The item's command is being written to console `console` (0 is the first console; the
    /// number stays with the console for as long as it is open).
    virtual void itemStarted(CDpctData& item, int console) { (void)item, (void)console; }
    /// While more than one console is open, their output comes here instead of consoleText:
    /// whole lines only (each ends with "\n"), never parts of lines of two consoles mixed,
    /// from console `console`, belonging to `item` (null: the console's start-up, or its
    /// text outside an item). By default they go on to consoleText untagged.
    virtual void consoleLines(int console, const CDpctData* item, std::string_view lines)
    {
        (void)console, (void)item;
        consoleText(lines);
    }
};

struct RunEngineConfig
{
    /// oneAPI root folder, ending with a separator; empty = oneAPI missing (then nothing is ever
    /// written to the console and no run can start).
    std::string oneApiRoot;
    /// How often a dead interpreter is restarted in a row before the engine gives up (a restart
    /// counts as successful once its start-up sequence has finished).
    int maxRestarts = 3;
    /// false: an interpreter that ends during a run is not started again (for a host that ends
    /// with its run, as tovalo-cli does); the console then counts as lost.
    bool restartAfterRun = true;
};

class RunEngine
{
public:
    using WakeFunction = std::function<void()>;

    /// `wake` must be the same kind of function the console was given: thread-safe, and it makes
    /// the host call processPending() soon on its thread.
    RunEngine(Console& console, RunObserver& observer, RunEngineConfig config, WakeFunction wake);
    ~RunEngine();
    RunEngine(const RunEngine&) = delete;
    RunEngine& operator=(const RunEngine&) = delete;

    /// Words a message for the user (UTF-8).
    using Wording = std::function<std::string(const Message&)>;
    /// Sets how the engine words its notices and the reasons it writes into an item's result
    /// text (an item it did not send, an interpreter that ended during its conversion). Unset or
    /// empty: English (englishText). The GUI words them in the interface language.
    void setWording(Wording wording) { wording_ = std::move(wording); }

    /// Opens the console (with `wake`) and, when oneAPI is present, begins the start-up sequence.
    /// Returns false with `error` set when the interpreter cannot be started.
    bool startUp(Message& error);

    /// The dpct version another console of the same toolkit has told: the start-up sequence
    /// then ends after the environment script, without asking dpct again (each question starts
    /// dpct, which takes a real installation a good part of a second). Call before startUp.
    void setKnownVersion(std::string version, std::string codebase);

    /// Runs a pending command step and handles what the console has queued, at most
    /// kMaxTextPerCall bytes of it per call (the engine wakes the host again for the rest), so
    /// that a burst of output never holds the host's thread for long. Call after each wake.
    void processPending();
    /// About 4 ms of handling in an optimised build; smaller shares cost more in total, as the
    /// host's event loop then turns more often while the output pane redraws in between.
    static constexpr std::size_t kMaxTextPerCall = 1024 * 1024;

    /// Feeds console output directly (processPending() does this with the console's text; tests
    /// drive the engine with it without any process).
    void handleConsoleText(std::string_view utf8);
    /// The interpreter has ended: reported, a run in progress ends, and a new interpreter is
    /// started with the start-up sequence (up to maxRestarts times in a row).
    void handleConsoleEnded(const Message& reason);

    // Commands. Each does nothing when its enabling query is false.
    /// Converts `items` in this order. Returns false (and does nothing) when !canStart(). Each
    /// item shows waiting but keeps its earlier result (output, exit code, diagnostics, elapsed
    /// time) until its own command starts; an item the run never starts (a stop, an interpreter
    /// that ends) gets its earlier status back. With `folder` set, each command changes the
    /// interpreter's folder to it before dpct runs, so that the items' relative paths (and
    /// dpct's default out-root) count from there; empty leaves the folder as it is.
    bool start(std::vector<CDpctData*> items, std::string_view folder = {});
    /// Pause / resume toggle.
    void togglePause();
    /// Stops the run: the item whose command runs gets status none and keeps the output it
    /// printed so far, items not started get their earlier status back; the running dpct command is
    /// interrupted (see interruptCommand), and start stays disabled until its prompt is back
    /// (stoppedCommandRunning()).
    void stop();
    /// Asks the console to interrupt the running command (Ctrl-C). False when not supported.
    bool interruptCommand();

    // Queries for the enabling rules.
    RunPhase phase() const { return phase_; }
    bool oneApiPresent() const { return !config_.oneApiRoot.empty(); }
    /// The start-up sequence has finished (the dpct version is known).
    bool startUpDone() const { return startUpDone_; }
    /// A stopped command is still running in the console (its prompt has not come back).
    bool stoppedCommandRunning() const { return stoppedCommandRunning_; }
    bool canStart() const;
    bool canPauseOrStop() const
    {
        return oneApiPresent() && isRunPhase(phase_) && phase_ != RunPhase::StopRequested;
    }
    bool isPaused() const { return phase_ == RunPhase::Paused; }
    /// The version query's prompt came back without a version line (the start-up cannot finish).
    bool versionQueryUnanswered() const { return versionUnanswered_; }
    /// The interpreter died and could not be restarted (or was restarted too often).
    bool consoleLost() const { return consoleLost_; }

    const std::string& dpctVersion() const { return dpctVersion_; }
    const std::string& dpctCodebase() const { return dpctCodebase_; }
    /// The prompt as first seen; empty before.
    const std::string& prompt() const { return prompt_; }
    int doneCount() const { return doneCount_; }

private:
    void setPhase(RunPhase p);
    void notifyPhase();
    void requestOperate();
    void runCommandStep();
    void runResponseStep();
    void resetConsoleText();
    bool writeCommand(const std::string& line);
    void moveAndWrite(RunPhase next, const std::string& line);
    void finishHead();
    void completeHead();
    void afterItemDone();
    void restoreUnstarted();
    void notice(const Message& message, bool blankLineBefore = false);
    std::string word(const Message& message) const;
    void adoptPromptForm();

    Console& console_;
    RunObserver& observer_;
    RunEngineConfig config_;
    WakeFunction wake_;
    Wording wording_;

    RunPhase phase_ = RunPhase::Idle;
    RunPhase phaseBeforePause_ = RunPhase::Idle;
    bool operatePending_ = false;
    bool responsePending_ = false;
    bool startUpDone_ = false;
    bool stoppedCommandRunning_ = false;
    bool versionUnanswered_ = false;
    bool consoleLost_ = false;
    int restarts_ = 0;

    CommandOutput output_;     ///< the console text since the last command was written
    std::string taken_;        ///< text taken from the console, not yet handled
    std::size_t takenPos_ = 0; ///< how much of taken_ has been handled
    bool endTaken_ = false;    ///< the console reported its end after taken_
    Message endReason_;
    std::string prompt_;
    PromptForm promptForm_; ///< the console's own prompt form; empty: learned from the output
    std::string dpctVersion_;
    std::string dpctCodebase_;
    bool versionGiven_ = false; ///< setKnownVersion: the version is not asked

    std::chrono::steady_clock::time_point itemStarted_{}; ///< when the head's command was written
    std::vector<CDpctData*> runQueue_;
    std::string folder_;                     ///< the folder each command of the run changes to; empty: none
    std::vector<ItemStatus> previousStatus_; ///< each queued item's status before the run
    std::size_t queueHead_ = 0;
    int doneCount_ = 0;
    int total_ = 0;
};

} // namespace tovalo
