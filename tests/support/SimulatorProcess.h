#pragma once
// varko-sim started as a separate process on a real pseudo-terminal, linked as a COM port in the
// current configuration folder; stopped (and its link removed) when the object goes.

#include <QFileInfo>
#include <QProcess>
#include <QTest>

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
    bool waitForLine(const QString& text, int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            while (process_.canReadLine()) {
                if (QString::fromUtf8(process_.readLine()).contains(text))
                    return true;
            }
            process_.waitForReadyRead(100);
        }
        return false;
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
    QProcess process_;
};
