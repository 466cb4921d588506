#include "EventLoopProbe.h"

#include <chrono>

EventLoopProbe::EventLoopProbe() {
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kIntervalMs);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { beat(); });
    timer_.start();
}

EventLoopProbe::~EventLoopProbe() {
    stopping_ = true;
    if (watchdog_.joinable())
        watchdog_.join();
}

void EventLoopProbe::beat() {
    const qint64 now = clock_.elapsed();
    if (lastBeatMs_ > 0)
        longestLateMs_ = std::max(longestLateMs_, now - lastBeatMs_ - kIntervalMs);
    lastBeatMs_ = now;
    heartbeatMs_ = now;
}

qint64 EventLoopProbe::takeLongestLateMs() {
    // The wait since the last beat counts as well: the caller may itself have held the loop.
    beat();
    return std::exchange(longestLateMs_, 0);
}

void EventLoopProbe::watch(qint64 stallMs, std::function<void(qint64)> onStall) {
    watchdog_ = std::thread([this, stallMs, onStall = std::move(onStall)] {
        bool reported = false;
        while (!stopping_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const qint64 since = clock_.elapsed() - heartbeatMs_;
            if (since >= stallMs && !reported)
                onStall(since);
            reported = since >= stallMs;
        }
    });
}
