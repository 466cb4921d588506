#include "FullFileSystem.h"
#include "NoLogFiles.h"
#include "PipeWithoutWriter.h"
#include "link/LiveDataCsv.h"
#include "link/LiveRecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
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
        const LiveLog log = readLiveLogFile(path).log;
        QVERIFY(log.isLiveLog);
        QCOMPARE(log.records.size(), std::size_t(2));
        QCOMPARE(int(log.records[1].data.rpm), 3000);
    }

    void logThatIsNoRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "No such file or directory";
        QTest::newRow("folder") << "folder"
                                << "Not a regular file";
        QTest::newRow("device") << "device"
                                << "Not a regular file";
        QTest::newRow("named pipe") << "named pipe"
                                    << "Not a regular file";
    }

    void logThatIsNoRegularFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = makeNoLogFile(kind, dir.path());
        QVERIFY(!path.isEmpty());
        LiveLogFile file;
        QVERIFY(returnsByItself(path, [&] { file = readLiveLogFile(path); }));
        QVERIFY(!file.log.isLiveLog);
        QCOMPARE(file.refusal.reason, reason);
        QVERIFY(!file.refusal.tooLarge);
    }

    // Refused as it is opened, before a byte is read: the file here is sparse, all of it holes.
    void logLargerThanTheLimit() {
        QTemporaryDir dir;
        const QString path = makeNoLogFile("too large", dir.path());
        QVERIFY(!path.isEmpty());
        LiveLogProgress progress;
        const LiveLogFile file = readLiveLogFile(path, &progress);
        QVERIFY(file.refusal.tooLarge);
        QVERIFY(!file.log.isLiveLog);
        QCOMPARE(progress.bytesRead.load(), 0);
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

    // A full disk: the system takes the line that reaches into a page it has no room for only in
    // part. That part is taken back, so the file ends on the last whole line, and the reason is
    // the system's own.
    void recordingOnAFullDisk() {
        FullFileSystem disk;
        if (!disk.problem().isEmpty())
            QFAIL(qPrintable(disk.problem()));
        const QString path = disk.filePath("ride.csv");
        LiveRecorder recorder;
        QVERIFY(recorder.start(path));
        QVERIFY(disk.fill()); // the file keeps the rest of its first page
        LiveRecord record;
        record.data.rpm = 12345;
        int written = 0;
        while (recorder.record(record) && written < 1000)
            ++written;
        QVERIFY(!recorder.isRecording());
        QCOMPARE(recorder.failure(), LiveRecorder::Failure::WriteFailed);
        QCOMPARE(recorder.errorString(), "No space left on device");
        QCOMPARE(recorder.frameCount(), written);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.endsWith('\n'));
        QCOMPARE(content.count('\n'), written + 1);
        const LiveLog log = readLiveLogFile(path).log;
        QVERIFY(log.malformedLines.empty());
        QCOMPARE(int(log.records.size()), written);
    }

    // Frames written on would go into a file nobody can reach any more, or past the file that
    // took the name.
    void recordingWhoseFileGoes_data() {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("deleted") << false;
        QTest::newRow("replaced") << true;
    }

    void recordingWhoseFileGoes() {
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath("ride.csv");
        LiveRecorder recorder;
        QVERIFY(recorder.start(path));
        QVERIFY(recorder.record({}));
        if (replaced) {
            QFile other(dir.filePath("other.csv"));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.close();
            QCOMPARE(std::rename(QFile::encodeName(other.fileName()).constData(),
                                 QFile::encodeName(path).constData()),
                     0);
        } else {
            QVERIFY(QFile::remove(path));
        }
        QVERIFY(!recorder.record({}));
        QVERIFY(!recorder.isRecording());
        QCOMPARE(recorder.failure(), LiveRecorder::Failure::FileGone);
        QCOMPARE(recorder.frameCount(), 1);
        QCOMPARE(QFileInfo::exists(path), replaced);
        QCOMPARE(QFileInfo(path).size(), 0); // the file that took the name is left alone
    }
};

QTEST_GUILESS_MAIN(TestLiveFiles)
#include "tst_live_files.moc"
