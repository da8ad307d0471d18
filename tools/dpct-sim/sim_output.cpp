#include "sim_output.h"

#include "sim_platform.h"

namespace dpctsim {

namespace {
constexpr std::size_t kBlockSize = 4096;
}

Output::Output() : lineBuffered_(isTerminal(1)) {}

std::string Output::encode(std::string_view text) const
{
    return ansi_ ? toAnsiCodePage(text) : std::string(text);
}

void Output::out(std::string_view text)
{
    buffer_ += encode(text);
    if (lineBuffered_) {
        const auto lastNewline = buffer_.rfind('\n');
        if (lastNewline != std::string::npos) {
            writeStd(1, std::string_view(buffer_).substr(0, lastNewline + 1));
            buffer_.erase(0, lastNewline + 1);
        }
        return;
    }
    // Whole blocks go out as the buffer fills, the rest waits for the exit.
    if (buffer_.size() >= kBlockSize) {
        const std::size_t whole = buffer_.size() - buffer_.size() % kBlockSize;
        writeStd(1, std::string_view(buffer_).substr(0, whole));
        buffer_.erase(0, whole);
    }
}

void Output::err(std::string_view text)
{
    writeStd(2, encode(text));
}

void Output::flush()
{
    if (!buffer_.empty()) {
        writeStd(1, buffer_);
        buffer_.clear();
    }
}

void Output::discard()
{
    buffer_.clear();
}

} // namespace dpctsim
