#pragma once
// RunController: the conversion runs of one main frame. It owns the console (one long-lived
// command interpreter) and the run engine on top of it, is the engine's observer, and says what
// happens through Qt signals. The main frame, its status bar and the document windows only show
// what it says; they never drive the engine themselves.
//
// Threads: the engine runs on the UI thread. The console's reader thread only calls the wake
// function, which posts one queued call (several wakes collapse into one) that lets the engine
// handle what has arrived. Nothing here blocks on the console.
//
// The run's document: start() takes the document window whose items are converted. The
// controller moves that window's current row along, tells it when item statuses and outputs
// change, and stops the run before the window's items go away (documentClosing): the engine
// references the items of a run, never owns them.
//
// The run commands start through startAfterAsking(), which asks first when dpct would refuse
// some of the items (another item writes into the same out-root with other options).

#include "runner/run_engine.h"
#include "ui/run_summary.h"

#include <memory>
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

class RunController : public QObject, private RunObserver
{
    Q_OBJECT
public:
    explicit RunController(QObject* parent = nullptr);
    ~RunController() override;

    /// Starts the command interpreter and, when `oneApiRoot` is not empty, the start-up sequence
    /// (oneAPI's environment script, then the dpct version query). Returns false with `error`
    /// when the interpreter cannot be started; no run can start then. Closes an open console
    /// first.
    bool open(const std::string& oneApiRoot, QString& error);
    /// Ends the console within a bounded time, stopping a run first. Safe to call twice.
    void close();
    bool isOpen() const { return engine_ != nullptr; }

    /// The run phase; Idle while no console is open.
    RunPhase phase() const;
    bool isIdle() const { return phase() == RunPhase::Idle; }
    /// A run may start now (idle, oneAPI present, start-up done, no stopped command running).
    bool canStart() const;
    /// Pause/resume and stop may act now.
    bool canPauseOrStop() const;
    /// A stop interrupted the running dpct and its prompt is not back yet.
    bool isStopping() const { return engine_ && engine_->stoppedCommandRunning(); }
    /// The dpct version and codebase once the start-up sequence found them; empty before.
    QString dpctVersion() const;
    QString dpctCodebase() const;
    /// The document window of the run under way; null when none is.
    DocumentWindow* runDocument() const;
    /// The run under way (its counts so far), or the last one once it has ended.
    const RunSummary& summary() const { return summary_; }
    /// The engine, for tests and diagnostics; null while no console is open.
    const RunEngine* engine() const { return engine_.get(); }

    /// Converts every item of `doc` in list order. False (and nothing happens) when a run
    /// cannot start now.
    bool start(DocumentWindow* doc);
    /// Converts only `items` (items of `doc`, in this order); the other items keep their
    /// statuses and results. False when a run cannot start now or `items` is empty.
    bool start(DocumentWindow* doc, std::vector<CDpctData*> items);
    /// Starts a run of `scope` of `doc` after the question (message 741, over `window`) when
    /// dpct would refuse some of its items with exit code -37. False when there is nothing to
    /// run, the user cancelled, or the run could not start.
    bool startAfterAsking(DocumentWindow* doc, RunScope scope, QWidget* window);
    /// The items of `doc` whose last result was not OK (NG, syntax error, left converting).
    static std::vector<CDpctData*> failedItems(DocumentWindow* doc);
    /// Pause / resume toggle; does nothing when !canPauseOrStop().
    void togglePause();
    /// Stops the run: the running dpct is interrupted, unfinished items lose their status, the
    /// run's document has no current row any more; isStopping() until the interrupted command's
    /// prompt is back. Does nothing when !canPauseOrStop().
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

    void processConsole();
    void itemTouched(CDpctData& item);
    /// The question before a run of `items` of `doc` whose items would make dpct refuse some of
    /// them (exit -37): true to run anyway. No question (true) when there is no such conflict.
    /// Relative out-roots and dpct's default one count from the program's current folder, where
    /// the command interpreter runs dpct. The items of the whole list count for what the
    /// out-roots hold, so that a re-run of failed items is checked against the items that
    /// converted before.
    bool confirmOptionConflicts(DocumentWindow* doc, const std::vector<CDpctData*>& items, QWidget* window);

    std::unique_ptr<Console> console_;
    std::unique_ptr<RunEngine> engine_;
    QAtomicInteger<int> wakePosted_{0};
    QPointer<DocumentWindow> runDocument_;
    bool lostReported_ = false;
    RunSummary summary_;
    QElapsedTimer runClock_;
    bool runUnderWay_ = false; ///< between a start and its runFinished
};

} // namespace tovalo::gui
