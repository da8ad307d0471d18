#include "run_scheduler.h"

#include "base/text.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace tovalo {

namespace {

// A console's unfinished line is passed on as a line of its own once it is this long, so that
// output without line ends cannot pile up.
constexpr std::size_t kMaxPartialLine = 64 * 1024;

} // namespace

/// One console and the engine on top of it, with the item it has been given.
struct RunScheduler::Lane
{
    int index = 0;
    std::unique_ptr<Console> console;
    std::unique_ptr<LaneObserver> observer;
    std::unique_ptr<RunEngine> engine;
    std::size_t pos = kNone;            ///< position in the run of the item given to it
    const CDpctData* tagItem = nullptr; ///< the item its output belongs to
    std::string partial;                ///< tagged output: the unfinished last line
    bool midLine = false;               ///< untagged output ended inside a line
    bool settle = false;                ///< its engine's run has ended; the item is to be settled
    bool lostInRun = false;             ///< its interpreter ended during an item, not restarted
};

/// Passes what a console's engine reports on to the scheduler, with the console.
class RunScheduler::LaneObserver final : public RunObserver
{
public:
    LaneObserver(RunScheduler& s, Lane& lane) : s_(s), lane_(lane) {}
    void phaseChanged(RunPhase) override { s_.lanePhaseChanged(); }
    void versionKnown(const std::string& v, const std::string& c) override
    {
        s_.laneVersionKnown(lane_, v, c);
    }
    void itemStatusChanged(CDpctData& item) override { s_.laneItemStatus(lane_, item); }
    void itemFinished(CDpctData& item) override { s_.laneItemFinished(item); }
    void advance(bool nextItem) override
    {
        if (!nextItem)
            lane_.settle = true;
    }
    void consoleText(std::string_view utf8) override { s_.laneText(lane_, utf8); }

private:
    RunScheduler& s_;
    Lane& lane_;
};

RunScheduler::RunScheduler(ConsoleFactory factory, RunObserver& observer, RunEngineConfig config,
                           WakeFunction wake)
    : factory_(std::move(factory)), observer_(observer), config_(std::move(config)), wake_(std::move(wake))
{}

RunScheduler::~RunScheduler() = default;

void RunScheduler::setWording(RunEngine::Wording wording)
{
    wording_ = std::move(wording);
    for (const auto& lane : lanes_)
        lane->engine->setWording(wording_);
}

void RunScheduler::setConsoleLimit(int consoles)
{
    limit_ = std::clamp(consoles, 1, kMaxConsoles);
}

RunScheduler::Lane& RunScheduler::addLane()
{
    auto lane = std::make_unique<Lane>();
    lane->index = static_cast<int>(lanes_.size());
    lane->console = factory_();
    lane->observer = std::make_unique<LaneObserver>(*this, *lane);
    lane->engine = std::make_unique<RunEngine>(*lane->console, *lane->observer, config_, wake_);
    if (wording_)
        lane->engine->setWording(wording_);
    lanes_.push_back(std::move(lane));
    return *lanes_.back();
}

bool RunScheduler::openLane(Lane& lane)
{
    Message error;
    lane.lostInRun = false;
    if (lane.index != 0 && !version_.empty())
        lane.engine->setKnownVersion(version_, codebase_);
    if (lane.engine->startUp(error))
        return true;
    ++failedOpens_;
    laneText(lane, "[Tovalo] " +
                       (wording_ ? wording_(Message(MessageId::InterpreterNotRestarted, {error}))
                                 : englishText(Message(MessageId::InterpreterNotRestarted, {error}))) +
                       "\n");
    return false;
}

bool RunScheduler::startUp(Message& error)
{
    Lane& first = lanes_.empty() ? addLane() : *lanes_.front();
    return first.engine->startUp(error);
}

bool RunScheduler::laneReady(const Lane& lane) const
{
    return lane.pos == kNone && lane.engine->canStart();
}

// Opened and on its way through the start-up sequence (or restarting), so it will be ready.
bool RunScheduler::laneStarting(const Lane& lane) const
{
    return lane.pos == kNone && lane.console->isOpen() && !lane.engine->startUpDone() &&
           !lane.engine->consoleLost() && !lane.engine->versionQueryUnanswered();
}

void RunScheduler::processPending()
{
    // A lane's engine may add lanes' text only through its observer, never lanes themselves, so
    // the list does not change while it is walked. Each engine handles at most its share of
    // text per call; so that several consoles printing at once do not add up to one long call,
    // the lanes take turns, starting after the last one served, until a call has taken
    // kTurnBudget; the host is woken again for the rest.
    const auto begin = std::chrono::steady_clock::now();
    const std::size_t n = lanes_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = (nextLane_ + i) % n;
        lanes_[at]->engine->processPending();
        if (i + 1 < n && std::chrono::steady_clock::now() - begin >= kTurnBudget) {
            nextLane_ = (at + 1) % n;
            if (wake_)
                wake_();
            break;
        }
    }
    settleLanes();
    dispatch();
}

