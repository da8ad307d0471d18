// The platform console with its real interpreter: bash or /bin/sh here, cmd.exe under wine.

#include "runner/console.h"
#include "runner/output_decoder.h"
#include "runner/run_engine.h"

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif
#include <thread>

#include <gtest/gtest.h>

using namespace tovalo;
using namespace std::chrono_literals;

namespace {

// The host side: a wake function and a loop that waits for it, as tovalo-cli does.
struct Host
{
    std::mutex m;
    std::condition_variable cv;
    bool woken = false;
    Console::WakeFunction wake()
    {
        return [this] {
            {
                std::lock_guard l(m);
                woken = true;
            }
            cv.notify_one();
        };
    }
    // Waits for the next wake, at most `limit`.
    bool waitWake(std::chrono::milliseconds limit)
    {
        std::unique_lock l(m);
        const bool ok = cv.wait_for(l, limit, [this] { return woken; });
        woken = false;
        return ok;
    }
};

// Collects console output until `until` holds for it or 20 s pass.
template <typename P> bool collect(Console& c, Host& h, std::string& text, bool& ended, P until)
{
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    for (;;) {
        ConsoleOutput o = c.takeOutput();
        text += o.text;
        ended = ended || o.ended;
        if (until(text))
            return true;
        if (ended || std::chrono::steady_clock::now() > deadline)
            return false;
        h.waitWake(500ms);
    }
}

// Children of this process that have ended but were never reaped (POSIX, where /proc exists).
int zombieChildren()
{
#ifdef _WIN32
    return 0;
#else
    int zombies = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("/proc", ec)) {
        std::ifstream in(e.path() / "stat");
        std::string stat;
        if (!std::getline(in, stat))
            continue;
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        long ppid = 0;
        std::istringstream rest(stat.substr(close + 1));
        rest >> state >> ppid;
        zombies += state == 'Z' && ppid == static_cast<long>(::getpid());
    }
    return zombies;
#endif
}

#ifndef _WIN32
// Polls `condition` every 10 ms until it holds or 20 s pass: for a state that nothing announces.
template <typename P> bool pollUntil(P condition)
{
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}
#endif

bool endsWithPrompt(const std::string& t)
{
    const std::size_t nl = t.find_last_of('\n');
    const std::string last = nl == std::string::npos ? t : t.substr(nl + 1);
    return !last.empty() && last.back() == '>' ? true
                                               : last.starts_with('[') && last.ends_with(kPosixPromptEnd);
}

