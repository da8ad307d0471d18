#include "ui/run_controller.h"

#include "controls/commui/dialog_seam.h"
#include "data/dpct_data.h"
#include "data/option_conflicts.h"
#include "runner/console.h"
#include "ui/core_messages.h"
#include "ui/document_window.h"
#include "ui/wait_cursor.h"

#include <unordered_set>

#include <QDir>
#include <QStringList>

namespace tovalo::gui {

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
    console_ = createPlatformConsole();
    RunEngineConfig config;
    config.oneApiRoot = oneApiRoot;
    // The reader thread only posts one queued call; further wakes before it runs collapse into it.
    auto wake = [this] {
        if (wakePosted_.testAndSetOrdered(0, 1))
            QMetaObject::invokeMethod(this, &RunController::processConsole, Qt::QueuedConnection);
    };
    RunObserver& observer = *this;
    engine_ = std::make_unique<RunEngine>(*console_, observer, config, wake);
    // Notices and the reasons written into results come in the interface language.
    engine_->setWording([](const Message& message) { return wordMessage(message).toStdString(); });
    Message why;
    const bool ok = engine_->startUp(why);
    if (!ok)
        error = wordMessage(why);
    Q_EMIT runPhaseChanged(phase());
    return ok;
}

void RunController::close()
{
    if (!engine_)
        return;
    if (isRunPhase(engine_->phase())) {
        // Stop the run (which interrupts the running dpct) and let the engine reset its queue
        // now, so no item is referenced later.
        engine_->stop();
        engine_->processPending();
    }
    console_->close();
    engine_.reset();
    console_.reset();
    runDocument_.clear();
}

void RunController::processConsole()
{
    wakePosted_.storeRelease(0);
    if (engine_)
        engine_->processPending();
}

RunPhase RunController::phase() const
{
    return engine_ ? engine_->phase() : RunPhase::Idle;
}

bool RunController::canStart() const
{
    return engine_ && engine_->canStart();
}

bool RunController::canPauseOrStop() const
{
    return engine_ && engine_->canPauseOrStop();
}

QString RunController::dpctVersion() const
{
    return engine_ ? QString::fromStdString(engine_->dpctVersion()) : QString();
}

QString RunController::dpctCodebase() const
{
    return engine_ ? QString::fromStdString(engine_->dpctCodebase()) : QString();
}

DocumentWindow* RunController::runDocument() const
{
    return runDocument_;
}

bool RunController::start(DocumentWindow* doc)
{
    if (!doc || !canStart())
        return false;
    runDocument_ = doc;
    const std::vector<CDpctData*> items = doc->runItems();
    summary_ = RunSummary{};
    summary_.total = static_cast<int>(items.size());
    runClock_.start();
    runUnderWay_ = true;
    if (!engine_->start(items, doc->listFolder().toStdString())) {
        runUnderWay_ = false;
        runDocument_.clear();
        return false;
    }
    doc->runStarted();
    return true;
}

bool RunController::start(DocumentWindow* doc, std::vector<CDpctData*> items)
{
    std::erase(items, nullptr);
    if (!doc || !canStart() || items.empty())
        return false;
    runDocument_ = doc;
    if (!engine_->start(items, doc->listFolder().toStdString())) {
        runDocument_.clear();
        return false;
    }
    doc->runStartedFor(items);
    return true;
}

bool RunController::startAfterAsking(DocumentWindow* doc, RunScope scope, QWidget* window)
{
    if (!doc)
        return false;
    std::vector<CDpctData*> items = scope == RunScope::All ? doc->runItems() : failedItems(doc);
    if (items.empty() || !confirmOptionConflicts(doc, items, window))
        return false;
    // The question may have taken a while: the run may no longer be possible.
    if (!canStart())
        return false;
    WaitCursor wait;
    return scope == RunScope::All ? start(doc) : start(doc, std::move(items));
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
    engine_->togglePause();
    if (runDocument_)
        runDocument_->itemsChanged();
}

void RunController::stop()
{
    if (!canPauseOrStop())
        return;
    engine_->stop();
    if (runDocument_)
        runDocument_->runAdvance(false);
    Q_EMIT progressChanged(0, -1);
}

void RunController::documentClosing(DocumentWindow* doc)
{
    if (!doc || doc != runDocument_)
        return;
    if (engine_ && isRunPhase(engine_->phase())) {
        engine_->stop();
        engine_->processPending();
    }
    runDocument_.clear();
}

// RunObserver: every call comes on the UI thread, from inside the engine.

void RunController::phaseChanged(RunPhase phase)
{
    Q_EMIT runPhaseChanged(phase);
    if (engine_ && engine_->consoleLost() && !lostReported_) {
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

void RunController::itemStatusChanged(CDpctData& item)
{
    itemTouched(item);
}

void RunController::itemFinished(CDpctData& item)
{
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
    Q_EMIT outputArrived(utf8);
}

} // namespace tovalo::gui
