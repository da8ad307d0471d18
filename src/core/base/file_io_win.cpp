#include "file_io.h"
#include "text.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

namespace tovalo {

namespace {

std::wstring wide(std::string_view utf8)
{
    return pathFromUtf8(utf8).wstring();
}

std::string lastErrorText()
{
    return systemErrorText(static_cast<int>(GetLastError()));
}

/// Removes temporary files of earlier saves of the same file that were cut short (`prefix` is
/// the folder and the start of their names). Only files untouched for a minute go, so a save
/// under way in another process keeps its temporary file.
void removeStaleTemporaries(const std::wstring& prefix)
{
    const std::size_t slash = prefix.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : prefix.substr(0, slash + 1);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME nowFile{};
    GetSystemTimeAsFileTime(&nowFile);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    const unsigned long long minute = 60ULL * 10000000ULL; // FILETIME counts 100 ns
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            ticks(nowFile) >= ticks(found.ftLastWriteTime) + minute)
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

namespace {

// Opens `path` for reading when it is a file on a disk of at most `limit` bytes; its size goes
// to `size`. Returns the handle, or INVALID_HANDLE_VALUE with `error` set.
HANDLE openForReading(std::string_view path, std::size_t limit, std::size_t& size, Message& error)
{
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = lastErrorText();
        return h;
    }
    // A pipe or a device (CON, NUL) is refused before anything is read from it.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        error = MessageId::NotRegularFile;
        return INVALID_HANDLE_VALUE;
    }
    LARGE_INTEGER length{};
    if (GetFileSizeEx(h, &length) && static_cast<unsigned long long>(length.QuadPart) > limit) {
        CloseHandle(h);
        error = Message(MessageId::FileTooLarge, {std::to_string(limit >> 20)});
        return INVALID_HANDLE_VALUE;
    }
    size = length.QuadPart > 0 ? static_cast<std::size_t>(length.QuadPart) : 0;
    return h;
}

// Reads `h` to its end (or until `take` returns false) in pieces of `room` bytes at `buf`, and
// closes it. False with `error` set when reading fails or passes `limit` bytes.
bool readPieces(HANDLE h, char* buf, DWORD room, std::size_t limit,
                const std::function<bool(std::string_view)>& take, Message& error)
{
    std::size_t total = 0;
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(h, buf, room, &n, nullptr)) {
            error = lastErrorText();
            CloseHandle(h);
            return false;
        }
        if (n == 0)
            break;
        total += n;
        if (total > limit) {
            CloseHandle(h);
            error = Message(MessageId::FileTooLarge, {std::to_string(limit >> 20)});
            return false;
        }
        if (!take(std::string_view(buf, n)))
            break;
    }
    CloseHandle(h);
    return true;
}

} // namespace

bool readFilePieces(std::string_view path, std::size_t& size,
                    const std::function<bool(std::string_view)>& piece, Message& error, std::size_t limit)
{
    size = 0;
    HANDLE h = openForReading(path, limit, size, error);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    // A piece of at most 1 MiB; a small file is read into a buffer of about its own size.
    const std::size_t capacity =
        std::min<std::size_t>(std::size_t{1} << 20, std::max<std::size_t>(size + 1, 4096));
    const auto buf = std::make_unique_for_overwrite<char[]>(capacity);
    return readPieces(h, buf.get(), static_cast<DWORD>(capacity), limit, piece, error);
}

bool writeFileAtomically(std::string_view path, const std::function<void(const ByteSink& sink)>& produce,
                         Message& error)
{
    std::wstring target = wide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A symbolic link is written through: the file it leads to is replaced, the link stays.
        // Anything but a file on a disk (a folder, a device) is refused.
        HANDLE existing =
            CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (existing == INVALID_HANDLE_VALUE) {
            error = lastErrorText();
            return false;
        }
        BY_HANDLE_FILE_INFORMATION info{};
        const bool regular = GetFileType(existing) == FILE_TYPE_DISK &&
                             GetFileInformationByHandle(existing, &info) &&
                             (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        if (regular && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            std::wstring final(32768, L'\0');
            const DWORD n = GetFinalPathNameByHandleW(existing, final.data(),
                                                      static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
            if (n > 0 && n < final.size()) {
                final.resize(n);
                target = final;
            }
        }
        CloseHandle(existing);
        if (!regular) {
            error = MessageId::NotRegularFile;
            return false;
        }
    }
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    const std::wstring prefix =
        folder + L"." + target.substr(slash == std::wstring::npos ? 0 : slash + 1) + wide(kTemporaryInfix);
    removeStaleTemporaries(prefix);

    std::wstring tmp;
    HANDLE h = INVALID_HANDLE_VALUE;
    // A unique name beside the target: the process id and a counter after the prefix.
    for (unsigned attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        tmp = prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
        h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (h == INVALID_HANDLE_VALUE) {
        error = lastErrorText();
        return false;
    }
    bool failed = false;
    produce([&](std::string_view bytes) {
        const char* p = bytes.data();
        std::size_t left = bytes.size();
        while (!failed && left > 0) {
            const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(h, p, chunk, &written, nullptr)) {
                error = lastErrorText();
                failed = true;
            }
            p += written;
            left -= written;
        }
        return !failed;
    });
    if (failed) {
        CloseHandle(h);
        DeleteFileW(tmp.c_str());
        return false;
    }
    if (!FlushFileBuffers(h)) {
        error = lastErrorText();
        CloseHandle(h);
        DeleteFileW(tmp.c_str());
        return false;
    }
    CloseHandle(h);
    if (!MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastErrorText();
        DeleteFileW(tmp.c_str());
        return false;
    }
    return true;
}

FileView::~FileView() = default;

bool FileView::open(std::string_view path, Message& error, std::size_t limit)
{
    if (!readWholeFile(path, whole_, error, limit))
        return false;
    data_ = whole_.data();
    size_ = whole_.size();
    return true;
}

void FileView::release(std::size_t) {}

bool FileView::changedWhileRead() const
{
    return false; // read whole, never mapped
}

bool pathExists(std::string_view path)
{
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace tovalo
