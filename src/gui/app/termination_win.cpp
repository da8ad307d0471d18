#include "app/termination.h"

#include <windows.h>

#include <QMetaObject>
#include <QObject>
#include <QPointer>

namespace tovalo::gui {
namespace {
QPointer<QObject> g_context;
std::function<void()> g_onRequest;

BOOL WINAPI onConsoleEvent(DWORD type)
{
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT || type == CTRL_CLOSE_EVENT ||
        type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        if (g_context)
            QMetaObject::invokeMethod(
                g_context.data(), [] { g_onRequest(); }, Qt::QueuedConnection);
        return TRUE;
    }
    return FALSE;
}
} // namespace

void installTerminationHandler(QObject* context, std::function<void()> onRequest)
{
    g_context = context;
    g_onRequest = std::move(onRequest);
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

} // namespace tovalo::gui
