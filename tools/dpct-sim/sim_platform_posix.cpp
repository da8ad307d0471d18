#include "sim_platform.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace dpctsim {

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void writeStd(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // the reader went away; a real tool would die of SIGPIPE or drop the text
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

bool isTerminal(int fd)
{
    return ::isatty(fd) == 1;
}

std::string realPath(const std::string& path)
{
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) != nullptr)
        return buffer;
    return absolutePath(path);
}

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    if (ec)
        return path;
    return p.lexically_normal().string();
}

char pathSeparator()
{
    return '/';
}

void crashHard()
{
    // Default action of SIGSEGV: the shell sees "killed by signal 11", as with a real crash.
    struct sigaction sa
    {
    };
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGSEGV, &sa, nullptr);
    ::kill(::getpid(), SIGSEGV);
    std::_Exit(139);
}

std::string executableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return exe.parent_path().string();
}

std::string toAnsiCodePage(std::string_view text)
{
    return std::string(text);
}

bool lockForLifetime(const std::string& path)
{
    // The descriptor stays open (and the lock held) until the process ends; the system lets go
    // of it then, also when the process is killed.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return true; // nowhere to keep a lock: nothing to compare with
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return false;
        }
    }
    return true;
}

double threadCpuMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace dpctsim