#ifndef _WIN32
// The interpreter's output pipe of an open console, opened a second time for writing (nothing
// is written to it) so that poll() tells when the pipe is full; -1 when it cannot be opened.
int openOutputPipe(Console& console, Host& host)
{
    std::string text;
    bool ended = false;
    Message error;
    if (!collect(console, host, text, ended, endsWithPrompt) ||
        !console.writeCommand("echo \"pid:$$\"", error))
        return -1;
    text.clear();
    if (!collect(console, host, text, ended, [](const std::string& t) {
            return t.find("\npid:") != std::string::npos && endsWithPrompt(t);
        }))
        return -1;
    const std::size_t at = text.find("\npid:") + 5;
    const std::string pid = text.substr(at, text.find('\n', at) - at);
    return ::open(("/proc/" + pid + "/fd/1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
}

bool isFull(int pipe)
{
    pollfd p{pipe, POLLOUT, 0};
    return ::poll(&p, 1, 0) == 0;
}
#endif

} // namespace

TEST(Console, RunsCommandsOneAfterAnotherAndPrintsThePromptAfterEach)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt)) << text;
    text.clear();
    const bool cmd = console->dialect() == Dialect::Cmd;
    ASSERT_TRUE(console->writeCommand(cmd ? "echo one& echo two 1>&2" : "echo one; echo two >&2", error))
        << error;
    ASSERT_TRUE(collect(*console, host, text, ended, [](const std::string& t) {
        return t.find("two") != std::string::npos && endsWithPrompt(t);
    })) << text;
    EXPECT_LT(text.find("one"), text.find("two"));
    // A command that reads its input gets none: it cannot swallow the next command.
    if (!cmd) {
        text.clear();
        ASSERT_TRUE(console->writeCommand("cat", error));
        // A line with an unbalanced quote fails alone; it does not take the next line with it.
        ASSERT_TRUE(console->writeCommand("echo 'unbalanced", error));
        ASSERT_TRUE(console->writeCommand("echo after-cat", error));
        ASSERT_TRUE(collect(*console, host, text, ended, [](const std::string& t) {
            return t.find("after-cat\n") != std::string::npos && endsWithPrompt(t);
        })) << text;
    }
    // cmd reads the ANSI code page: a character it cannot hold is refused, never replaced.
    if (cmd && consoleCodeSet() == "CP932") {
        EXPECT_FALSE(console->refusal("echo \xC3\xA9").empty());
        EXPECT_FALSE(console->writeCommand("echo \xC3\xA9", error));
        EXPECT_TRUE(console->refusal("echo \xE5\xA4\x89").empty()); // in CP932
    }
    EXPECT_FALSE(console->writeCommand("echo a\necho b", error));
    const auto t0 = std::chrono::steady_clock::now();
    console->close();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
    EXPECT_FALSE(console->isOpen());
    EXPECT_FALSE(console->writeCommand("echo x", error));
}

TEST(Console, LongCommandIsWrittenWhole)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
    const std::string word(3000, 'w');
    ASSERT_TRUE(console->writeCommand("echo " + word + "-end", error));
    ASSERT_TRUE(collect(*console, host, text, ended, [&](const std::string& t) {
        return t.find(word + "-end") != std::string::npos && endsWithPrompt(t);
    })) << text.size();
}

TEST(ConsoleOutputQueue, TheHostsOwnTextNeverWaitsForRoom)
{
    // The host writes a command's echo into a full queue (text that came after a prompt): it
    // must not wait for room that only it can make.
    ConsoleOutputQueue queue;
    queue.reset({});
    queue.push(std::string(ConsoleOutputQueue::kMaxQueued, 'x'));
    queue.pushFromHost("echo\n");
    const std::string text = queue.take().text;
    EXPECT_EQ(text.size(), ConsoleOutputQueue::kMaxQueued + 5);
    EXPECT_TRUE(text.ends_with("echo\n"));
}

#ifndef _WIN32
TEST(Console, PausedReaderLeavesOutputInThePipeUntilResumed)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    const int pipe = openOutputPipe(*console, host);
    ASSERT_GE(pipe, 0);
    const auto pipeFull = [pipe] {
        return isFull(pipe);
    };

    console->setReadingPaused(true);
    // The reader may finish the read it is in; then nothing more is taken from the pipe, which
    // fills up, and the writer of much output blocks.
    ASSERT_TRUE(console->writeCommand("head -c 1000000 /dev/zero | tr '\\0' x; echo; echo done", error));
    const bool filled = pollUntil(pipeFull);
    ::close(pipe);
    ASSERT_TRUE(filled) << "the paused reader went on emptying the pipe";
    // What was taken: the echoed command and one read (the reader reads up to 64 KiB at a time).
    const std::size_t seen = console->takeOutput().text.size();
    EXPECT_LE(seen, 65u * 1024);
    console->setReadingPaused(false);
    text.clear();
    ASSERT_TRUE(collect(*console, host, text, ended, [](const std::string& t) {
        return t.find("done\n") != std::string::npos && endsWithPrompt(t);
    }));
    EXPECT_GE(text.size() + seen, 1000000u);
}
#endif

