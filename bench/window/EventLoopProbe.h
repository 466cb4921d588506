#pragma once
// How long the GUI thread's event loop goes without running: a fine timer that records its own
// lateness, and a watchdog thread that notices a loop stopped for good (which the timer, being
// stopped with it, could only report afterwards).

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

class EventLoopProbe : public QObject {
public:
    static constexpr int kIntervalMs = 5;

    EventLoopProbe();
    ~EventLoopProbe() override;

    // The longest lateness since the last call, in milliseconds; restarts the measure.
    qint64 takeLongestLateMs();
    // Runs on the watchdog thread whenever the loop has not run for stallMs (once per stall).
    void watch(qint64 stallMs, std::function<void(qint64 sinceMs)> onStall);

private:
    void beat();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastBeatMs_ = 0;
    qint64 longestLateMs_ = 0;
    std::atomic<qint64> heartbeatMs_{0};
    std::atomic<bool> stopping_{false};
    std::thread watchdog_;
};
