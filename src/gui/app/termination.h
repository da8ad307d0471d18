#pragma once
// Turns the platform's request to end the process (SIGTERM, SIGINT, SIGHUP on POSIX; the
// console close and logoff events on Windows) into a call on the UI thread.

#include <functional>

class QObject;

namespace tovalo::gui {

/// `onRequest` runs on the UI thread (through the event loop of `context`) when the process is
/// asked to end. Install once.
void installTerminationHandler(QObject* context, std::function<void()> onRequest);

} // namespace tovalo::gui
