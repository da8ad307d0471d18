#include "run_engine.h"

#include "base/text.h"
#include "data/command_line.h"
#include "dpct_output.h"

#include <utility>

namespace tovalo {

namespace {

// Number of UTF-16 code units of a UTF-8 text: what the command interpreter counts.
std::size_t utf16Length(std::string_view utf8)
{
    std::size_t n = 0;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) != 0x80)
            n += c >= 0xF0 ? 2 : 1;
    }
    return n;
}

} // namespace

RunEngine::RunEngine(Console& console, RunObserver& observer, RunEngineConfig config, WakeFunction wake)
    : console_(console), observer_(observer), config_(std::move(config)), wake_(std::move(wake))
{}

RunEngine::~RunEngine() = default;

void RunEngine::setKnownVersion(std::string version, std::string codebase)
{
    dpctVersion_ = std::move(version);
    dpctCodebase_ = std::move(codebase);
    versionGiven_ = true;
}

bool RunEngine::startUp(Message& error)
{
    if (!console_.open(wake_, error)) {
        consoleLost_ = true;
        return false;
    }
    consoleLost_ = false;
    adoptPromptForm();
    if (oneApiPresent())
        setPhase(RunPhase::AwaitPrompt);
    return true;
}

void RunEngine::adoptPromptForm()
{
    promptForm_ = console_.promptForm();
    if (!promptForm_.before.empty())
        output_.setPromptForm(promptForm_.before, promptForm_.after);
}

void RunEngine::setPhase(RunPhase p)
{
    phase_ = p;
    notifyPhase();
}

void RunEngine::notifyPhase()
{
    observer_.phaseChanged(phase_);
}

void RunEngine::requestOperate()
{
    operatePending_ = true;
    if (wake_)
        wake_();
}

std::string RunEngine::word(const Message& message) const
{
    return wording_ ? wording_(message) : englishText(message);
}

// A notice of the engine's own: a line of its own starting with "[Tovalo] ", after an empty
// line when it follows console output that may not have ended its line.
void RunEngine::notice(const Message& message, bool blankLineBefore)
{
    observer_.consoleText((blankLineBefore ? "\n[Tovalo] " : "[Tovalo] ") + word(message) + "\n");
}

void RunEngine::resetConsoleText()
{
    output_.clear();
}

void RunEngine::processPending()
{
    // A command step requested earlier runs first; steps requested while this call handles
    // output run on the next call, so the host can act (pause, stop) in between.
    if (operatePending_) {
        operatePending_ = false;
        runCommandStep();
    }
    if (responsePending_) {
        responsePending_ = false;
        runResponseStep();
    }
    // The console wakes the host only when its queue goes from empty to filled, so a call that
    // leaves the queue alone (it still has taken text to handle) makes sure another call follows.
    const bool takes = takenPos_ >= taken_.size();
    if (takes) {
        ConsoleOutput out = console_.takeOutput();
        taken_ = std::move(out.text);
        takenPos_ = 0;
        if (out.ended) {
            endTaken_ = true;
            endReason_ = std::move(out.endReason);
        }
    }
    if (takenPos_ < taken_.size()) {
        const std::string_view rest = std::string_view(taken_).substr(takenPos_);
        std::size_t n = rest.size();
        if (n > kMaxTextPerCall) // cut before a character, never inside one
            n = utf8BoundaryBefore(rest, kMaxTextPerCall);
        takenPos_ += n;
        handleConsoleText(rest.substr(0, n));
        if (takenPos_ < taken_.size()) {
            if (wake_)
                wake_();
            return;
        }
        taken_.clear();
        takenPos_ = 0;
        if (!takes) {
            if (wake_)
                wake_();
            return;
        }
    }
    if (endTaken_) {
        endTaken_ = false;
        handleConsoleEnded(std::exchange(endReason_, {}));
    }
}

void RunEngine::handleConsoleText(std::string_view utf8)
{
    observer_.consoleText(utf8);
    output_.append(utf8);
    runResponseStep();
}

