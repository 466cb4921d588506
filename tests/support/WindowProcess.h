#pragma once
// The program's window run as a separate process, as the desktop runs it, in the current
// configuration folder (ScopedConfigDir) and runtime folder (ScopedRuntimeDir): the process
// inherits this process's environment, so both sides find the same files and the same window.

#include "ScopedRuntimeDir.h"
#include "app/WindowInstance.h"
#include "storage/ConfigPaths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <csignal>

class WindowProcess {
public:
    static QString executable() { return QStringLiteral(VARKO_BINARY_DIR "/src/varko"); }

    explicit WindowProcess(const QStringList& arguments, const QString& workingDirectory = {}) {
        process_.setProgram(executable());
        process_.setArguments(arguments);
        process_.setWorkingDirectory(workingDirectory);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start();
        started_.start();
    }
    ~WindowProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    WindowProcess(const WindowProcess&) = delete;
    WindowProcess& operator=(const WindowProcess&) = delete;

    // True once the window takes later starts' command lines, which it does from its event loop
    // on: it has started. It is told of an empty command line meanwhile, which only brings it to
    // the front.
    bool waitUntilAnswering(int timeoutMs = 30000) const {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
            const HandedOverStart probe{{executable()}, QDir::currentPath()};
            if (WindowInstance::handOver(varko::windowInstancePath(), probe,
                                         QDeadlineTimer(1000)) == WindowInstance::Delivery::Taken)
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    void sendSignal(int signal) const { ::kill(pid_t(process_.processId()), signal); }
    // True when it ends (or has ended) by itself within the time, with exit code 0.
    bool endsWell(int timeoutMs = 30000) {
        if (running())
            process_.waitForFinished(timeoutMs);
        return !running() && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Since the start.
    qint64 elapsedMs() const { return started_.elapsed(); }

private:
    QProcess process_;
    QElapsedTimer started_;
};
