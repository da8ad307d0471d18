#pragma once
// RunController: the conversion runs of one main frame. It owns the run scheduler, and through it
// the consoles (command interpreters, one at first, up to the number of parallel conversions
// during a run), is the scheduler's observer, and says what happens through Qt signals. The main
// frame, its status bar, its output pane and the document windows only show what it says; they
// never drive the scheduler themselves.
//
// Threads: the scheduler runs on the UI thread. The consoles' reader threads only call the wake
// function, which posts one queued call (several wakes, of any console, collapse into one) that
// lets the scheduler handle what has arrived. Nothing here blocks on a console.
//
// The run's document: every run starts through one path (startRun) with the document window
// whose items are converted. The controller tells that window when a run starts, moves on and
// ends, and when item statuses and outputs change, and stops the run before the window's items
// go away (documentClosing): the scheduler references the items of a run, never owns them.
//
// Output: while a run uses one console its text comes as it arrives (outputArrived); while it
// uses several, as whole lines with the console and a short tag naming the item
// (outputLinesArrived). Either way the prompt's random marker is replaced by the plain
// "tovalo> ".
//
// The run commands start through startAfterAsking(), which asks first when dpct would refuse
// some of the items (another item writes into the same out-root with other options).

#include "runner/run_scheduler.h"
#include "ui/run_summary.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QAtomicInteger>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

namespace tovalo {
class Console;
}

class QWidget;

namespace tovalo::gui {

class DocumentWindow;

/// Which items of a document a run converts.
enum class RunScope
{
    All,      ///< every item, in list order
    Failed,   ///< the items whose last result was not OK (failedItems)
    Selected, ///< the items selected in the window's list, in list order
};

/// The items of `doc` a run of `scope` converts, in list order.
std::vector<CDpctData*> runScopeItems(DocumentWindow* doc, RunScope scope);

class RunController : public QObject, private RunObserver
{
    Q_OBJECT
public:
    explicit RunController(QObject* parent = nullptr);
    ~RunController() override;

    /// Starts the first command interpreter and, when `oneApiRoot` is not empty, the start-up sequence
    /// (oneAPI's environment script, then the dpct version query). Returns false with `error`
    /// when the interpreter cannot be started; no run can start then. Closes an open console
    /// first.
    bool open(const std::string& oneApiRoot, QString& error);
    /// Ends the console within a bounded time, stopping a run first. Safe to call twice.
    void close();
    bool isOpen() const { return scheduler_ != nullptr; }
    /// The parallel conversions setting (0 automatic, else 1 to 64) the next run follows.
    void setParallelConversions(int setting) { parallelSetting_ = setting; }

    /// The run phase; Idle while no console is open.
    RunPhase phase() const;
    bool isIdle() const { return phase() == RunPhase::Idle; }
    /// A run may start now (idle, oneAPI present, start-up done, no stopped command running).
    bool canStart() const;
    /// Pause/resume and stop may act now.
    bool canPauseOrStop() const;
    /// A stop interrupted the running dpct and its prompt is not back yet.
    bool isStopping() const { return scheduler_ && scheduler_->stoppedCommandRunning(); }
    /// Items whose dpct runs now.
    int runningCount() const { return static_cast<int>(running_.size()); }
    /// Whether `item` is one of them.
    bool isRunning(const CDpctData* item) const { return running_.contains(item); }
    /// The dpct version and codebase once the start-up sequence found them; empty before.
    QString dpctVersion() const;
    QString dpctCodebase() const;
    /// The document window of the run under way; null when none is.
    DocumentWindow* runDocument() const;
    /// The run under way (its counts so far), or the last one once it has ended.
    const RunSummary& summary() const { return summary_; }
    /// The scheduler, for tests and diagnostics; null while no console is open.
    const RunScheduler* scheduler() const { return scheduler_.get(); }

