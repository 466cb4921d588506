#pragma once
// varko-sim started as a separate process on a real pseudo-terminal, linked as a COM port in the
// current configuration folder; stopped (and its link removed) when the object goes.

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>

// The COM port the tests start the simulator on. Each test has a configuration folder of its own,
// so the same number never reaches another test's simulator.
constexpr int kSimulatorPort = 3;

// The port's name as a user gives it to varko-cli.
inline QString simulatorPortName() {
    return QStringLiteral("COM%1").arg(kSimulatorPort);
}

// Where the simulator links its line in a configuration folder.
inline QString simulatorPortLink(const QString& configFolder) {
    return configFolder + "/varko/ports/" + simulatorPortName();
}

class SimulatorProcess {
public:
    static QString executable() {
        return QStringLiteral(VARKO_BINARY_DIR "/tools/varko-sim/varko-sim");
    }

    // True once the simulator has linked its line.
    bool start(int com, const QStringList& faults = {}) {
        process_.setProgram(executable());
        process_.setArguments(QStringList{"--com", QString::number(com)} + faults);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (!process_.waitForStarted(5000))
            return false;
        return waitForLine("varko-sim:");
    }
    // Waits for a line containing text, after the line the last wait found; a timeout of 0 only
    // looks at what has arrived.
    bool waitForLine(const QString& text, int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            if (findLine(text))
                return true;
            const qint64 left = timeoutMs - timer.elapsed();
            process_.waitForReadyRead(int(std::clamp<qint64>(left, 0, 100)));
            if (left <= 0)
                return findLine(text);
        }
    }
    // Every line it has printed so far.
    QStringList output() {
        process_.waitForReadyRead(50);
        collect();
        return lines_;
    }
    // The command bytes of the requests it received (started with --log-requests).
    QStringList requests() {
        QStringList commands;
        for (const QString& line : output())
            if (line.startsWith("varko-sim: request "))
                commands << line.mid(19);
        return commands;
    }
    // Ends it the way a crash would: no clean-up of its own.
    void kill() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    // Ends it with SIGTERM as a user would; true when it exited cleanly.
    bool stop() {
        if (process_.state() == QProcess::NotRunning)
            return process_.exitStatus() == QProcess::NormalExit;
        process_.terminate();
        return process_.waitForFinished(5000) && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }
    ~SimulatorProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

private:
    bool findLine(const QString& text) {
        collect();
        for (; next_ < lines_.size(); ++next_) {
            if (lines_[next_].contains(text)) {
                ++next_;
                return true;
            }
        }
        return false;
    }
    void collect() {
        while (process_.canReadLine())
            lines_ << QString::fromUtf8(process_.readLine()).trimmed();
    }

    QProcess process_;
    QStringList lines_;
    qsizetype next_ = 0;
};
