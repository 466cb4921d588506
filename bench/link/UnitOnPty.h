#pragma once
// The simulated unit on a pseudo-terminal that the benchmark serves itself, so it sees each
// request arrive and each open and close of the line by the program under test: the master side
// reports a hang-up exactly while no program has the slave open.

#include "SimulatedUnit.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

class UnitOnPty {
public:
    using Clock = std::chrono::steady_clock;

    struct Request {
        Clock::time_point at;
        std::uint8_t command;
    };

    UnitOnPty();
    ~UnitOnPty();
    UnitOnPty(const UnitOnPty&) = delete;
    UnitOnPty& operator=(const UnitOnPty&) = delete;

    QString slavePath() const { return slavePath_; }
    // Serves on a thread of its own until stop(); what it saw is read after stop().
    void start();
    void stop();

    std::vector<Request> requests;
    std::vector<Clock::time_point> opens;  // the program opened the line
    std::vector<Clock::time_point> closes; // the program closed it again
    int lostAnswers = 0;                   // answers the line did not take whole

private:
    void serve();

    int master_ = -1;
    QString slavePath_;
    varko::sim::SimulatedUnit unit_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};