bool RunScheduler::start(std::vector<CDpctData*> items, std::string_view baseDir)
{
    std::erase(items, nullptr);
    if (!canStart() || items.empty())
        return false;
    run_ = std::move(items);
    baseDir_ = baseDir;
    previous_.clear();
    for (CDpctData* item : run_) {
        previous_.push_back(item->status);
        item->status = ItemStatus::Waiting;
        observer_.itemStatusChanged(*item);
    }
    const std::vector<const CDpctData*> view(run_.begin(), run_.end());
    groups_ = groupByOutRoot(view, baseDir);
    groupNext_.assign(groups_.members.size(), 0);
    groupBusy_.assign(groups_.members.size(), false);
    ready_.clear();
    for (const auto& members : groups_.members)
        ready_.insert(members.front());
    runConsoles_ = std::min(limit_, static_cast<int>(groups_.members.size()));
    if (runConsoles_ > 1)
        setTagged();
    failedOpens_ = 0;
    done_ = 0;
    total_ = static_cast<int>(run_.size());
    runActive_ = true;
    paused_ = stopRequested_ = false;
    observer_.progress(0, total_);
    notifyPhase();
    dispatch();
    return true;
}

void RunScheduler::dispatch()
{
    if (!runActive_ || paused_ || stopRequested_)
        return;
    for (const auto& lane : lanes_) {
        if (ready_.empty())
            break;
        if (lane->index < runConsoles_ && laneReady(*lane))
            startOn(*lane, *ready_.begin());
    }
    // Items that could start now and no console free for them: open more consoles, up to the
    // run's number; those starting up already count.
    std::size_t wanted = ready_.size();
    for (const auto& lane : lanes_) {
        if (lane->index < runConsoles_ && laneStarting(*lane) && wanted > 0)
            --wanted;
    }
    for (int i = 0; i < runConsoles_ && wanted > 0 && failedOpens_ <= config_.maxRestarts; ++i) {
        if (static_cast<std::size_t>(i) >= lanes_.size()) {
            openLane(addLane());
            --wanted;
        } else if (Lane& lane = *lanes_[static_cast<std::size_t>(i)]; lane.lostInRun && lane.pos == kNone) {
            openLane(lane);
            --wanted;
        }
    }
    // Nothing runs, nothing is starting up and no console can be had: the run cannot go on.
    const bool busy = std::any_of(lanes_.begin(), lanes_.end(), [this](const auto& lane) {
        return lane->pos != kNone ||
               (lane->index < runConsoles_ && (laneStarting(*lane) || laneReady(*lane)));
    });
    if (!busy && !ready_.empty())
        endRun(true);
}

void RunScheduler::startOn(Lane& lane, std::size_t pos)
{
    ready_.erase(pos);
    groupBusy_[groups_.groupOf[pos]] = true;
    lane.pos = pos;
    lane.tagItem = run_[pos];
    lane.engine->start({run_[pos]}, baseDir_);
}

void RunScheduler::settleLanes()
{
    for (const auto& lanePtr : lanes_) {
        Lane& lane = *lanePtr;
        if (!lane.settle)
            continue;
        lane.settle = false;
        if (lane.pos == kNone)
            continue;
        const std::size_t pos = std::exchange(lane.pos, kNone);
        const std::size_t g = groups_.groupOf[pos];
        groupBusy_[g] = false;
        // Back to waiting: its command was never written (a stop came first, or the console
        // ended before it); it stays its group's next item.
        if (run_[pos]->status != ItemStatus::Waiting) {
            if (++groupNext_[g] < groups_.members[g].size())
                ready_.insert(groups_.members[g][groupNext_[g]]);
        } else {
            ready_.insert(pos);
        }
        const bool died = !lane.engine->startUpDone();
        if (died && lane.engine->consoleLost())
            lane.lostInRun = true;
        if (!runActive_ || stopRequested_)
            continue;
        if (died && runConsoles_ == 1) {
            // One console: its end ends the run, as a RunEngine's run ends.
            endRun(true);
            continue;
        }
        if (done_ < total_)
            observer_.advance(true);
    }
    if (!runActive_)
        return;
    const bool running =
        std::any_of(lanes_.begin(), lanes_.end(), [](const auto& lane) { return lane->pos != kNone; });
    if (stopRequested_ && !running)
        endRun(true);
    else if (done_ >= total_ && !running)
        endRun(false);
}

