#include "file_io.h"
#include "text.h"

#include <windows.h>

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

} // namespace

bool readWholeFile(std::string_view path, std::string& bytes, std::string& error)
{
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = lastErrorText();
        return false;
    }
    bytes.clear();
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) && size.QuadPart > 0)
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buf[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) {
            error = lastErrorText();
            CloseHandle(h);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buf, n);
    }
    CloseHandle(h);
    return true;
}

bool writeFileAtomically(std::string_view path, std::string_view bytes, std::string& error)
{
    const std::wstring target = wide(path);
    std::wstring tmp;
    HANDLE h = INVALID_HANDLE_VALUE;
    // A unique name beside the target: the target's name, the process id and a counter.
    for (unsigned attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        tmp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(attempt) +
              L".tmp";
        h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (h == INVALID_HANDLE_VALUE) {
        error = lastErrorText();
        return false;
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(h, p, chunk, &written, nullptr)) {
            error = lastErrorText();
            CloseHandle(h);
            DeleteFileW(tmp.c_str());
            return false;
        }
        p += written;
        left -= written;
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

bool pathExists(std::string_view path)
{
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace tovalo
