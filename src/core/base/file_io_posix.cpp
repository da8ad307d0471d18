#include "file_io.h"
#include "text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <signal.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovalo {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// Follows symbolic links from `path` to the file they lead to (which need not exist yet).
bool resolveLinks(std::string path, std::string& target, std::string& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st
        {
        };
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = std::move(path);
            return true;
        }
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) {
            error = systemErrorText(errno);
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        if (link.empty() || link.front() != '/') {
            const std::string folder = folderOf(path);
            link = (folder == "/" ? std::string() : folder) + "/" + link;
        }
        path = std::move(link);
    }
    error = systemErrorText(ELOOP);
    return false;
}

/// Removes temporary files of earlier saves of the same file that were cut short (a killed
/// process, a power cut). Only files untouched for a minute go, so a save under way in another
/// process keeps its temporary file.
void removeStaleTemporaries(const std::string& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        // The prefix, then mkstemp's six characters.
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string full = (folder == "/" ? std::string() : folder) + "/" + std::string(name);
        struct stat st
        {
        };
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime >= 60)
            ::unlink(full.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

namespace {

// Opens `path` for reading when it is a regular file of at most `limit` bytes; its size goes to
// `size`. Returns the descriptor, or -1 with `error` set.
int openForReading(std::string_view path, std::size_t limit, std::size_t& size, Message& error)
{
    const std::string p(path);
    // Non-blocking open: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = systemErrorText(errno);
        return -1;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        error = systemErrorText(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode))
            error = systemErrorText(EISDIR);
        else
            error = MessageId::NotRegularFile;
        return -1;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > limit) {
        ::close(fd);
        error = Message(MessageId::FileTooLarge, {std::to_string(limit >> 20)});
        return -1;
    }
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

// Reads `fd` to its end (or until `take` returns false) in pieces of `room` bytes at `buf`,
// and closes it. False with `error` set when reading fails or passes `limit` bytes.
bool readPieces(int fd, char* buf, std::size_t room, std::size_t limit,
                const std::function<bool(std::string_view)>& take, Message& error)
{
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buf, room);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = systemErrorText(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        total += static_cast<std::size_t>(n);
        if (total > limit) { // a file that grows as it is read
            ::close(fd);
            error = Message(MessageId::FileTooLarge, {std::to_string(limit >> 20)});
            return false;
        }
        if (!take(std::string_view(buf, static_cast<std::size_t>(n))))
            break;
    }
    ::close(fd);
    return true;
}

} // namespace

bool readFilePieces(std::string_view path, std::size_t& size,
                    const std::function<bool(std::string_view)>& piece, Message& error, std::size_t limit)
{
    size = 0;
    const int fd = openForReading(path, limit, size, error);
    if (fd < 0)
        return false;
    // A piece of at most 1 MiB; a small file is read into a buffer of about its own size.
    const std::size_t capacity =
        std::min<std::size_t>(std::size_t{1} << 20, std::max<std::size_t>(size + 1, 4096));
    const auto buf = std::make_unique_for_overwrite<char[]>(capacity);
    return readPieces(fd, buf.get(), capacity, limit, piece, error);
}

