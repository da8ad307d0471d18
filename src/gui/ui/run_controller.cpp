#include "ui/run_controller.h"

#include "controls/commui/dialog_seam.h"
#include "data/dpct_data.h"
#include "data/option_conflicts.h"
#include "runner/console.h"
#include "runner/run_capacity.h"
#include "ui/core_messages.h"
#include "ui/document_window.h"
#include "ui/wait_cursor.h"

#include <unordered_set>

#include <QDir>
#include <QStringList>

namespace tovalo::gui {

namespace {

/// Where the prompt shows its marker and status: "[MARKER STATUS] tovalo> " is shown as
/// "tovalo> ", or "tovalo [STATUS]> " after a command that failed.
std::string shownPrompt(std::string_view status)
{
    if (status == "0")
        return "tovalo> ";
    return "tovalo [" + std::string(status) + "]> ";
}

QString fileNameTag(const CDpctData& item)
{
    const std::string_view path = item.path;
    const std::size_t slash = path.find_last_of("/\\");
    return QString::fromUtf8(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace

std::vector<CDpctData*> runScopeItems(DocumentWindow* doc, RunScope scope)
{
    if (!doc)
        return {};
    switch (scope) {
    case RunScope::All:
        return doc->runItems();
    case RunScope::Failed:
        return RunController::failedItems(doc);
    case RunScope::Selected:
        return doc->selectedRunItems();
    }
    return {};
}

RunController::RunController(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("runController"));
}

RunController::~RunController()
{
    close();
}

bool RunController::open(const std::string& oneApiRoot, QString& error)
{
    close();
    lostReported_ = false;
    RunEngineConfig config;
    config.oneApiRoot = oneApiRoot;
    // The reader threads only post one queued call; further wakes before it runs collapse into it.
    auto wake = [this] {
        if (wakePosted_.testAndSetOrdered(0, 1))
            QMetaObject::invokeMethod(this, &RunController::processConsole, Qt::QueuedConnection);
    };
    auto factory = [this] {
        std::unique_ptr<Console> console = createPlatformConsole();
        consoles_.push_back(console.get());
        return console;
    };
    RunObserver& observer = *this;
    scheduler_ = std::make_unique<RunScheduler>(factory, observer, config, wake);
    // Notices and the reasons written into results come in the interface language.
    scheduler_->setWording([](const Message& message) { return wordMessage(message).toStdString(); });
    Message why;
    const bool ok = scheduler_->startUp(why);
    if (!ok)
        error = wordMessage(why);
    Q_EMIT runPhaseChanged(phase());
    return ok;
}

void RunController::close()
{
    if (!scheduler_)
        return;
    if (isRunPhase(scheduler_->phase())) {
        // Stop the run (which interrupts every running dpct) and let the consoles settle their
        // items now, so no item is referenced later.
        scheduler_->stop();
        scheduler_->processPending();
    }
    scheduler_->closeConsoles();
    scheduler_.reset();
    consoles_.clear();
    running_.clear();
    heldText_.clear();
    runDocument_.clear();
}

void RunController::processConsole()
{
    wakePosted_.storeRelease(0);
    if (scheduler_)
        scheduler_->processPending();
}

RunPhase RunController::phase() const
{
    return scheduler_ ? scheduler_->phase() : RunPhase::Idle;
}

bool RunController::canStart() const
{
    return scheduler_ && scheduler_->canStart();
}

bool RunController::canPauseOrStop() const
{
    return scheduler_ && scheduler_->canPauseOrStop();
}

QString RunController::dpctVersion() const
{
    return scheduler_ ? QString::fromStdString(scheduler_->dpctVersion()) : QString();
}

QString RunController::dpctCodebase() const
{
    return scheduler_ ? QString::fromStdString(scheduler_->dpctCodebase()) : QString();
}

DocumentWindow* RunController::runDocument() const
{
    return runDocument_;
}

bool RunController::startRun(DocumentWindow* doc, std::vector<CDpctData*> items)
{
    std::erase(items, nullptr);
    if (!doc || !canStart() || items.empty())
        return false;
    // The number is taken now: "automatic" follows the memory available at this start.
    scheduler_->setConsoleLimit(consoleCountFor(parallelSetting_));
    runDocument_ = doc;
    summary_ = RunSummary{};
    summary_.total = static_cast<int>(items.size());
    runClock_.start();
    runUnderWay_ = true;
    // Each command changes to the list's folder first: relative paths and dpct's default out-root
    // count from there.
    const std::string baseDir = doc->listFolder().toStdString();
    // The document hears of the run before the first item's status changes.
    doc->runStartedFor(items);
    if (!scheduler_->start(items, baseDir)) {
        runUnderWay_ = false;
        doc->runAdvance(false);
        runDocument_.clear();
        return false;
    }
    return true;
}

bool RunController::startAfterAsking(DocumentWindow* doc, RunScope scope, QWidget* window)
{
    if (!doc)
        return false;
    std::vector<CDpctData*> items = runScopeItems(doc, scope);
    if (items.empty() || !confirmOptionConflicts(doc, items, window))
        return false;
    // The question may have taken a while: the run may no longer be possible.
    if (!canStart())
        return false;
    WaitCursor wait;
    return startRun(doc, std::move(items));
}

std::vector<CDpctData*> RunController::failedItems(DocumentWindow* doc)
{
    std::vector<CDpctData*> failed;
    if (!doc)
        return failed;
    for (CDpctData* item : doc->runItems()) {
        if (item && (item->status == ItemStatus::ConvertedNg || item->status == ItemStatus::SyntaxError ||
                     item->status == ItemStatus::Converting))
            failed.push_back(item);
    }
    return failed;
}

bool RunController::confirmOptionConflicts(DocumentWindow* doc, const std::vector<CDpctData*>& items,
                                           QWidget* window)
{
    const std::vector<CDpctData*> all = doc->runItems();
    const std::vector<const CDpctData*> run(all.begin(), all.end());
    const std::unordered_set<const CDpctData*> running(items.begin(), items.end());
    std::vector<OutRootConflict> conflicts = findOutRootConflicts(run, doc->listFolder().toStdString());
    std::erase_if(conflicts, [&](const OutRootConflict& c) { return !running.contains(run[c.item]); });
    if (conflicts.empty())
        return true;
    constexpr std::size_t kShown = 8;
    QString lines;
    for (std::size_t i = 0; i < conflicts.size() && i < kShown; ++i) {
        const OutRootConflict& c = conflicts[i];
        QStringList options;
        for (const std::string& o : c.options)
            options.append(QString::fromStdString(o));
        lines += QLatin1String("\n\n") +
                 tr("%1\n  writes into %2 as %3 does, with other values of: %4")
                     .arg(QString::fromStdString(run[c.item]->path), QString::fromStdString(c.outRoot),
                          QString::fromStdString(run[c.reference]->path), options.join(QStringLiteral(", ")));
    }
    if (conflicts.size() > kShown)
        lines +=
            QLatin1String("\n\n") + tr("... and %n more item(s).", nullptr, int(conflicts.size() - kShown));
    const QString text =
        tr("dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later "
           "migration into the same folder with other values of the options it compares. These items would "
           "be "
           "refused:%1\n\nGive them the same options, another --out-root, or --no-incremental-migration. Run "
           "anyway?")
            .arg(lines);
    return DialogSeam::message(window, 741, QMessageBox::Warning, text,
                               QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel,
                               {{QMessageBox::Yes, tr("&Run Anyway")}}) == QMessageBox::Yes;
}

void RunController::togglePause()
{
    if (!canPauseOrStop())
        return;
    scheduler_->togglePause();
    if (runDocument_)
        runDocument_->itemsChanged();
}

void RunController::stop()
{
    if (!canPauseOrStop())
        return;
    // The scheduler says the run has ended (advance, progress) at once; the interrupted
    // consoles settle their items as their prompts come back.
    scheduler_->stop();
}

void RunController::documentClosing(DocumentWindow* doc)
{
    if (!doc || doc != runDocument_)
        return;
    if (scheduler_ && isRunPhase(scheduler_->phase())) {
        scheduler_->stop();
        scheduler_->processPending();
    }
    runDocument_.clear();
}

// RunObserver: every call comes on the UI thread, from inside the engine.

void RunController::phaseChanged(RunPhase phase)
{
    Q_EMIT runPhaseChanged(phase);
    if (scheduler_ && scheduler_->consoleLost() && !lostReported_) {
        lostReported_ = true;
        Q_EMIT consoleLost();
    }
}

void RunController::versionKnown(const std::string& version, const std::string& codebase)
{
    Q_EMIT dpctVersionKnown(QString::fromStdString(version), QString::fromStdString(codebase));
}

void RunController::itemTouched(CDpctData& item)
{
    if (runDocument_)
        runDocument_->itemsChanged();
    Q_EMIT itemChanged(&item);
}

void RunController::setRunning(const CDpctData& item, bool running)
{
    const bool changed = running ? running_.insert(&item).second : running_.erase(&item) > 0;
    if (changed)
        Q_EMIT runningChanged(runningCount());
}

void RunController::itemStatusChanged(CDpctData& item)
{
    if (item.status != ItemStatus::Converting)
        setRunning(item, false);
    itemTouched(item);
}

void RunController::itemStarted(CDpctData& item, int console)
{
    (void)console;
    setRunning(item, true);
}

void RunController::itemFinished(CDpctData& item)
{
    setRunning(item, false);
    if (runUnderWay_) {
        switch (item.status) {
        case ItemStatus::ConvertedOk:
            ++summary_.ok;
            break;
        case ItemStatus::ConvertedNg:
            ++summary_.ng;
            break;
        case ItemStatus::SyntaxError:
            ++summary_.syntaxErrors;
            break;
        default:
            break;
        }
    }
    itemTouched(item);
}

void RunController::advance(bool nextItem)
{
    if (runDocument_)
        runDocument_->runAdvance(nextItem);
    Q_EMIT runAdvanced(nextItem);
    if (!nextItem && runUnderWay_) {
        runUnderWay_ = false;
        summary_.elapsedMs = runClock_.elapsed();
        summary_.stopped = summary_.finished() < summary_.total;
        Q_EMIT runFinished(summary_);
    }
}

void RunController::progress(int done, int total)
{
    Q_EMIT progressChanged(done, total);
}

void RunController::consoleText(std::string_view utf8)
{
    const std::string shown = promptsShown(utf8, heldText_);
    if (!shown.empty())
        Q_EMIT outputArrived(shown);
}

void RunController::consoleLines(int console, const CDpctData* item, std::string_view lines)
{
    // Whole lines: no prompt can be cut in two here.
    std::string none;
    std::string shown = promptsShown(lines, none);
    shown += none;
    if (!scheduler_ || scheduler_->runConsoles() <= 1) {
        // A run over one console (after one over several): no tags needed.
        consoleText(shown);
        return;
    }
    const QString tag = item ? fileNameTag(*item) : tr("console %1").arg(console + 1);
    Q_EMIT outputLinesArrived(console, tag, shown);
}

std::string RunController::promptsShown(std::string_view text, std::string& held) const
{
    // Text held back from the last call goes first; usually there is none and the text is read
    // where it is.
    std::string joined;
    std::string_view in = text;
    if (!held.empty()) {
        joined = std::move(held);
        held.clear();
        joined.append(text);
        in = joined;
    }
    std::string out;
    out.reserve(in.size());
    std::size_t pos = 0;
    while (pos < in.size()) {
        const std::size_t open = in.find('[', pos);
        if (open == std::string::npos)
            break;
        out.append(in.substr(pos, open - pos));
        pos = open;
        bool replaced = false;
        bool partial = false;
        for (const Console* console : consoles_) {
            const PromptForm form = console->promptForm();
            if (form.before.empty())
                continue;
            const std::string_view rest = in.substr(open);
            if (rest.size() < form.before.size()) {
                partial = partial || form.before.starts_with(rest);
                continue;
            }
            if (!rest.starts_with(form.before))
                continue;
            std::size_t digits = form.before.size();
            while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
                ++digits;
            const std::string_view after = rest.substr(digits);
            if (after.size() < form.after.size() && std::string_view(form.after).starts_with(after)) {
                partial = true;
                continue;
            }
            if (digits == form.before.size() || !after.starts_with(form.after))
                continue;
            out += shownPrompt(rest.substr(form.before.size(), digits - form.before.size()));
            pos = open + digits + form.after.size();
            replaced = true;
            break;
        }
        if (replaced)
            continue;
        if (partial) {
            // The rest may become a prompt with the next text.
            held = std::string(in.substr(open));
            return out;
        }
        out += '[';
        ++pos;
    }
    out.append(in.substr(pos));
    return out;
}

} // namespace tovalo::gui