void RunEngine::runResponseStep()
{
    switch (phase_) {
    case RunPhase::AwaitPrompt: {
        if (!promptForm_.before.empty()) {
            // The console's own prompt: known in advance, seen when it is whole.
            if (!output_.promptSeen())
                return;
            prompt_ = promptForm_.before + "0" + promptForm_.after;
            resetConsoleText();
            setPhase(RunPhase::SetvarsRequested);
            requestOperate();
            return;
        }
        std::string found;
        forEachLine(output_.text(), [&](std::string_view line) {
            if (found.empty() && line.find('>') != std::string_view::npos)
                found.assign(line);
        });
        if (found.empty())
            return;
        prompt_ = found;
        resetConsoleText();
        output_.setPrompt(prompt_);
        setPhase(RunPhase::SetvarsRequested);
        requestOperate();
        return;
    }
    case RunPhase::SetvarsRunning:
        if (!output_.promptSeen())
            return;
        resetConsoleText();
        if (versionGiven_) {
            startUpDone_ = true;
            restarts_ = 0;
            setPhase(RunPhase::Idle);
            return;
        }
        setPhase(RunPhase::VersionRequested);
        requestOperate();
        return;
    case RunPhase::VersionRunning: {
        if (!output_.promptSeen())
            return;
        const DpctVersion v = parseDpctVersion(output_.text());
        if (!v.found) {
            if (!versionUnanswered_) {
                versionUnanswered_ = true;
                notice(MessageId::NoVersionLine, true);
                observer_.phaseChanged(phase_);
            }
            return;
        }
        versionUnanswered_ = false;
        dpctVersion_ = v.version;
        dpctCodebase_ = v.codebase;
        startUpDone_ = true;
        restarts_ = 0;
        observer_.versionKnown(dpctVersion_, dpctCodebase_);
        resetConsoleText();
        setPhase(RunPhase::Idle);
        return;
    }
    case RunPhase::ItemRunning:
        if (!output_.promptSeen())
            return;
        finishHead();
        afterItemDone();
        return;
    case RunPhase::Idle:
        // After a stop the stopped command runs on; its output is shown but judged for nothing,
        // and a new run may start only once its prompt is back.
        if (stoppedCommandRunning_ && output_.promptSeen()) {
            stoppedCommandRunning_ = false;
            resetConsoleText();
            observer_.phaseChanged(phase_);
        }
        return;
    default:
        return;
    }
}

void RunEngine::finishHead()
{
    CDpctData* head = runQueue_[queueHead_];
    const ItemJudgement j = output_.judgement();
    head->status = j.status;
    if (j.status == ItemStatus::ConvertedNg)
        head->exitCode = j.exitCode;
    if (j.status == ItemStatus::Converting) {
        // The command has ended and nothing decided: dpct crashed, printed nothing that decides
        // or never ran (the interpreter rejected the line). Its exit status is the one the
        // prompt carries, where the prompt carries one.
        head->status = ItemStatus::ConvertedNg;
        head->exitCode = output_.promptStatus().value_or(-1);
    }
    head->diagnostics = output_.takeDiagnostics();
    head->diagnosticsDropped = output_.diagnosticsDropped();
    head->resultText = output_.takeTextBeforePrompt();
    head->elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - itemStarted_)
            .count();
    if (head->status == ItemStatus::ConvertedNg && isOptionSetRefusal(head->resultText, head->exitCode))
        head->resultText += "\n[Tovalo] " + word(MessageId::OptionSetRefused) + "\n";
    completeHead();
}

void RunEngine::completeHead()
{
    CDpctData* head = runQueue_[queueHead_];
    observer_.itemStatusChanged(*head);
    observer_.itemFinished(*head);
    ++queueHead_;
    ++doneCount_;
    observer_.progress(doneCount_, total_);
}

void RunEngine::afterItemDone()
{
    resetConsoleText();
    if (queueHead_ < runQueue_.size()) {
        observer_.advance(true);
        setPhase(RunPhase::ItemRequested);
        requestOperate();
    } else {
        runQueue_.clear();
        previousStatus_.clear();
        queueHead_ = 0;
        setPhase(RunPhase::Idle);
        observer_.advance(false);
    }
}

void RunEngine::restoreUnstarted()
{
    for (std::size_t i = queueHead_; i < runQueue_.size(); ++i) {
        CDpctData* item = runQueue_[i];
        if (item->status == ItemStatus::Waiting) {
            item->status = previousStatus_[i];
            observer_.itemStatusChanged(*item);
        }
    }
}

