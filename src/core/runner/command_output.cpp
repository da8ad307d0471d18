#include "command_output.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <thread>
#include <utility>

namespace tovalo {

namespace {

/// From this capacity on, the next buffer is prepared by a worker. Below it a copy takes well
/// under a millisecond.
constexpr std::size_t kBackgroundGrowthFrom = std::size_t{4} << 20;
/// The worker copies in pieces of this size and looks for a cancel between them, so that
/// dropping a growth never waits for more than one piece.
constexpr std::size_t kGrowthPiece = std::size_t{1} << 20;

} // namespace

// A worker copies the text into a buffer of twice the capacity while the owner goes on
// appending behind it (appending within the capacity never moves the bytes already held). Each
// pass copies what had arrived when it started; the owner starts another pass whenever one is
// done and more has arrived. Once a pass has caught up (or the text needs more room), the owner
// takes the new buffer, adds the little that came after the last pass, and lets the old go.
class CommandOutput::Growth
{
public:
    explicit Growth(std::size_t capacity) : capacity_(capacity) {}
    ~Growth()
    {
        cancel_.store(true, std::memory_order_relaxed);
        if (worker_.joinable())
            worker_.join();
    }
    Growth(const Growth&) = delete;
    Growth& operator=(const Growth&) = delete;

    /// No pass is running.
    bool idle() const { return !worker_.joinable() || done_.load(std::memory_order_acquire); }
    /// Starts a pass over source[copied(), upTo). Only when idle().
    void copyMore(const char* source, std::size_t upTo)
    {
        if (worker_.joinable())
            worker_.join();
        const std::size_t from = copied_;
        copied_ = upTo;
        done_.store(false, std::memory_order_relaxed);
        worker_ = std::thread([this, source, from, upTo] {
            if (grown_.capacity() < capacity_)
                grown_.reserve(capacity_);
            for (std::size_t at = from; at < upTo && !cancel_.load(std::memory_order_relaxed);
                 at += kGrowthPiece)
                grown_.append(source + at, std::min(kGrowthPiece, upTo - at));
            done_.store(true, std::memory_order_release);
        });
    }
    /// The bytes copied so far, once every pass has ended.
    std::size_t copied() const { return copied_; }
    /// The new buffer (waits for the running pass).
    std::string take()
    {
        if (worker_.joinable())
            worker_.join();
        return std::move(grown_);
    }

private:
    std::size_t capacity_;
    std::size_t copied_ = 0;
    std::string grown_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    std::thread worker_;
};

CommandOutput::CommandOutput() = default;
CommandOutput::~CommandOutput() = default;
CommandOutput::CommandOutput(CommandOutput&&) noexcept = default;
CommandOutput& CommandOutput::operator=(CommandOutput&&) noexcept = default;

void CommandOutput::dropGrowth()
{
    growth_.reset();
}

void CommandOutput::makeRoomFor(std::size_t bytes)
{
    const std::size_t need = text_.size() + bytes;
    // The new buffer is taken when the text needs it, or as soon as a pass has caught up with
    // the text, when what is left to add is small.
    if (growth_ &&
        (need > text_.capacity() || (growth_->idle() && text_.size() - growth_->copied() < kGrowthPiece))) {
        std::string grown = growth_->take();
        grown.append(text_, growth_->copied(), std::string::npos);
        growth_.reset();
        text_.swap(grown);
    }
    if (need > text_.capacity() || text_.capacity() < kBackgroundGrowthFrom)
        return;
    // From half the buffer on, the next one is prepared, and kept up with what arrives.
    if (!growth_ && text_.size() > text_.capacity() / 2)
        growth_ = std::make_unique<Growth>(text_.capacity() * 2);
    if (growth_ && growth_->idle() && text_.size() - growth_->copied() >= kGrowthPiece)
        growth_->copyMore(text_.data(), text_.size());
}

void CommandOutput::setPrompt(std::string_view prompt)
{
    prompt_.assign(prompt);
    promptAfter_.clear();
    promptHasStatus_ = false;
    rescan();
}

void CommandOutput::setPromptForm(std::string_view before, std::string_view after)
{
    prompt_.assign(before);
    promptAfter_.assign(after);
    promptHasStatus_ = true;
    rescan();
}

void CommandOutput::rescan()
{
    dropGrowth();
    const std::string text = std::exchange(text_, {});
    clear();
    append(text);
}

bool CommandOutput::isPrompt(std::string_view line, std::optional<int>* status) const
{
    if (prompt_.empty() || !line.starts_with(prompt_))
        return false;
    line.remove_prefix(prompt_.size());
    if (!promptHasStatus_)
        return line.empty();
    int value = 0;
    const char* end = line.data() + line.size();
    const auto [p, ec] = std::from_chars(line.data(), end, value);
    if (ec != std::errc() || std::string_view(p, static_cast<std::size_t>(end - p)) != promptAfter_)
        return false;
    if (status)
        *status = value;
    return true;
}

void CommandOutput::clear()
{
    dropGrowth();
    text_.clear();
    judge_ = DpctJudge{};
    diagnostics_.clear();
    dropped_ = 0;
    lineStart_ = 0;
    promptLineSeen_ = false;
    promptLineStatus_.reset();
    promptAt_ = std::string::npos;
    promptSearchFrom_ = 0;
}

void CommandOutput::append(std::string_view utf8)
{
    const std::size_t from = text_.size();
    makeRoomFor(utf8.size());
    text_ += utf8;
    scan(from);
}

void CommandOutput::scan(std::size_t from)
{
    const std::string_view text = text_;
    for (std::size_t nl = text.find('\n', from); nl != std::string_view::npos; nl = text.find('\n', nl + 1)) {
        const std::string_view line = text.substr(lineStart_, nl - lineStart_);
        if (!line.empty()) {
            judge_.feedLine(line);
            if (auto d = parseDiagnosticLine(line))
                keep(diagnostics_, std::move(*d));
        }
        if (!promptLineSeen_ && isPrompt(line, &promptLineStatus_))
            promptLineSeen_ = true;
        lineStart_ = nl + 1;
    }
    if (prompt_.empty() || promptAt_ != std::string::npos)
        return;
    promptAt_ = text.find(prompt_, promptSearchFrom_);
    // The next search starts where a prompt split by the end of this text could begin.
    if (promptAt_ == std::string::npos && text.size() >= prompt_.size())
        promptSearchFrom_ = text.size() - prompt_.size() + 1;
}

bool CommandOutput::promptSeen() const
{
    return promptLineSeen_ || isPrompt(std::string_view(text_).substr(lineStart_), nullptr);
}

std::optional<int> CommandOutput::promptStatus() const
{
    if (promptLineSeen_)
        return promptLineStatus_;
    std::optional<int> status;
    isPrompt(std::string_view(text_).substr(lineStart_), &status);
    return status;
}

ItemJudgement CommandOutput::judgement() const
{
    DpctJudge judge = judge_;
    const std::string_view last = std::string_view(text_).substr(lineStart_);
    if (!last.empty())
        judge.feedLine(last);
    return judge.result();
}

std::vector<DpctDiagnostic> CommandOutput::takeDiagnostics()
{
    std::vector<DpctDiagnostic> result = std::move(diagnostics_);
    diagnostics_.clear();
    const std::string_view last = std::string_view(text_).substr(lineStart_);
    if (!last.empty() && !isPrompt(last, nullptr)) {
        if (auto d = parseDiagnosticLine(last))
            keep(result, std::move(*d));
    }
    return result;
}

void CommandOutput::keep(std::vector<DpctDiagnostic>& into, DpctDiagnostic&& d)
{
    if (into.size() < CDpctData::kMaxKeptDiagnostics)
        into.push_back(std::move(d));
    else
        ++dropped_;
}

std::string CommandOutput::takeTextBeforePrompt()
{
    const std::size_t cut = prompt_.empty() ? 0 : promptAt_;
    dropGrowth();
    std::string text = std::move(text_);
    if (cut != std::string::npos)
        text.resize(cut);
    clear();
    return text;
}

std::string CommandOutput::textBeforePrompt() const
{
    return text_.substr(0, prompt_.empty() ? text_.size() : promptAt_);
}

std::string CommandOutput::takeText()
{
    dropGrowth();
    std::string text = std::move(text_);
    clear();
    return text;
}

} // namespace tovalo
