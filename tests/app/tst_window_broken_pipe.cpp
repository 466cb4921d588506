// The window as a process of its own: a write into a pipe whose reader has gone raises SIGPIPE,
// which would end the program on the spot, with the rider's edits, settings and last state lost.
// The window ignores it, so such a write is a failed write like any other, and a failed write is
// said, never taken for done.

#include "ScopedConfigDir.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// Whether the process ignores SIGPIPE, as the system lists it.
bool ignoresBrokenPipes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGPIPE - 1)) & 1;
    }
    return false;
}

} // namespace

class TestWindowBrokenPipe : public QObject {
    Q_OBJECT
private slots:
    void survivesABrokenPipe() {
        ScopedConfigDir config;
        QTemporaryDir runtime; // no other window to meet
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess window;
        window.setProcessEnvironment(environment);
        window.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko"));
        QVERIFY(window.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return ignoresBrokenPipes(window.processId()); }, 10000));
        QCOMPARE(::kill(pid_t(window.processId()), SIGPIPE), 0);
        QVERIFY(!window.waitForFinished(1000));
        window.kill();
        window.waitForFinished();
    }

    // What it answers before a window exists goes to standard output, which may not take it.
    void failedAnswerIsAWriteError_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("--help") << "--help";
        QTest::newRow("--version") << "--version";
    }
    void failedAnswerIsAWriteError() {
        QFETCH(QString, argument);
        QProcess varko;
        varko.setStandardOutputFile(QStringLiteral("/dev/full"));
        varko.start(QStringLiteral(VARKO_BINARY_DIR "/src/varko"), {argument});
        QVERIFY(varko.waitForFinished(10000));
        QCOMPARE(varko.exitStatus(), QProcess::NormalExit);
        QCOMPARE(varko.exitCode(), 1);
        QCOMPARE(varko.readAllStandardError(),
                 "varko: write error: " + QByteArray(std::strerror(ENOSPC)) + "\n");
    }
};

QTEST_GUILESS_MAIN(TestWindowBrokenPipe)
#include "tst_window_broken_pipe.moc"
