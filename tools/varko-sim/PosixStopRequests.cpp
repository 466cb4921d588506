#include "PosixStopRequests.h"
#include "StopRequests.h"

#include <ctime>
#include <initializer_list>

namespace varko::sim {
namespace {

volatile std::sig_atomic_t requested = 0;
void request(int) {
    requested = 1;
}

sigset_t stopSignals;
sigset_t waitMask;

} // namespace

// The stop signals are blocked except while waiting, so none is lost between checks.
void catchStopRequests() {
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = request;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested() {
    return requested != 0;
}

bool stopRequestedWithin(int ms) {
    const timespec pause{ms / 1000, (ms % 1000) * 1000000L};
    if (sigtimedwait(&stopSignals, nullptr, &pause) > 0)
        requested = 1;
    return stopRequested();
}

const sigset_t& stopWaitMask() {
    return waitMask;
}

} // namespace varko::sim