#ifndef _WIN32
TEST(Console, AHostThatDoesNotTakeLeavesTheRestInThePipeAndCloseIsBounded)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    const int pipe = openOutputPipe(*console, host);
    ASSERT_GE(pipe, 0);
    // Nothing is taken while a command prints 20 MB: the queue takes its share, the pipe fills
    // up, and the reader waits with the rest left to the command.
    ASSERT_TRUE(console->writeCommand("head -c 20000000 /dev/zero | tr '\\0' x", error));
    const bool filled = pollUntil([pipe] { return isFull(pipe); });
    ::close(pipe);
    ASSERT_TRUE(filled) << "the reader went on emptying the pipe";
    // The reader waits for room in the queue: closing does not wait for it.
    const auto t0 = std::chrono::steady_clock::now();
    console->close();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 8s);
    EXPECT_LE(console->takeOutput().text.size(), ConsoleOutputQueue::kMaxQueued + 64 * 1024);
    EXPECT_EQ(zombieChildren(), 0);
}
#endif

TEST(Console, InterruptEndsTheRunningCommandButNotTheInterpreter)
{
    Host host;
    auto console = createPlatformConsole();
    // cmd has no Ctrl-C behind pipes: there the running command's processes are ended.
    const bool cmd = console->dialect() == Dialect::Cmd;
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
    text.clear();
    // cmd echoes the command: "^" keeps the echo from holding what is waited for.
    const std::string eol = cmd ? "\r\n" : "\n";
    // "started" comes from the command's own process, which the interrupt reaches once it runs:
    // it ends that process whether or not it has started the long wait yet.
    ASSERT_TRUE(console->writeCommand(cmd ? "cmd /c \"echo sta^rted& ping -n 30 127.0.0.1 >NUL\""
                                          : "sh -c 'echo started; exec sleep 30'",
                                      error));
    ASSERT_TRUE(collect(*console, host, text, ended, [&](const std::string& t) {
        return t.find("started" + eol) != std::string::npos;
    })) << text;
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(console->interruptCommand());
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt)) << text;
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 10s);
    text.clear();
    ASSERT_TRUE(console->writeCommand(cmd ? "echo al^ive" : "echo alive", error));
    ASSERT_TRUE(collect(*console, host, text, ended,
                        [&](const std::string& t) { return t.find("alive" + eol) != std::string::npos; }));
}

TEST(Console, KilledInterpreterIsReportedAndCloseIsBounded)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
    // The interpreter ends while a command of it still runs and holds the pipe.
    const bool cmd = console->dialect() == Dialect::Cmd;
    if (cmd)
        ASSERT_TRUE(console->writeCommand("exit 3", error));
    else
        ASSERT_TRUE(console->writeCommand("sleep 30 & kill -9 $$", error));
    const auto t0 = std::chrono::steady_clock::now();
    collect(*console, host, text, ended, [](const std::string&) { return false; });
    EXPECT_TRUE(ended) << text;
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 10s);
    console->close();
    EXPECT_EQ(zombieChildren(), 0);
    EXPECT_FALSE(console->writeCommand("echo x", error));
    // It can be opened again.
    text.clear();
    ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
}

TEST(Console, CloseWhilePausedAndBusyEndsWithinBoundedTime)
{
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
    const bool cmd = console->dialect() == Dialect::Cmd;
    ASSERT_TRUE(console->writeCommand(cmd ? "ping -n 30 127.0.0.1" : "sleep 30", error));
    console->setReadingPaused(true);
    const auto t0 = std::chrono::steady_clock::now();
    console->close();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 8s);
    EXPECT_EQ(zombieChildren(), 0);
}