bool writeFileAtomically(std::string_view path, const std::function<void(const ByteSink& sink)>& produce,
                         Message& error)
{
    // A symbolic link is written through: the file it leads to is replaced, the link stays.
    std::string target;
    if (std::string why; !resolveLinks(std::string(path), target, why)) {
        error = std::move(why);
        return false;
    }
    struct stat st
    {
    };
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        // Replacing a folder, FIFO or device node with a regular file would destroy it.
        error = MessageId::NotRegularFile;
        return false;
    }
    const std::string folder = folderOf(target);
    const std::string prefix = "." + nameOf(target) + std::string(kTemporaryInfix);
    removeStaleTemporaries(folder, prefix);

    std::string tmpl = (folder == "/" ? std::string() : folder) + "/" + prefix + "XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        error = systemErrorText(errno);
        return false;
    }
    auto fail = [&](int err) {
        error = systemErrorText(err);
        ::close(fd);
        ::unlink(tmpl.c_str());
        return false;
    };

    // mkstemp makes the file private; give it the permissions of the file it replaces, or the
    // usual ones for a new file. The owner and group are kept where the process may set them
    // (root saving a user's file leaves it the user's).
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
        if (::fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM)
            return fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    int writeError = 0;
    produce([&](std::string_view bytes) {
        if (writeError == 0 && !writeAll(fd, bytes))
            writeError = errno != 0 ? errno : EIO;
        return writeError == 0;
    });
    if (writeError != 0)
        return fail(writeError);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        error = systemErrorText(errno);
        ::unlink(tmpl.c_str());
        return false;
    }
    if (::rename(tmpl.c_str(), target.c_str()) != 0) {
        error = systemErrorText(errno);
        ::unlink(tmpl.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

namespace {

// Files mapped by a FileView. A file that another program cuts short while it is read (a shell's
// "> results.json") would end this process with SIGBUS at the first touch of a page past its new
// end. The handler puts a page of zero bytes in place of such a page of a guarded mapping and
// marks it, so the reader meets bytes that are no text it expects, and the view can say why.
struct MapGuard
{
    std::atomic<const char*> begin{nullptr};
    std::atomic<std::size_t> size{0};
    std::atomic<bool> cut{false};
};
constexpr int kGuards = 16;
MapGuard g_guards[kGuards];
struct sigaction g_previousBus
{
};
std::size_t g_pageSize = 4096;
std::once_flag g_busHandlerOnce;

void onBusError(int sig, siginfo_t* info, void* context)
{
    const char* at = static_cast<const char*>(info->si_addr);
    for (MapGuard& g : g_guards) {
        const char* begin = g.begin.load();
        if (begin == nullptr || at < begin || at >= begin + g.size.load())
            continue;
        // The mapping starts on a page, so the faulting page is a whole page of it.
        char* page =
            const_cast<char*>(begin) + static_cast<std::size_t>(at - begin) / g_pageSize * g_pageSize;
        if (::mmap(page, g_pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED) {
            g.cut = true;
            return; // the read is made again, from the page of zeros
        }
    }
    // Not a guarded mapping: whatever handled it before does.
    if ((g_previousBus.sa_flags & SA_SIGINFO) != 0 && g_previousBus.sa_sigaction != nullptr) {
        g_previousBus.sa_sigaction(sig, info, context);
    } else if (g_previousBus.sa_handler != SIG_DFL && g_previousBus.sa_handler != SIG_IGN) {
        g_previousBus.sa_handler(sig);
    } else {
        ::signal(SIGBUS, SIG_DFL); // the read is made again and ends the process, as without us
    }
}

int guardMapping(const char* begin, std::size_t size)
{
    std::call_once(g_busHandlerOnce, [] {
        g_pageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action
        {
        };
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &g_previousBus);
    });
    for (int i = 0; i < kGuards; ++i) {
        const char* none = nullptr;
        if (g_guards[i].begin.compare_exchange_strong(none, begin)) {
            g_guards[i].cut = false;
            g_guards[i].size = size;
            return i;
        }
    }
    return -1;
}

} // namespace

FileView::~FileView()
{
    if (guard_ >= 0) {
        g_guards[guard_].size = 0;
        g_guards[guard_].begin = nullptr;
    }
    if (mapped_)
        ::munmap(const_cast<char*>(data_), size_);
}

bool FileView::changedWhileRead() const
{
    return guard_ >= 0 && g_guards[guard_].cut.load();
}

bool FileView::open(std::string_view path, Message& error, std::size_t limit)
{
    const std::string p(path);
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = systemErrorText(errno);
        return false;
    }
    struct stat st
    {
    };
    // A regular file that is not empty is mapped; anything else (a FIFO, a folder, an empty or
    // too large file, one that cannot be mapped) goes to readWholeFile for its refusal or reason.
    void* at = MAP_FAILED;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<std::uintmax_t>(st.st_size) <= limit)
        at = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (at != MAP_FAILED) {
        guard_ = guardMapping(static_cast<const char*>(at), static_cast<std::size_t>(st.st_size));
        if (guard_ >= 0) {
            ::madvise(at, static_cast<std::size_t>(st.st_size), MADV_SEQUENTIAL);
            data_ = static_cast<const char*>(at);
            size_ = static_cast<std::size_t>(st.st_size);
            mapped_ = true;
            return true;
        }
        // More files mapped at once than can be guarded: this one is read instead.
        ::munmap(at, static_cast<std::size_t>(st.st_size));
    }
    if (!readWholeFile(path, whole_, error, limit))
        return false;
    data_ = whole_.data();
    size_ = whole_.size();
    return true;
}

void FileView::release(std::size_t offset)
{
    if (!mapped_)
        return;
    // The last stretch before `offset` (what a reader may have gone over again since the last
    // call), in whole pages.
    constexpr std::size_t kStretch = std::size_t{64} << 20;
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t to = std::min(offset, size_) / page * page;
    const std::size_t from = to > kStretch ? (to - kStretch) / page * page : 0;
    if (to > from)
        ::madvise(const_cast<char*>(data_) + from, to - from, MADV_DONTNEED);
}

bool pathExists(std::string_view path)
{
    const std::string p(path);
    return ::access(p.c_str(), F_OK) == 0;
}

} // namespace tovalo
