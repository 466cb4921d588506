// SIGTERM (a logout), SIGHUP and SIGINT close a real varko window as File > Exit does: the
// settings and the last state are written, also when a box is open, and the program ends well.

#include "PresetImage.h"
#include "ScopedConfigDir.h"
#include "SilentLine.h"
#include "TestFiles.h"
#include "WindowProcess.h"
#include "storage/ConfigPaths.h"
#include "storage/LastStateFile.h"
#include "storage/ParamFile.h"

#include <QtTest>
#include <csignal>

using namespace varko;

class TestStopSignals : public QObject {
    Q_OBJECT
private slots:
    // The window opened a file from its command line; closing keeps the file and its set. An
    // argument it does not know, on its own command line or a later start's, keeps a warning
    // box open when the signal comes: one of the start-up, before the program's event loop runs,
    // or one in that loop.
    void signalClosesAsExit_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("boxFrom"); // whose command line brings an unknown word
        QTest::newRow("SIGTERM") << SIGTERM << QString();
        QTest::newRow("SIGHUP") << SIGHUP << QString();
        QTest::newRow("SIGINT") << SIGINT << QString();
        QTest::newRow("SIGTERM under a box of the start-up") << SIGTERM << "window";
        QTest::newRow("SIGTERM under a box of a later start") << SIGTERM << "later start";
    }
    void signalClosesAsExit() {
        QFETCH(int, signal);
        QFETCH(QString, boxFrom);
        ScopedConfigDir config;
        ScopedRuntimeDir runtime;
        SilentLine line{config.varkoDir() + "/ports"};
        QTemporaryDir dir;
        const QString file = dir.filePath("bike.ign");
        ParamImage image = startUpImage();
        image.limiter() = 95;
        QVERIFY(saveParamFile(file, image));
        const QStringList unknown{"--frobnicate"};

        WindowProcess window(boxFrom == "window" ? QStringList{file} + unknown : QStringList{file});
        QVERIFY(window.waitUntilAnswering());
        if (boxFrom == "later start") {
            WindowProcess later(unknown);
            QVERIFY(later.endsWell());
            QTest::qWait(300); // the window opens its box
        }
        QVERIFY(!QFileInfo::exists(settingsFilePath()));
        QVERIFY(!QFileInfo::exists(lastStateFilePath()));
        window.sendSignal(signal);
        QVERIFY(window.endsWell(15000));
        QVERIFY(readTestFile(settingsFilePath()).contains("\r\nFile=" + file.toUtf8() + "\r\n"));
        LastState state;
        QVERIFY(loadLastStateFile(lastStateFilePath(), state));
        QCOMPARE(int(state.image.limiter()), 95);
    }
};

QTEST_MAIN(TestStopSignals)
#include "tst_stop_signals.moc"
