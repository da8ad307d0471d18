// The POSIX console: bash (else /bin/sh) run with -s in its own process group behind pipes.

#include "base/text.h"
#include "console.h"
#include "output_decoder.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tovalo {

namespace {

void closeFd(int& fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// A descriptor that becomes readable when the process ends (Linux 5.3 and later); -1 elsewhere,
// and the end is then noticed when the output pipe closes.
int openPidFd(pid_t pid)
{
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) {
        ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        return static_cast<int>(fd);
    }
#else
    (void)pid;
#endif
    return -1;
}

std::string findInterpreter()
{
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin:/bin";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string dir(dirs.substr(0, colon));
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        if (dir.empty())
            continue;
        const std::string candidate = dir + "/bash";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return "/bin/sh";
}

Message describeStatus(int status)
{
    if (WIFEXITED(status))
        return Message(MessageId::ExitStatus, {std::to_string(WEXITSTATUS(status))});
    if (WIFSIGNALED(status)) {
        const int sig = WTERMSIG(status);
        const char* name = ::strsignal(sig);
        if (name == nullptr)
            return Message(MessageId::KilledBySignal, {std::to_string(sig)});
        return Message(MessageId::KilledBySignalNamed, {std::to_string(sig), name});
    }
    return Message(MessageId::OtherStatus, {std::to_string(status)});
}

// A marker drawn at random for each interpreter: 48 bits as 12 hex digits.
std::string randomMarker()
{
    std::random_device device;
    const std::uint64_t bits =
        (std::uint64_t{device()} << 32 | device()) ^ static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    static constexpr char kHex[] = "0123456789abcdef";
    std::string marker;
    for (int shift = 44; shift >= 0; shift -= 4)
        marker += kHex[(bits >> shift) & 0xF];
    return marker;
}

// The interpreter's start: Ctrl-C is for the running command, the interpreter ignores it. Then
// its own input moves to descriptor 3 and standard input becomes /dev/null for everything it
// runs, so that no command can read the commands that follow. A loop then reads one command line
// at a time, runs it with eval and prints the prompt with the command's exit status, with a line
// end first so that the prompt always stands on a line of its own. A read cut short by a signal
// goes on; the end of input ends the interpreter. This costs a command about what a plain shell
// loop costs, where a redirected group per command (which saves and restores descriptors in the
// interpreter) costs several times more.
std::string startScript(bool bash, const PromptForm& form)
{
    const std::string prompt = "printf '\\n%s%d%s' " + shellQuote(form.before);
    const std::string after = " " + shellQuote(form.after);
    const std::string read = bash ? "IFS= read -r -u 3 _tovalo_line" : "IFS= read -r _tovalo_line <&3";
    return "trap : INT\n"
           "exec 3<&0 </dev/null; " +
           prompt + " 0" + after + "; while :; do " + read +
           " || { [ $? -gt 128 ] && continue; break; }; eval \"$_tovalo_line\"; " + prompt + " \"$?\"" +
           after + "; done; exit\n";
}

class PosixConsole final : public Console
{
public:
    explicit PosixConsole(ConsoleOptions options) : options_(std::move(options)) {}
    ~PosixConsole() override { close(); }

    bool open(WakeFunction wake, Message& error) override;
    bool isOpen() const override { return open_; }
    Dialect dialect() const override { return Dialect::Sh; }
    bool writeCommand(std::string_view line, Message& error) override;
    void setReadingPaused(bool paused) override;
    bool interruptCommand() override;
    ConsoleOutput takeOutput() override;
    PromptForm promptForm() const override { return form_; }
    void close() override;

private:
    bool writeAll(std::string_view bytes, Message& error);
    void readerLoop();

    ConsoleOptions options_;
    PromptForm form_;
    bool open_ = false;
    pid_t pid_ = -1;
    int pidFd_ = -1;
    int inFd_ = -1;
    int outFd_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::atomic<bool> reaped_{false}; // set by the reader when it has reaped the interpreter
    std::thread reader_;

    std::mutex mutex_;
    std::condition_variable resumeCv_;
    bool paused_ = false;
    bool stopping_ = false;
    ConsoleOutputQueue output_;
};

bool PosixConsole::open(WakeFunction wake, Message& error)
{
    close();
    // A write to an interpreter that has died must fail with EPIPE, not end this process.
    struct sigaction old
    {
    };
    if (::sigaction(SIGPIPE, nullptr, &old) == 0 && old.sa_handler == SIG_DFL)
        ::signal(SIGPIPE, SIG_IGN);

    int inPipe[2] = {-1, -1}, outPipe[2] = {-1, -1}, stopPipe[2] = {-1, -1};
    auto fail = [&](Message why) {
        error = std::move(why);
        for (int* p : {inPipe, outPipe, stopPipe}) {
            closeFd(p[0]);
            closeFd(p[1]);
        }
        return false;
    };
    if (::pipe2(inPipe, O_CLOEXEC) != 0 || ::pipe2(outPipe, O_CLOEXEC) != 0 ||
        ::pipe2(stopPipe, O_CLOEXEC) != 0)
        return fail(Message(MessageId::ConsolePipesFailed, {systemErrorText(errno)}));

    const std::string program = options_.interpreter.empty() ? findInterpreter() : options_.interpreter;
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        const std::string_view v = *e;
        // A non-interactive bash would run the file these name before the first command.
        if (v.starts_with("BASH_ENV=") || v.starts_with("ENV="))
            continue;
        env.emplace_back(v);
    }
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = program, arg1 = "-s";
    char* argv[] = {arg0.data(), arg1.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 2);
    // Its own process group: a Ctrl-C in the terminal reaches this program only; the console
    // passes it on to the running command by itself (interruptCommand).
    posix_spawnattr_setpgroup(&attr, 0);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int sig : {SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGCHLD, SIGHUP})
        sigaddset(&defaults, sig);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        return fail(Message(MessageId::InterpreterStartFailed, {program, systemErrorText(rc)}));

    closeFd(inPipe[0]);
    closeFd(outPipe[1]);
    pid_ = pid;
    pidFd_ = openPidFd(pid);
    inFd_ = inPipe[1];
    outFd_ = outPipe[0];
    stopRead_ = stopPipe[0];
    stopWrite_ = stopPipe[1];
    reaped_ = false;
    {
        std::lock_guard lock(mutex_);
        paused_ = stopping_ = false;
    }
    output_.reset(std::move(wake));
    open_ = true;
    reader_ = std::thread([this] { readerLoop(); });

    form_ = PromptForm{"[" + randomMarker() + " ", std::string(kPosixPromptEnd)};
    Message ignored;
    const bool bash = program.size() >= 4 && program.compare(program.size() - 4, 4, "bash") == 0;
    writeAll(startScript(bash, form_), ignored);
    return true;
}

