// Ctrl-C for tovalo-cli run on Windows: a console control handler, which the system calls on a
// thread of its own.

#include <windows.h>

namespace tovalo::cli {

namespace {
void (*g_onInterrupt)(void*) = nullptr;
void* g_context = nullptr;

BOOL WINAPI handler(DWORD type)
{
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT) {
        if (g_onInterrupt)
            g_onInterrupt(g_context);
        return TRUE;
    }
    return FALSE;
}
} // namespace

void installInterruptHandler(void (*onInterrupt)(void*), void* context)
{
    g_onInterrupt = onInterrupt;
    g_context = context;
    SetConsoleCtrlHandler(handler, TRUE);
}

} // namespace tovalo::cli