bool RunEngine::writeCommand(const std::string& line)
{
    Message error;
    if (console_.writeCommand(line, error))
        return true;
    notice(Message(MessageId::CommandNotWritten, {std::move(error)}), true);
    return false;
}

void RunEngine::moveAndWrite(RunPhase next, const std::string& line)
{
    // A command step in this order: phase set, text emptied, command written, then the status
    // pane updated, so the command's echo and all its output reach the response step.
    phase_ = next;
    resetConsoleText();
    writeCommand(line);
    notifyPhase();
}

void RunEngine::runCommandStep()
{
    const bool cmd = console_.dialect() == Dialect::Cmd;
    switch (phase_) {
    case RunPhase::SetvarsRequested:
        moveAndWrite(RunPhase::SetvarsRunning, cmd ? "\"" + config_.oneApiRoot + "setvars.bat\""
                                                   : ". " + shellQuote(config_.oneApiRoot + "setvars.sh"));
        return;
    case RunPhase::VersionRequested:
        moveAndWrite(RunPhase::VersionRunning, cmd ? "dpct.exe --version" : "dpct --version");
        return;
    case RunPhase::ItemRequested: {
        if (queueHead_ >= runQueue_.size())
            return;
        CDpctData* head = runQueue_[queueHead_];
        // The item's earlier result stays until now, when it starts.
        head->status = ItemStatus::Converting;
        head->resultText.clear();
        head->exitCode = 0;
        head->diagnostics.clear();
        head->diagnosticsDropped = 0;
        head->elapsedMs = -1;
        observer_.itemStatusChanged(*head);
        CommandLine line = buildCommandLine(head, console_.dialect());
        Message refusal = line.refusal;
        if (refusal.empty() && !folder_.empty()) {
            // The folder change and dpct on one line: one prompt ends both, and dpct does not run
            // when the folder cannot be entered.
            if (Message why = unsafeQuotedValueReason(folder_, console_.dialect()); !why.empty())
                refusal = Message(MessageId::ValueRefused, {MessageId::SubjectListFolder, std::move(why)});
            else
                line.text = (cmd ? "cd /d \"" + folder_ + "\" && " : "cd " + shellQuote(folder_) + " && ") +
                            line.text;
        }
        if (!refusal.empty()) {
        } else if (cmd && utf16Length(line.text) > kCmdMaxLineLength)
            refusal = Message(MessageId::LineTooLong,
                              {std::to_string(utf16Length(line.text)), std::to_string(kCmdMaxLineLength)});
        else
            refusal = console_.refusal(line.text);
        if (!refusal.empty()) {
            // Not sent: the item fails with the reason, and the run goes on.
            head->status = ItemStatus::ConvertedNg;
            head->resultText =
                "[Tovalo] " + word(Message(MessageId::NotConverted, {std::move(refusal)})) + "\n";
            head->elapsedMs = 0;
            observer_.consoleText(head->resultText);
            completeHead();
            afterItemDone();
            return;
        }
        itemStarted_ = std::chrono::steady_clock::now();
        moveAndWrite(RunPhase::ItemRunning, line.text);
        return;
    }
    case RunPhase::StopRequested:
        for (std::size_t i = queueHead_; i < runQueue_.size(); ++i) {
            CDpctData* item = runQueue_[i];
            if (item->status == ItemStatus::Converting) {
                // Stopped while dpct ran: no result, but what it printed so far is kept.
                item->status = ItemStatus::None;
                item->resultText = output_.textBeforePrompt();
                item->diagnostics = output_.diagnostics();
                item->diagnosticsDropped = output_.diagnosticsDropped();
                item->elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - itemStarted_)
                                      .count();
                observer_.itemStatusChanged(*item);
            } else if (item->status == ItemStatus::Waiting) {
                item->status = previousStatus_[i];
                observer_.itemStatusChanged(*item);
            }
        }
        runQueue_.clear();
        previousStatus_.clear();
        queueHead_ = 0;
        setPhase(RunPhase::Idle);
        // Output read while paused may already hold the stopped command's prompt.
        runResponseStep();
        return;
    default:
        return;
    }
}

bool RunEngine::canStart() const
{
    return oneApiPresent() && phase_ == RunPhase::Idle && startUpDone_ && !stoppedCommandRunning_ &&
           !consoleLost_ && console_.isOpen();
}

