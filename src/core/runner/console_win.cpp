// The Windows console: "cmd.exe /A" started hidden behind anonymous pipes.

#include "base/text.h"
#include "console.h"
#include "output_decoder.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace tovalo {

namespace {

void closeHandle(HANDLE& h)
{
    if (h && h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    h = nullptr;
}

std::wstring wideFromUtf8(std::string_view s)
{
    std::wstring w;
    if (s.empty())
        return w;
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    w.resize(static_cast<std::size_t>(n));
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

class WinConsole final : public Console
{
public:
    explicit WinConsole(ConsoleOptions options) : options_(std::move(options)) {}
    ~WinConsole() override { close(); }

    bool open(WakeFunction wake, Message& error) override;
    bool isOpen() const override { return open_; }
    Dialect dialect() const override { return Dialect::Cmd; }
    Message refusal(std::string_view line) const override;
    bool writeCommand(std::string_view line, Message& error) override;
    void setReadingPaused(bool paused) override;
    bool interruptCommand() override;
    ConsoleOutput takeOutput() override;
    void close() override;

private:
    void readerLoop();
    static void CALLBACK onProcessEnded(void* self, BOOLEAN);

    ConsoleOptions options_;
    bool open_ = false;
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    HANDLE endWait_ = nullptr;
    HANDLE stdinWrite_ = nullptr;
    HANDLE stdoutRead_ = nullptr;
    std::thread reader_;
    HANDLE readerThread_ = nullptr; // the reader's own handle, to cancel a read that never ends

    std::mutex mutex_;
    std::condition_variable cv_;
    bool paused_ = false;
    bool stopping_ = false;
    bool readerDone_ = false;
    ConsoleOutputQueue output_;
};

bool WinConsole::open(WakeFunction wake, Message& error)
{
    close();
    SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE rOut = nullptr, wOut = nullptr, wErr = nullptr, rIn = nullptr, wIn = nullptr;
    HANDLE self = GetCurrentProcess();
    // `what` names the step; the system's reason is taken before the handles are closed.
    auto fail = [&](MessageId what, std::vector<Message> args = {}) {
        args.emplace_back(systemErrorText(static_cast<int>(GetLastError())));
        error = Message(what, std::move(args));
        for (HANDLE* h : {&rOut, &wOut, &wErr, &rIn, &wIn, &stdinWrite_, &stdoutRead_, &job_, &process_})
            closeHandle(*h);
        return false;
    };
    // stdout and stderr are two handles of one pipe, so both arrive in one stream; this
    // process keeps only non-inheritable copies of its own ends.
    if (!CreatePipe(&rOut, &wOut, &sa, 0) ||
        !DuplicateHandle(self, wOut, self, &wErr, 0, TRUE, DUPLICATE_SAME_ACCESS) ||
        !CreatePipe(&rIn, &wIn, &sa, 0) ||
        !DuplicateHandle(self, rOut, self, &stdoutRead_, 0, FALSE, DUPLICATE_SAME_ACCESS) ||
        !DuplicateHandle(self, wIn, self, &stdinWrite_, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return fail(MessageId::ConsolePipesFailed);
    closeHandle(rOut);
    closeHandle(wIn);

    // A job holds the interpreter and everything it starts, so that closing ends them all.
    job_ = CreateJobObjectW(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
        info.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &info, sizeof info);
    }

    std::wstring commandLine =
        options_.interpreter.empty() ? std::wstring(L"cmd.exe") : wideFromUtf8(options_.interpreter);
    commandLine += L" /A";
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = rIn;
    si.hStdOutput = wOut;
    si.hStdError = wErr;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE | CREATE_SUSPENDED,
                        nullptr, nullptr, &si, &pi))
        return fail(MessageId::InterpreterStartFailed,
                    {options_.interpreter.empty() ? std::string("cmd.exe") : options_.interpreter});
    if (job_)
        AssignProcessToJobObject(job_, pi.hProcess);
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    closeHandle(rIn);
    closeHandle(wOut);
    closeHandle(wErr);

    {
        std::lock_guard lock(mutex_);
        paused_ = stopping_ = readerDone_ = false;
    }
    output_.reset(std::move(wake));
    open_ = true;
    // When the interpreter ends while a command it started still holds the pipe open, the
    // reader would wait for that command; end the rest of the job so the output closes.
    RegisterWaitForSingleObject(&endWait_, process_, &WinConsole::onProcessEnded, this, INFINITE,
                                WT_EXECUTEONLYONCE);
    reader_ = std::thread([this] { readerLoop(); });
    return true;
}

void CALLBACK WinConsole::onProcessEnded(void* self, BOOLEAN)
{
    auto* console = static_cast<WinConsole*>(self);
    if (console->job_)
        TerminateJobObject(console->job_, 1);
}

// The interpreter reads its input in the ANSI code page; a character that the code page cannot
// hold would silently become another one, so such a command is refused.
bool toAnsi(std::string_view line, std::string& bytes, Message& error)
{
    const std::wstring wide = wideFromUtf8(line);
    BOOL lossy = FALSE;
    const UINT acp = GetACP();
    BOOL* lossyFlag = acp == CP_UTF8 ? nullptr : &lossy;
    const DWORD flags = acp == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, lossyFlag);
    bytes.assign(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                            nullptr, lossyFlag);
    if (lossy) {
        error = Message(MessageId::CommandNotInCodePage, {std::to_string(acp)});
        return false;
    }
    return true;
}

Message WinConsole::refusal(std::string_view line) const
{
    Message why = Console::refusal(line);
    std::string bytes;
    if (why.empty())
        toAnsi(line, bytes, why);
    return why;
}

bool WinConsole::writeCommand(std::string_view line, Message& error)
{
    if (!open_ || !stdinWrite_) {
        error = MessageId::InterpreterNotRunning;
        return false;
    }
    error = refusal(line);
    if (!error.empty())
        return false;
    std::string bytes;
    toAnsi(std::string(line) + "\r\n", bytes, error);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(stdinWrite_, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                       nullptr)) {
            error = systemErrorText(static_cast<int>(GetLastError()));
            return false;
        }
        done += written;
    }
    return true;
}

