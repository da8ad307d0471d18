#include "console.h"

namespace tovalo {

Message Console::refusal(std::string_view line) const
{
    if (line.find_first_of("\r\n") != std::string_view::npos)
        return MessageId::CommandNotSingleLine;
    return {};
}

void ConsoleOutputQueue::reset(Console::WakeFunction wake)
{
    std::lock_guard lock(mutex_);
    text_.clear();
    ended_ = endTaken_ = released_ = false;
    endReason_.clear();
    wake_ = std::move(wake);
}

void ConsoleOutputQueue::push(std::string_view text, bool ended, Message reason)
{
    add(text, ended, std::move(reason), ended ? Room::Ignore : Room::WaitFor);
}

void ConsoleOutputQueue::pushFromHost(std::string_view text)
{
    add(text, false, {}, Room::Ignore);
}

void ConsoleOutputQueue::add(std::string_view text, bool ended, Message reason, Room room)
{
    bool wasEmpty;
    {
        std::unique_lock lock(mutex_);
        if (room == Room::WaitFor)
            room_.wait(lock, [this] { return text_.size() < kMaxQueued || released_; });
        wasEmpty = text_.empty() && !ended_;
        text_ += text;
        if (ended) {
            ended_ = true;
            endReason_ = std::move(reason);
        }
    }
    if ((wasEmpty || ended) && wake_)
        wake_();
}

ConsoleOutput ConsoleOutputQueue::take()
{
    ConsoleOutput out;
    {
        std::lock_guard lock(mutex_);
        out.text.swap(text_);
        if (ended_ && !endTaken_) {
            endTaken_ = true;
            out.ended = true;
            out.endReason = endReason_;
        }
    }
    room_.notify_one();
    return out;
}

void ConsoleOutputQueue::release()
{
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    room_.notify_one();
}

} // namespace tovalo
