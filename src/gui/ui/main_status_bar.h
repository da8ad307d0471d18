#pragma once
// MainStatusBar: the main window's status bar. Pane 0 is the run's progress bar (or the last
// run's summary), then how many items run, a demo
// label while the simulated toolkit is used, the run phase (pane 1) and dpct's version (pane 2).
// It words what the run controller reports (the phase, the version) in the interface language;
// each text pane is exactly as wide as its text.

#include "runner/run_engine.h"
#include "ui/run_summary.h"

#include <optional>

#include <QStatusBar>
#include <QString>

class QLabel;
class QProgressBar;

namespace tovalo::gui {

class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    /// Shows the text of `phase` in the phase pane (AwaitPrompt leaves the pane as it is); while
    /// `stopping` (a stopped command has not ended yet) the pane says so instead.
    void showPhase(tovalo::RunPhase phase, bool stopping = false);
    /// Shows "dpct ver: <version>" in the version pane.
    void showVersion(const QString& version);
    /// `done` of `total`, shown as "done / total"; total < 0 hides the progress bar. A new run's
    /// progress replaces the last run's summary.
    void showProgress(int done, int total);
    /// A run has ended: the progress bar goes and the summary takes its place until the next run.
    void showSummary(const RunSummary& summary);
    /// The summary's text: counts of OK, NG and syntax errors and the elapsed time.
    static QString summaryText(const RunSummary& summary);
    /// Elapsed time as m:ss, or h:mm:ss from an hour on.
    static QString elapsedText(qint64 ms);
    /// How many items' dpct runs now; the pane goes at 0.
    void showRunning(int running);
    static QString runningText(int running);
    /// The last run's summary is shown only with the list it belongs to: false hides it while
    /// another list is active, true brings it back (unless a run's progress stands there).
    void setSummaryShown(bool shown);
    /// Shows or hides the demo label.
    void setDemo(bool demo);
    /// Without oneAPI (or with the interpreter lost) a permanent pane says that nothing can be
    /// converted, for as long as that lasts.
    void setConversionUnavailable(bool unavailable);
    bool conversionUnavailable() const;

    /// The phase pane's text for `phase`; empty for AwaitPrompt (the pane stays as it is).
    static QString phaseText(tovalo::RunPhase phase);
    /// The phase pane's text while a stopped command has not ended yet.
    static QString stoppingText();

Q_SIGNALS:
    /// A text pane got a new text (1 = run phase, 2 = dpct version).
    void paneTextChanged(int pane, const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setPaneText(QLabel* pane, const QString& text);
    void retranslate();

    QProgressBar* progress_ = nullptr;
    QLabel* summaryPane_ = nullptr;
    QLabel* runningPane_ = nullptr;
    int running_ = 0;
    bool summaryShown_ = true;
    QLabel* demoPane_ = nullptr;
    QLabel* unavailablePane_ = nullptr;
    QLabel* phasePane_ = nullptr;
    QLabel* versionPane_ = nullptr;
    bool phaseShown_ = false;
    tovalo::RunPhase phase_ = tovalo::RunPhase::Idle;
    bool stopping_ = false;
    QString version_;
    std::optional<RunSummary> summary_; ///< the last run's, re-worded on a language change
};

} // namespace tovalo::gui
