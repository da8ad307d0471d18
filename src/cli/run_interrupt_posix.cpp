// Ctrl-C for tovalo-cli run on POSIX: SIGINT and SIGTERM are blocked in every thread and taken
// by one thread with sigwait, which may then do anything (wake the main loop).

#include <csignal>
#include <pthread.h>
#include <thread>

namespace tovalo::cli {

void installInterruptHandler(void (*onInterrupt)(void*), void* context)
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    // Threads started later (the console's reader) inherit the mask.
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([set, onInterrupt, context] {
        for (;;) {
            int sig = 0;
            if (sigwait(&set, &sig) == 0)
                onInterrupt(context);
        }
    }).detach();
}

} // namespace tovalo::cli