TEST(Console, PlainShWorksLikeBash)
{
    if (createPlatformConsole()->dialect() == Dialect::Cmd)
        GTEST_SKIP() << "POSIX only";
    Host host;
    auto console = createPlatformConsole(ConsoleOptions{"/bin/sh"});
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt)) << text;
    text.clear();
    ASSERT_TRUE(console->writeCommand("X=1; cat; echo \"read:$X\"", error));
    ASSERT_TRUE(console->writeCommand("echo second-$X \\", error));
    ASSERT_TRUE(collect(*console, host, text, ended, [](const std::string& t) {
        return t.find("second-1") != std::string::npos && endsWithPrompt(t);
    })) << text;
    EXPECT_NE(text.find("read:1\n"), std::string::npos);
    // One prompt after each of the two commands.
    EXPECT_NE(text.find("tovalo> "), text.rfind("tovalo> "));
    console->close();
}

TEST(Console, PosixPromptHoldsAMarkerOfItsOwnAndTheExitStatus)
{
    Host host;
    auto console = createPlatformConsole();
    if (console->dialect() == Dialect::Cmd) {
        EXPECT_TRUE(console->promptForm().before.empty()); // cmd prints its own prompt
        GTEST_SKIP() << "cmd's prompt carries no exit status";
    }
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    const PromptForm form = console->promptForm();
    EXPECT_EQ(form.after, kPosixPromptEnd);
    auto prompt = [&](int status) {
        return form.before + std::to_string(status) + form.after;
    };
    auto endsWith = [&](int status) {
        return [&, status](const std::string& t) {
            return t.ends_with("\n" + prompt(status));
        };
    };
    ASSERT_TRUE(collect(*console, host, text, ended, endsWith(0))) << text;
    auto second = createPlatformConsole();
    ASSERT_TRUE(second->open(host.wake(), error)) << error;
    EXPECT_NE(second->promptForm().before, form.before);
    second->close();

    const std::pair<const char*, int> commands[] = {
        {"(exit 7)", 7}, {"sh -c 'kill -SEGV $$'", 139}, {"(", 2}, {"true", 0}};
    for (const auto& [command, status] : commands) {
        SCOPED_TRACE(command);
        text.clear();
        ASSERT_TRUE(console->writeCommand(command, error));
        ASSERT_TRUE(collect(*console, host, text, ended, endsWith(status))) << text;
    }
    // Prompts of other shapes, even with this marker, do not end a command.
    text.clear();
    ASSERT_TRUE(console->writeCommand("printf '\\ntovalo> \\n%s\\n' '" + form.before + "x" + form.after +
                                          "'; sleep 0.3; echo done",
                                      error));
    ASSERT_TRUE(collect(*console, host, text, ended, endsWith(0))) << text;
    EXPECT_NE(text.find("done\n"), std::string::npos) << text;
    console->close();
}

TEST(Console, WhatAnEndedInterpreterLeftInItsGroupEndsBeforeItIsReaped)
{
    if (createPlatformConsole()->dialect() == Dialect::Cmd)
        GTEST_SKIP() << "POSIX process groups";
    Host host;
    auto console = createPlatformConsole();
    Message error;
    std::string text;
    bool ended = false;
    ASSERT_TRUE(console->open(host.wake(), error)) << error;
    ASSERT_TRUE(collect(*console, host, text, ended, endsWithPrompt));
    // A command left running in the background, not holding the output: the interpreter's end
    // closes the output, and the group is ended before the interpreter is reaped.
    ASSERT_TRUE(console->writeCommand("sleep 60 >/dev/null 2>&1 & echo \"bg:$!\"; exit 0", error));
    collect(*console, host, text, ended, [](const std::string&) { return false; });
    ASSERT_TRUE(ended) << text;
    const std::size_t at = text.find("bg:");
    ASSERT_NE(at, std::string::npos) << text;
    const std::string pid = text.substr(at + 3, text.find('\n', at) - at - 3);
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (std::getline(stat, line)) {
        const std::size_t close = line.rfind(')');
        ASSERT_NE(close, std::string::npos);
        EXPECT_EQ(line[close + 2], 'Z') << line; // ended; its new parent may not have reaped it yet
    }
    console->close();
    EXPECT_EQ(zombieChildren(), 0);
}
