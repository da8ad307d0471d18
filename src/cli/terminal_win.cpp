// Colours on Windows: only on a console that takes escape sequences (turned on here), and not
// when NO_COLOR is set.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <io.h>

#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif

namespace tovalo::cli {

bool useColours(std::FILE* stream)
{
    const char* noColour = std::getenv("NO_COLOR");
    if (noColour != nullptr && *noColour != '\0')
        return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return false;
    return SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

} // namespace tovalo::cli
