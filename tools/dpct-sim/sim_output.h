#pragma once
// The two output streams of the simulated tool, buffered the way an LLVM tool buffers them.
//
// Standard output is line-buffered on a terminal and block-buffered (4 KiB, like a pipe's
// preferred block size) otherwise; what is still buffered is written at a normal exit and lost
// at a crash. Standard error is unbuffered. So in a merged pipe the stderr lines usually come
// out before the stdout lines that were printed earlier, as with the real tool.

#include <string>
#include <string_view>

namespace dpctsim {

class Output
{
public:
    Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    /// Text for standard output (UTF-8, converted as set by setAnsi).
    void out(std::string_view text);
    /// Text for standard error, written at once.
    void err(std::string_view text);
    /// Writes what standard output still holds.
    void flush();
    /// Drops what standard output still holds (a crash loses it).
    void discard();
    /// Re-encode all text to the ANSI code page before writing (Windows; no effect elsewhere).
    void setAnsi(bool ansi) { ansi_ = ansi; }

private:
    std::string encode(std::string_view text) const;

    std::string buffer_;
    bool lineBuffered_;
    bool ansi_ = false;
};

} // namespace dpctsim
