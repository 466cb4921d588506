#include "app/StopSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler writes to one end, the event loop reads the other.
int signalPair[2] = {-1, -1};

void noteSignal(int) {
    const int savedErrno = errno;
    const char note = 1;
    // Non-blocking: when the notes are not read yet, one more changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalPair[1], &note, 1);
    errno = savedErrno;
}

void handleStopSignals(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair) != 0)
        return; // the signals end the program as they always did
    handleStopSignals(noteSignal);
}

StopSignals::~StopSignals() {
    if (signalPair[0] < 0)
        return;
    handleStopSignals(SIG_DFL);
    delete notifier_; // before the end it watches is closed
    for (int& end : signalPair) {
        ::close(end);
        end = -1;
    }
}

void StopSignals::whenCaught(QObject* context, std::function<void()> stop) {
    if (signalPair[0] < 0 || notifier_ != nullptr)
        return;
    // Level-triggered: notes written before the notifier exists make it fire at once.
    notifier_ = new QSocketNotifier(signalPair[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, context, [this, stop = std::move(stop)] {
        char notes[64];
        while (::read(signalPair[0], notes, sizeof notes) > 0) {
        }
        stopped_ = true;
        stop();
    });
}