    /// Converts every item of `doc`. False (and nothing happens) when a run cannot start now.
    bool start(DocumentWindow* doc) { return startRun(doc, runScopeItems(doc, RunScope::All)); }
    /// Converts only `items` (items of `doc`, in this order); the other items keep their
    /// statuses and results. False when a run cannot start now or `items` is empty.
    bool start(DocumentWindow* doc, std::vector<CDpctData*> items) { return startRun(doc, std::move(items)); }
    /// Starts a run of `scope` of `doc` after the question (message 741, over `window`) when
    /// dpct would refuse some of its items with exit code -37. False when there is nothing to
    /// run, the user cancelled, or the run could not start.
    bool startAfterAsking(DocumentWindow* doc, RunScope scope, QWidget* window);
    /// The items of `doc` whose last result was not OK (NG, syntax error, left converting).
    static std::vector<CDpctData*> failedItems(DocumentWindow* doc);
    /// Pause / resume toggle: paused, nothing new starts and the running items finish. Does
    /// nothing when !canPauseOrStop().
    void togglePause();
    /// Stops the run: every running dpct is interrupted, unfinished items lose their status, the
    /// run's document has no current row any more; isStopping() until every interrupted
    /// command's prompt is back. Does nothing when !canPauseOrStop().
    void stop();
    /// `doc` is about to close: a run of its items is stopped and the engine's queue reset now,
    /// before the items go away.
    void documentClosing(DocumentWindow* doc);

Q_SIGNALS:
    /// The phase changed, or an enabling query (canStart, canPauseOrStop) may have changed.
    void runPhaseChanged(tovalo::RunPhase phase);
    /// An item's status or output changed (the run's document has been told already).
    void itemChanged(tovalo::CDpctData* item);
    /// The run moved on to the next item (`nextItem`), or ended or was stopped.
    void runAdvanced(bool nextItem);
    /// `done` of `total` items converted; total < 0 when there is no progress to show.
    void progressChanged(int done, int total);
    /// A run has ended, completely or by a stop; `summary` says what it did.
    void runFinished(const tovalo::gui::RunSummary& summary);
    /// Console output or a notice of the engine's own (UTF-8, complete characters). Connect
    /// directly: the text is only valid during the call.
    void outputArrived(std::string_view utf8);
    /// While a run uses several consoles: whole lines of console `console` (0 is the first),
    /// belonging to the item `tag` names (its file name, or the console for text outside an
    /// item). Connect directly, as outputArrived.
    void outputLinesArrived(int console, const QString& tag, std::string_view lines);
    /// How many items' dpct runs now changed.
    void runningChanged(int running);
    /// The start-up sequence found dpct's version (the codebase may be empty).
    void dpctVersionKnown(const QString& version, const QString& codebase);
    /// The interpreter died and could not be started again; no run can start any more.
    void consoleLost();

private:
    // RunObserver
    void phaseChanged(RunPhase phase) override;
    void versionKnown(const std::string& version, const std::string& codebase) override;
    void itemStatusChanged(CDpctData& item) override;
    void itemFinished(CDpctData& item) override;
    void advance(bool nextItem) override;
    void progress(int done, int total) override;
    void consoleText(std::string_view utf8) override;
    void itemStarted(CDpctData& item, int console) override;
    void consoleLines(int console, const CDpctData* item, std::string_view lines) override;

    bool startRun(DocumentWindow* doc, std::vector<CDpctData*> items);
    void processConsole();
    void setRunning(const CDpctData& item, bool running);
    /// `text` as the user sees it: each console prompt's random marker replaced. `held` keeps
    /// the end of a text that may be the start of a prompt until the next text.
    std::string promptsShown(std::string_view text, std::string& held) const;
    void itemTouched(CDpctData& item);
    /// The question before a run of `items` of `doc` whose items would make dpct refuse some of
    /// them (exit -37): true to run anyway. No question (true) when there is no such conflict.
    /// Relative out-roots and dpct's default one count from the program's current folder, where
    /// the command interpreter runs dpct. The items of the whole list count for what the
    /// out-roots hold, so that a re-run of failed items is checked against the items that
    /// converted before.
    bool confirmOptionConflicts(DocumentWindow* doc, const std::vector<CDpctData*>& items, QWidget* window);

    std::unique_ptr<RunScheduler> scheduler_;
    std::vector<const Console*> consoles_; ///< owned by the scheduler; their prompt forms
    int parallelSetting_ = 0;
    std::set<const CDpctData*> running_;
    std::string heldText_; ///< untagged text held back: maybe the start of a prompt
    QAtomicInteger<int> wakePosted_{0};
    QPointer<DocumentWindow> runDocument_;
    bool lostReported_ = false;
    RunSummary summary_;
    QElapsedTimer runClock_;
    bool runUnderWay_ = false; ///< between a start and its runFinished
};

} // namespace tovalo::gui
