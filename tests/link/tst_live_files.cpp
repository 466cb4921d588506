#include "PipeWithoutWriter.h"
#include "link/LiveDataCsv.h"
#include "link/LiveRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace varko;

// The live-data files come from outside as well: a log chosen to replay, a recording's target.
// Neither may hang on a named pipe or read or write a device.
class TestLiveFiles : public QObject {
    Q_OBJECT

private slots:
    void recordedFileReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ride.csv");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly)); // an old file, emptied by the start
        LiveRecorder recorder;
        QVERIFY(recorder.start(path));
        LiveRecord record;
        record.data.rpm = 3000;
        QVERIFY(recorder.record(record));
        QVERIFY(recorder.record(record));
        recorder.stop();
        const LiveLog log = readLiveLogFile(path);
        QVERIFY(log.isLiveLog);
        QCOMPARE(log.records.size(), std::size_t(2));
        QCOMPARE(int(log.records[1].data.rpm), 3000);
    }

    void logThatIsNoRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
        QTest::newRow("named pipe") << "named pipe";
    }

    void logThatIsNoRegularFile() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("log.csv");
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "device")
            path = "/dev/zero"; // endless: read as it is, it would fill the memory
        else if (kind == "named pipe")
            QVERIFY(makePipeWithoutWriter(path));
        LiveLog log;
        QVERIFY(returnsByItself(path, [&] { log = readLiveLogFile(path); }));
        QVERIFY(!log.isLiveLog);
    }

    void recordingIntoWhatIsNoRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
        QTest::newRow("named pipe without a reader") << "pipe";
        QTest::newRow("named pipe with a reader") << "pipe with reader";
    }

    // A pipe's reader may go away mid-recording, which would end the program by SIGPIPE.
    void recordingIntoWhatIsNoRegularFile() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("ride.csv");
        int reader = -1;
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "device") {
            path = "/dev/null";
        } else {
            QVERIFY(makePipeWithoutWriter(path));
            if (kind == "pipe with reader")
                reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        }
        LiveRecorder recorder;
        bool started = true;
        QVERIFY(returnsByItself(path, [&] { started = recorder.start(path); }));
        if (reader >= 0)
            ::close(reader);
        QVERIFY(!started);
        QVERIFY(!recorder.isRecording());
        QVERIFY(!recorder.errorString().isEmpty());
        QCOMPARE(recorder.fileName(), path);
    }
};

QTEST_GUILESS_MAIN(TestLiveFiles)
#include "tst_live_files.moc"
