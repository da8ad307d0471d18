#include "sim_platform.h"

// windows.h first: shellapi.h needs its macros.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace dpctsim {

namespace {

std::wstring wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

std::string narrow(std::wstring_view w, UINT codePage)
{
    if (w.empty())
        return {};
    const int n =
        WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

HANDLE stdHandle(int fd)
{
    return GetStdHandle(fd == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
}

} // namespace

std::vector<std::string> utf8Arguments(int, char**)
{
    // The narrow argv is in the ANSI code page; the UTF-16 command line keeps every path.
    std::vector<std::string> result;
    int n = 0;
    wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (wargv == nullptr)
        return result;
    for (int i = 0; i < n; ++i)
        result.push_back(narrow(wargv[i], CP_UTF8));
    LocalFree(wargv);
    return result;
}

void writeStd(int fd, std::string_view bytes)
{
    const HANDLE h = stdHandle(fd);
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    if (GetConsoleMode(h, &mode)) {
        // A console shows UTF-16; LLVM tools write to it the same way.
        const std::wstring w = wide(bytes);
        DWORD written = 0;
        WriteConsoleW(h, w.data(), static_cast<DWORD>(w.size()), &written, nullptr);
        return;
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = left > 65536 ? 65536 : static_cast<DWORD>(left);
        if (!WriteFile(h, p, chunk, &written, nullptr) || written == 0)
            return;
        p += written;
        left -= written;
    }
}

bool isTerminal(int fd)
{
    DWORD mode = 0;
    return GetConsoleMode(stdHandle(fd), &mode) != 0;
}

std::string absolutePath(const std::string& path)
{
    const std::wstring w = wide(path);
    const DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full(n, L'\0');
    const DWORD m = GetFullPathNameW(w.c_str(), n, full.data(), nullptr);
    full.resize(m);
    return narrow(full, CP_UTF8);
}

std::string realPath(const std::string& path)
{
    const std::wstring w = wide(path);
    const HANDLE h = CreateFileW(w.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return absolutePath(path);
    wchar_t buffer[32768];
    const DWORD n = GetFinalPathNameByHandleW(h, buffer, 32768, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(h);
    if (n == 0 || n >= 32768)
        return absolutePath(path);
    std::wstring result(buffer, n);
    if (result.rfind(L"\\\\?\\UNC\\", 0) == 0)
        result = L"\\\\" + result.substr(8);
    else if (result.rfind(L"\\\\?\\", 0) == 0)
        result = result.substr(4);
    return narrow(result, CP_UTF8);
}

char pathSeparator()
{
    return '\\';
}

void crashHard()
{
    // The exit status of an access violation, without starting a debugger or an error dialog.
    TerminateProcess(GetCurrentProcess(), 0xC0000005u);
    ExitProcess(0xC0000005u);
}

std::string executableFolder()
{
    wchar_t buffer[32768];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
    if (n == 0 || n >= 32768)
        return {};
    std::wstring p(buffer, n);
    const auto slash = p.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        p.resize(slash);
    return narrow(p, CP_UTF8);
}

std::string toAnsiCodePage(std::string_view text)
{
    return narrow(wide(text), CP_ACP);
}

bool lockForLifetime(const std::string& path)
{
    // Opened without sharing: a second opener fails with a sharing violation until this process
    // ends and the system closes the handle.
    const HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        return true;
    return GetLastError() != ERROR_SHARING_VIOLATION;
}

double threadCpuMs()
{
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    const auto ms = [](const FILETIME& f) {
        return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) |
                                   f.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

} // namespace dpctsim