// cmd.exe has no Ctrl-C of its own behind pipes, so the running command is ended instead: every
// process of the job but the interpreter and its console host, with the status a Ctrl-C gives.
// The interpreter then prints its prompt as after any command.
bool WinConsole::interruptCommand()
{
    if (!open_ || !job_ || !process_)
        return false;
    std::vector<ULONG_PTR> buffer(2 + 1024);
    auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
    if (!QueryInformationJobObject(job_, JobObjectBasicProcessIdList, list,
                                   static_cast<DWORD>(buffer.size() * sizeof(ULONG_PTR)), nullptr) &&
        GetLastError() != ERROR_MORE_DATA)
        return false;
    const DWORD interpreter = GetProcessId(process_);
    bool ended = false;
    for (DWORD i = 0; i < list->NumberOfProcessIdsInList; ++i) {
        const auto id = static_cast<DWORD>(list->ProcessIdList[i]);
        if (id == interpreter)
            continue;
        HANDLE h = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
        if (!h)
            continue;
        wchar_t name[MAX_PATH];
        DWORD size = MAX_PATH;
        bool host = false;
        if (QueryFullProcessImageNameW(h, 0, name, &size)) {
            const std::wstring_view image(name, size);
            const std::size_t slash = image.find_last_of(L"\\/");
            host = CompareStringOrdinal(image.data() + slash + 1, static_cast<int>(image.size() - slash - 1),
                                        L"conhost.exe", -1, TRUE) == CSTR_EQUAL;
        }
        if (!host && TerminateProcess(h, static_cast<UINT>(STATUS_CONTROL_C_EXIT)))
            ended = true;
        CloseHandle(h);
    }
    return ended;
}

void WinConsole::setReadingPaused(bool paused)
{
    {
        std::lock_guard lock(mutex_);
        paused_ = paused;
    }
    cv_.notify_all();
}

ConsoleOutput WinConsole::takeOutput()
{
    return output_.take();
}

void WinConsole::readerLoop()
{
    {
        std::lock_guard lock(mutex_);
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &readerThread_, 0,
                        FALSE, DUPLICATE_SAME_ACCESS);
    }
    OutputDecoder decoder(consoleCodeSet(), true, true);
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            cv_.wait(lock, [this] { return !paused_ || stopping_; });
            if (stopping_)
                break;
        }
        DWORD n = 0;
        const BOOL ok = ReadFile(stdoutRead_, buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr);
        if (ok && n > 0) {
            std::string text = decoder.decode(std::string_view(buffer.data(), n));
            if (!text.empty())
                output_.push(std::move(text), false, {});
            continue;
        }
        const DWORD code = ok ? ERROR_BROKEN_PIPE : GetLastError();
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                break;
        }
        Message reason;
        if (code == ERROR_BROKEN_PIPE || code == ERROR_NO_DATA) {
            DWORD exitCode = 0;
            WaitForSingleObject(process_, 2000);
            if (GetExitCodeProcess(process_, &exitCode) && exitCode != STILL_ACTIVE)
                reason = Message(MessageId::ExitStatus, {std::to_string(static_cast<long>(exitCode))});
            else
                reason = MessageId::OutputClosed;
        } else {
            reason = Message(MessageId::ConsoleReadFailed, {systemErrorText(static_cast<int>(code))});
        }
        output_.push(decoder.flush(), true, reason);
        break;
    }
    std::lock_guard lock(mutex_);
    readerDone_ = true;
    cv_.notify_all();
}

void WinConsole::close()
{
    if (!open_)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    cv_.notify_all();
    output_.release();
    // End of input lets an idle interpreter end by itself; after a short grace everything in
    // the job is ended, which closes the output pipe and ends a read in progress.
    closeHandle(stdinWrite_);
    if (WaitForSingleObject(process_, 500) != WAIT_OBJECT_0) {
        if (job_)
            TerminateJobObject(job_, 1);
        else
            TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 2000);
    } else if (job_) {
        TerminateJobObject(job_, 1);
    }
    {
        std::unique_lock lock(mutex_);
        if (!cv_.wait_for(lock, std::chrono::seconds(2), [this] { return readerDone_; })) {
            lock.unlock();
            if (readerThread_)
                CancelSynchronousIo(readerThread_);
        }
    }
    if (reader_.joinable())
        reader_.join();
    if (endWait_) {
        UnregisterWaitEx(endWait_, INVALID_HANDLE_VALUE);
        endWait_ = nullptr;
    }
    closeHandle(readerThread_);
    closeHandle(stdoutRead_);
    closeHandle(process_);
    closeHandle(job_);
    open_ = false;
}

} // namespace

std::unique_ptr<Console> createPlatformConsole(const ConsoleOptions& options)
{
    return std::make_unique<WinConsole>(options);
}

} // namespace tovalo