void RunScheduler::endRun(bool restoreUnstarted)
{
    const bool stopped = stopRequested_;
    if (restoreUnstarted) {
        for (std::size_t i = 0; i < run_.size(); ++i) {
            if (run_[i]->status == ItemStatus::Waiting) {
                run_[i]->status = previous_[i];
                observer_.itemStatusChanged(*run_[i]);
            }
        }
    }
    runActive_ = paused_ = stopRequested_ = false;
    // The items may go away once the run is over: later output belongs to no item.
    for (const auto& lane : lanes_)
        lane->tagItem = nullptr;
    run_.clear();
    previous_.clear();
    ready_.clear();
    notifyPhase();
    // A stop told the host when it was asked for.
    if (!stopped) {
        observer_.advance(false);
        if (restoreUnstarted)
            observer_.progress(done_, -1);
    }
}

void RunScheduler::togglePause()
{
    if (!canPauseOrStop())
        return;
    paused_ = !paused_;
    notifyPhase();
    dispatch();
}

void RunScheduler::stop()
{
    if (!canPauseOrStop())
        return;
    stopRequested_ = true;
    paused_ = false;
    for (const auto& lane : lanes_) {
        if (lane->pos != kNone)
            lane->engine->stop();
    }
    notifyPhase();
    observer_.advance(false);
    observer_.progress(done_, -1);
    if (wake_)
        wake_();
}

void RunScheduler::closeConsoles()
{
    for (const auto& lane : lanes_)
        lane->console->close();
}

RunPhase RunScheduler::phase() const
{
    if (runActive_) {
        if (stopRequested_)
            return RunPhase::StopRequested;
        if (paused_)
            return RunPhase::Paused;
        const bool running = std::any_of(lanes_.begin(), lanes_.end(), [](const auto& lane) {
            return lane->pos != kNone && lane->engine->phase() == RunPhase::ItemRunning;
        });
        return running ? RunPhase::ItemRunning : RunPhase::ItemRequested;
    }
    return lanes_.empty() ? RunPhase::Idle : lanes_.front()->engine->phase();
}

bool RunScheduler::startUpDone() const
{
    return !lanes_.empty() && lanes_.front()->engine->startUpDone();
}

bool RunScheduler::stoppedCommandRunning() const
{
    return std::any_of(lanes_.begin(), lanes_.end(),
                       [](const auto& lane) { return lane->engine->stoppedCommandRunning(); });
}

bool RunScheduler::canStart() const
{
    return !runActive_ && !lanes_.empty() && lanes_.front()->engine->canStart() && !stoppedCommandRunning();
}

bool RunScheduler::versionQueryUnanswered() const
{
    return !lanes_.empty() && lanes_.front()->engine->versionQueryUnanswered();
}

bool RunScheduler::consoleLost() const
{
    return lanes_.empty() || lanes_.front()->engine->consoleLost();
}

int RunScheduler::openConsoles() const
{
    return static_cast<int>(std::count_if(lanes_.begin(), lanes_.end(),
                                          [](const auto& lane) { return lane->console->isOpen(); }));
}

void RunScheduler::notifyPhase()
{
    observer_.phaseChanged(phase());
}

void RunScheduler::setTagged()
{
    if (tagged_)
        return;
    tagged_ = true;
    // What a console printed untagged so far ends its line first.
    for (const auto& lane : lanes_) {
        if (lane->midLine)
            observer_.consoleText("\n");
        lane->midLine = false;
    }
}

void RunScheduler::lanePhaseChanged()
{
    notifyPhase();
}

void RunScheduler::laneVersionKnown(Lane& lane, const std::string& version, const std::string& codebase)
{
    if (lane.index != 0)
        return;
    version_ = version;
    codebase_ = codebase;
    observer_.versionKnown(version, codebase);
}

void RunScheduler::laneItemStatus(Lane& lane, CDpctData& item)
{
    // Waiting is the scheduler's to say: the engine's own (its start, or its item given back)
    // only repeats it, and an item given back is settled by the scheduler.
    if (item.status == ItemStatus::Waiting)
        return;
    observer_.itemStatusChanged(item);
    if (item.status == ItemStatus::Converting)
        observer_.itemStarted(item, lane.index);
}

void RunScheduler::laneItemFinished(CDpctData& item)
{
    ++done_;
    observer_.itemFinished(item);
    observer_.progress(done_, total_);
}

void RunScheduler::laneText(Lane& lane, std::string_view utf8)
{
    if (utf8.empty())
        return;
    if (!tagged_) {
        observer_.consoleText(utf8);
        lane.midLine = utf8.back() != '\n';
        return;
    }
    lane.partial += utf8;
    const std::size_t end = lane.partial.rfind('\n');
    if (end != std::string::npos) {
        observer_.consoleLines(lane.index, lane.tagItem, std::string_view(lane.partial).substr(0, end + 1));
        lane.partial.erase(0, end + 1);
    }
    if (lane.partial.size() > kMaxPartialLine) {
        const std::size_t cut = utf8BoundaryBefore(lane.partial, kMaxPartialLine);
        std::string line = lane.partial.substr(0, cut) + "\n";
        lane.partial.erase(0, cut);
        observer_.consoleLines(lane.index, lane.tagItem, line);
    }
}

} // namespace tovalo