bool PosixConsole::writeAll(std::string_view bytes, Message& error)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(inFd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno == EPIPE ? Message(MessageId::InterpreterGone) : Message(systemErrorText(errno));
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool PosixConsole::writeCommand(std::string_view line, Message& error)
{
    if (!open_ || inFd_ < 0) {
        error = MessageId::InterpreterNotRunning;
        return false;
    }
    error = refusal(line);
    if (!error.empty())
        return false;
    // The command is echoed after the prompt, as an interpreter that echoes would show it. The
    // output of the previous command has been read up to its prompt, so the echo comes first.
    output_.pushFromHost(std::string(line) + "\n");
    std::string framed(line);
    framed += '\n';
    return writeAll(framed, error);
}

void PosixConsole::setReadingPaused(bool paused)
{
    {
        std::lock_guard lock(mutex_);
        paused_ = paused;
    }
    resumeCv_.notify_all();
}

bool PosixConsole::interruptCommand()
{
    if (!open_ || pid_ <= 0 || reaped_)
        return false;
    return ::kill(-pid_, SIGINT) == 0;
}

ConsoleOutput PosixConsole::takeOutput()
{
    return output_.take();
}

void PosixConsole::readerLoop()
{
    OutputDecoder decoder(consoleCodeSet());
    std::vector<char> buffer(64 * 1024);
    bool interpreterGone = false;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            resumeCv_.wait(lock, [this] { return !paused_ || stopping_; });
            if (stopping_)
                return;
        }
        pollfd fds[3] = {
            {outFd_, POLLIN, 0}, {stopRead_, POLLIN, 0}, {interpreterGone ? -1 : pidFd_, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            output_.push(decoder.flush(), true,
                         Message(MessageId::ConsoleReadFailed, {systemErrorText(errno)}));
            return;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents) {
            const ssize_t n = ::read(outFd_, buffer.data(), buffer.size());
            if (n > 0) {
                std::string text =
                    decoder.decode(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
                if (!text.empty())
                    output_.push(std::move(text), false, {});
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            // End of output: the interpreter is gone (or closed its output, which is as bad). What
            // is left of its group is ended before the interpreter is reaped: until then its id
            // cannot name another process group.
            int status = 0;
            ::kill(-pid_, SIGKILL);
            pid_t r;
            do
                r = ::waitpid(pid_, &status, 0);
            while (r < 0 && errno == EINTR);
            reaped_ = r == pid_;
            output_.push(decoder.flush(), true,
                         r == pid_ ? describeStatus(status) : Message(MessageId::OutputClosed));
            return;
        }
        if (fds[2].revents) {
            // The interpreter itself has ended while what it ran may still hold the pipe open:
            // end those too, then read what is left up to the end of the output.
            interpreterGone = true;
            ::kill(-pid_, SIGKILL);
        }
    }
}

void PosixConsole::close()
{
    if (!open_)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    resumeCv_.notify_all();
    output_.release();
    if (stopWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(stopWrite_, &byte, 1);
    }
    if (reader_.joinable())
        reader_.join();
    // End of input lets an idle interpreter end by itself; a closed output ends a command that
    // still writes. Whatever is still running after a short grace is ended.
    closeFd(inFd_);
    closeFd(outFd_);
    if (!reaped_ && pid_ > 0) {
        // Waits at most `ms` for the interpreter to end (on its pidfd where there is one). It is
        // not reaped here, so that its group can still be signalled safely below.
        auto endedWithin = [this](int ms) {
            for (int waited = 0;; waited += 10) {
                siginfo_t info{};
                if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
                    info.si_pid == pid_)
                    return true;
                if (waited >= ms)
                    return false;
                if (pidFd_ >= 0) {
                    pollfd p{pidFd_, POLLIN, 0};
                    ::poll(&p, 1, ms - waited);
                    waited = ms - 10;
                } else {
                    ::usleep(10000);
                }
            }
        };
        if (!endedWithin(500)) {
            ::kill(-pid_, SIGTERM);
            endedWithin(500);
        }
        // Whatever is still running, the interpreter or anything it started and left behind in
        // its group, is ended while the interpreter is unreaped; then it is reaped.
        ::kill(-pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    closeFd(pidFd_);
    closeFd(stopRead_);
    closeFd(stopWrite_);
    pid_ = -1;
    open_ = false;
}

} // namespace

std::unique_ptr<Console> createPlatformConsole(const ConsoleOptions& options)
{
    return std::make_unique<PosixConsole>(options);
}

} // namespace tovalo