bool RunEngine::start(std::vector<CDpctData*> items, std::string_view folder)
{
    std::erase(items, nullptr);
    if (!canStart() || items.empty())
        return false;
    runQueue_ = std::move(items);
    folder_ = folder;
    queueHead_ = 0;
    // Each item keeps its earlier result until it starts; one the run never reaches gets its
    // earlier status back.
    previousStatus_.clear();
    for (CDpctData* item : runQueue_) {
        previousStatus_.push_back(item->status);
        item->status = ItemStatus::Waiting;
        observer_.itemStatusChanged(*item);
    }
    doneCount_ = 0;
    total_ = static_cast<int>(runQueue_.size());
    observer_.progress(0, total_);
    setPhase(RunPhase::ItemRequested);
    requestOperate();
    return true;
}

void RunEngine::togglePause()
{
    if (phase_ == RunPhase::Paused) {
        phase_ = phaseBeforePause_;
        console_.setReadingPaused(false);
        notifyPhase();
        // Nothing that arrived or was asked for during the pause is lost: the command step runs
        // again, and output read before the pause is looked at again.
        if (phase_ == RunPhase::ItemRequested)
            requestOperate();
        else {
            responsePending_ = true;
            if (wake_)
                wake_();
        }
        return;
    }
    if (phase_ != RunPhase::ItemRequested && phase_ != RunPhase::ItemRunning)
        return;
    phaseBeforePause_ = phase_;
    phase_ = RunPhase::Paused;
    notifyPhase();
    console_.setReadingPaused(true);
}

void RunEngine::stop()
{
    if (!canPauseOrStop())
        return;
    const RunPhase running = phase_ == RunPhase::Paused ? phaseBeforePause_ : phase_;
    console_.setReadingPaused(false);
    if (running == RunPhase::ItemRunning) {
        stoppedCommandRunning_ = true;
        console_.interruptCommand();
    }
    setPhase(RunPhase::StopRequested);
    requestOperate();
    observer_.advance(false);
    observer_.progress(doneCount_, -1);
}

bool RunEngine::interruptCommand()
{
    return console_.interruptCommand();
}

void RunEngine::handleConsoleEnded(const Message& reason)
{
    notice(Message(MessageId::InterpreterEnded, {reason}), true);
    console_.close();
    const bool running = isRunPhase(phase_);
    if (running) {
        if (queueHead_ < runQueue_.size() && runQueue_[queueHead_]->status == ItemStatus::Converting) {
            CDpctData* head = runQueue_[queueHead_];
            head->status = ItemStatus::ConvertedNg;
            head->exitCode = -1;
            head->diagnostics = output_.takeDiagnostics();
            head->diagnosticsDropped = output_.diagnosticsDropped();
            head->elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - itemStarted_)
                                  .count();
            head->resultText = output_.takeText();
            head->resultText += "\n[Tovalo] " + word(MessageId::EndedDuringConversion) + "\n";
            observer_.itemStatusChanged(*head);
            observer_.itemFinished(*head);
            ++doneCount_;
        }
        restoreUnstarted();
        runQueue_.clear();
        previousStatus_.clear();
        queueHead_ = 0;
    }
    stoppedCommandRunning_ = false;
    startUpDone_ = false;
    versionUnanswered_ = false;
    operatePending_ = false;
    responsePending_ = false;
    prompt_.clear();
    resetConsoleText();
    output_.setPrompt(prompt_);
    setPhase(RunPhase::Idle);
    if (running) {
        observer_.advance(false);
        observer_.progress(doneCount_, -1);
    }
    if (running && !config_.restartAfterRun) {
        consoleLost_ = true;
        observer_.phaseChanged(phase_);
        return;
    }
    if (restarts_ >= config_.maxRestarts) {
        consoleLost_ = true;
        notice(MessageId::InterpreterKeepsEnding);
        observer_.phaseChanged(phase_);
        return;
    }
    ++restarts_;
    Message error;
    if (!console_.open(wake_, error)) {
        consoleLost_ = true;
        notice(Message(MessageId::InterpreterNotRestarted, {std::move(error)}));
        observer_.phaseChanged(phase_);
        return;
    }
    adoptPromptForm();
    notice(MessageId::InterpreterRestarted);
    if (oneApiPresent())
        setPhase(RunPhase::AwaitPrompt);
}

} // namespace tovalo
