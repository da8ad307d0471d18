#pragma once
// Console: one command interpreter kept running behind pipes for the life of its owner.
//
// The interpreter's stdout and stderr go into one pipe, so they arrive interleaved in one
// stream. A reader thread owned by the console does blocking reads on that pipe (it uses no CPU
// while the interpreter is silent), decodes the bytes to UTF-8 (an incomplete multibyte
// character is kept for the next read), appends the text to a mutex-protected queue and calls
// the host's `wake` function. The host then calls `takeOutput()` on its own thread (in practice
// RunEngine::processPending() does), so everything else happens on one thread.
//
// Back ends (one file each, picked by the platform):
// - POSIX: `bash` (else `/bin/sh`) started non-interactively with `-s` in its own process group.
//   Its first command starts a small loop that reads one command line (ending in LF) at a time,
//   runs it with eval and prints Tovalo's own prompt on a line of its own; the prompt is also
//   printed once at the start. The prompt holds a marker drawn at random for each interpreter, so
//   no output can look like it, and the exit status of the command that has just ended (see
//   PromptForm and promptForm()). Everything the interpreter runs has /dev/null as
//   its input, so no command can read the commands that follow. The console echoes each command
//   line into the output as an echoing interpreter would. SIGINT is trapped by the interpreter
//   and reaches only the running command.
// - Windows: `cmd.exe /A` (hidden, its own console); commands end with CR LF; output is decoded
//   from the ANSI code page, and a read that looks like UTF-16 is decoded as UTF-16. The prompt
//   is cmd's own ("C:\work>"); it carries no exit status, since cmd expands %ERRORLEVEL% when it
//   reads a line, before the command runs.
//
// Threads: every member function is called from the host's thread only, except `wake`, which
// the reader thread calls (it must be thread-safe and must not call back into the console).

#include "base/message.h"
#include "data/command_line.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace tovalo {

/// The end of the prompt the POSIX console prints when it is ready for a command.
inline constexpr std::string_view kPosixPromptEnd = "] tovalo> ";

/// A prompt the console frames itself: `before`, the exit status of the command that has just
/// ended (a decimal number, 0 for the first prompt), then `after`, which ends the prompt line.
/// `before` holds a marker no output can hold, so its first occurrence is the prompt's start.
struct PromptForm
{
    std::string before;
    std::string after;
};

/// What the reader has handed over since the last call of Console::takeOutput().
struct ConsoleOutput
{
    std::string text;   ///< decoded UTF-8 text, in arrival order
    bool ended = false; ///< the interpreter has ended (the reader has stopped; nothing follows)
    Message endReason;  ///< how it ended, for the user ("exit status 0", "killed by signal 9")
};

struct ConsoleOptions
{
    /// Interpreter program; empty = the platform's default (bash, else /bin/sh; cmd.exe).
    /// Tests use it to force /bin/sh.
    std::string interpreter;
};

class Console
{
public:
    /// Called by the reader thread after it has queued output or noticed the interpreter's end.
    /// Must be thread-safe and cheap (post an event, notify a condition variable).
    using WakeFunction = std::function<void()>;

    virtual ~Console() = default;

    /// Starts the interpreter and the reader thread. When the console is already open it is
    /// closed first (so this also restarts a dead interpreter). On failure returns false with
    /// `error` set and the console stays closed; a message is not shown by the console.
    virtual bool open(WakeFunction wake, Message& error) = 0;

    /// True between a successful open() and close() (also after the interpreter has died, until
    /// the host has taken the `ended` output and closed or reopened the console).
    virtual bool isOpen() const = 0;

    /// The command-line dialect the interpreter understands.
    virtual Dialect dialect() const = 0;

    /// Why `line` cannot be sent to this interpreter (a line break; on Windows a character
    /// that the ANSI code page cannot hold); empty when it can.
    virtual Message refusal(std::string_view line) const;

    /// Writes one command line (without line end); the console adds its framing. The whole line
    /// is written however long it is; a full pipe blocks until the interpreter reads. Returns
    /// false with `error` set when the line is refused (see refusal()), the console is not open
    /// or the interpreter has gone.
    virtual bool writeCommand(std::string_view line, Message& error) = 0;

    /// Pause: the reader stops between two reads, so a busy command blocks on a full pipe.
    /// Resume: the reader goes on. Output already queued is not affected.
    virtual void setReadingPaused(bool paused) = 0;

    /// Interrupts the running command. POSIX: SIGINT to the interpreter's process group (the
    /// interpreter itself ignores it). Windows: every process of the interpreter's job except
    /// the interpreter (and its console host) is ended. Returns false when nothing was signalled.
    virtual bool interruptCommand() = 0;

    /// The prompt's form when the console frames the prompt itself (valid after open()); empty
    /// when the interpreter prints its own prompt, which the host then learns from the output.
    virtual PromptForm promptForm() const { return {}; }

    /// Takes everything the reader has queued. Never blocks for long (one mutex).
    virtual ConsoleOutput takeOutput() = 0;

    /// Ends the console within a bounded time: the reader thread is stopped and joined, the input
    /// pipe is closed so that the interpreter ends by itself, and after a short grace period the
    /// interpreter and what it runs are ended forcibly and reaped. Safe to call more than once.
    virtual void close() = 0;
};

/// The hand-over between a console's reader thread and its host: decoded text and the
/// interpreter's end. The reader pushes, the host takes; the host is woken once each time the
/// queue goes from empty to filled (it takes everything at once) and when the end arrives.
///
/// The queue holds at most about kMaxQueued bytes: a reader that would go beyond waits until
/// the host has taken the text, so a command printing faster than the host handles its text
/// waits on its full pipe instead of piling its output up in memory.
class ConsoleOutputQueue
{
public:
    static constexpr std::size_t kMaxQueued = std::size_t{4} << 20;

    /// Empties the queue and sets the function that wakes the host. Call before the reader runs.
    void reset(Console::WakeFunction wake);

    /// Reader thread: queues `text` and, with `ended`, the interpreter's end and its reason.
    /// Text waits while the queue is full, until the host takes or release() is called.
    void push(std::string_view text, bool ended = false, Message reason = {});
    /// Host thread: queues text of its own (the echo of a command it writes) at once, full or
    /// not: the host is the one that makes room, so it must never wait for it.
    void pushFromHost(std::string_view text);

    /// Host thread: everything queued since the last call; the end is reported once.
    ConsoleOutput take();

    /// Lets a reader that waits for room go on (and never wait again until reset): call before
    /// joining the reader.
    void release();

private:
    enum class Room
    {
        WaitFor,
        Ignore,
    };
    void add(std::string_view text, bool ended, Message reason, Room room);

    std::mutex mutex_;
    std::condition_variable room_;
    std::string text_;
    bool ended_ = false;
    bool endTaken_ = false;
    bool released_ = false;
    Message endReason_;
    Console::WakeFunction wake_;
};

/// The console of this platform. The console is not opened yet.
std::unique_ptr<Console> createPlatformConsole(const ConsoleOptions& options = {});

} // namespace tovalo
