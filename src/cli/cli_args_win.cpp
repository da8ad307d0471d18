#include <windows.h>

#include <shellapi.h>
#include <string>
#include <vector>

namespace tovalo::cli {

// The narrow argv of a Windows program is in the ANSI code page; take the UTF-16 command line
// instead so that every path survives.
std::vector<std::string> utf8Arguments(int, char**)
{
    std::vector<std::string> result;
    int n = 0;
    wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wargv)
        return result;
    for (int i = 0; i < n; ++i) {
        const int len = WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string s(static_cast<std::size_t>(len > 0 ? len - 1 : 0), '\0');
        if (len > 1)
            WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, s.data(), len, nullptr, nullptr);
        result.push_back(std::move(s));
    }
    LocalFree(wargv);
    return result;
}

} // namespace tovalo::cli
