#pragma once
// A unit for the pictures to show live data from: varko-sim on a pseudo-terminal with the engine
// held steady, so the live column and the operating point show the same running engine in every
// build.

#include <QProcess>
#include <QString>

class UnitSimulator {
public:
    // The port the simulator takes; the window is switched to it.
    static constexpr int kPort = 20;

    UnitSimulator() = default;
    ~UnitSimulator();
    UnitSimulator(const UnitSimulator&) = delete;
    UnitSimulator& operator=(const UnitSimulator&) = delete;

    // Starts the simulator and waits until its line is linked as COM<kPort> in the current
    // settings folder. Returns an error text, empty on success.
    QString start(const QString& program);

private:
    QProcess process_;
};
