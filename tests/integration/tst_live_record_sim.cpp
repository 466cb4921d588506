// Recording the live data from the window and playing it back: the engine of varko-sim at a
// fixed speed and throttle is recorded, a killed simulator leaves a whole file, and a replay of
// the recording shows what the live run showed at the same frames, without a word to the unit.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "FullFileSystem.h"
#include "LogReplay.h"
#include "NoLogFiles.h"
#include "PipeWithoutWriter.h"
#include "SimulatorProcess.h"
#include "UnitConnection.h"
#include "app/LiveRecording.h"
#include "app/LiveReplayDriver.h"
#include "app/WindowLink.h"
#include "link/LiveDataCsv.h"
#include "ui/LiveColumn.h"

#include <QCheckBox>
#include <QFile>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

// Everything the live display shows: each live control's text or gauge position, and the
// operating point.
QStringList liveTexts(const FlowsFixture& f) {
    QStringList texts;
    for (const QString& name : LiveColumn::controlNames()) {
        if (auto* label = f.window.find<QLabel>(name))
            texts << name + ": " + label->text();
        else if (auto* gauge = f.window.find<QProgressBar>(name))
            texts << name + ": " + QString::number(gauge->value());
    }
    const OperatingPoint point = f.window.link().operatingPoint();
    texts << QStringLiteral("point: %1 %2 %3 %4")
                 .arg(point.opColumn)
                 .arg(point.opBelowMap)
                 .arg(point.opRow)
                 .arg(point.opServoPoint);
    return texts;
}

const LiveRecorder& recorder(FlowsFixture& f) {
    return f.window.link().recording().recorder();
}

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n');
}

} // namespace

class TestLiveRecordSim : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(folder_.isValid()); }

    // Stopped from the menu, or ended by closing the window: either way a whole file.
    void recordsTheEngine_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("stopped") << false;
        QTest::newRow("window closed") << true;
    }
    void recordsTheEngine() {
        QFETCH(bool, byClosing);
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000", "--throttle", "45"}));
        QVERIFY(connectToUnit(f));
        const QString path = folder_.filePath("engine.csv");
        f.dialogs.paths << path;
        f.window.find<QAbstractButton>(Control::recordLiveDataButton)->click();
        QVERIFY(recorder(f).isRecording());
        QVERIFY(f.window.find<QAction>(Control::recordLiveDataItem)->isChecked());
        QVERIFY(QTest::qWaitFor([&] { return recorder(f).frameCount() >= 5; }, kWaitMs));
        QVERIFY(f.window.shown(Control::recordingStatus));
        if (byClosing)
            f.window->close();
        else
            f.trigger(Control::recordLiveDataItem);
        QVERIFY(!recorder(f).isRecording());
        QVERIFY(!f.window.find(Control::recordingStatus)->isVisibleTo(&*f.window));

        const QStringList lines = fileLines(path);
        QCOMPARE(lines.first(), liveCsvHeader(LiveCsvColumns::Recording));
        QCOMPARE(lines.last(), QString()); // the last line is whole
        const QStringList columns = lines.first().split(',');
        qint64 previous = -1;
        for (const QString& line : lines.mid(1, lines.size() - 2)) {
            const QStringList fields = line.split(',');
            QCOMPARE(fields.size(), columns.size());
            const auto field = [&](const char* name) { return fields[columns.indexOf(name)]; };
            QVERIFY2(field("time_ms").toLongLong() > previous, qPrintable(line));
            previous = field("time_ms").toLongLong();
            QVERIFY2(qAbs(field("rpm").toInt() - 3000) <= 100, qPrintable(line));
            QCOMPARE(field("tps_percent"), "45");
            QCOMPARE(field("pickup1"), "1");
            QCOMPARE(field("pickup_error"), "0");
            QCOMPARE(field("protocol_version"), QString::number(kProtocolVersion));
            QCOMPARE(field("servo_ok"), "1");
        }
        QVERIFY(simulator.stop());
    }

    // Each frame is on disk as soon as it is recorded; the lost unit then ends the file.
    void survivesAKilledSimulator() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "5000", "--throttle", "20"}));
        QVERIFY(connectToUnit(f));
        const QString path = folder_.filePath("killed.csv");
        f.dialogs.paths << path;
        f.trigger(Control::recordLiveDataItem);
        QVERIFY(QTest::qWaitFor([&] { return recorder(f).frameCount() >= 3; }, kWaitMs));
        simulator.kill();
        const int frames = recorder(f).frameCount();
        const qint64 elapsed = recorder(f).elapsedMs();
        QStringList lines = fileLines(path);
        QCOMPARE(lines.size(), frames + 2); // header, frames, and nothing after the last newline
        QVERIFY(lines.last().isEmpty());
        // The last frame written came within the second before the kill.
        QVERIFY(elapsed - lines[frames].section(',', 0, 0).toLongLong() < 1000);

        QVERIFY(QTest::qWaitFor([&] { return !recorder(f).isRecording(); }, kWaitMs));
        QVERIFY(!f.window.find<QAction>(Control::recordLiveDataItem)->isChecked());
        lines = fileLines(path);
        QVERIFY(lines.size() >= frames + 2);
        QVERIFY(lines.last().isEmpty());
    }

    // A file deleted, or replaced by another, under the recording: the recording ends at the
    // next frame, the status bar says why, and the frames are no longer counted.
    void recordingWhoseFileGoes_data() {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("deleted") << false;
        QTest::newRow("replaced") << true;
    }
    void recordingWhoseFileGoes() {
        QFETCH(bool, replaced);
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000"}));
        QVERIFY(connectToUnit(f));
        const QString path = folder_.filePath("gone.csv");
        f.dialogs.paths << path;
        f.trigger(Control::recordLiveDataItem);
        QVERIFY(QTest::qWaitFor([&] { return recorder(f).frameCount() >= 2; }, kWaitMs));
        if (replaced) {
            QFile other(folder_.filePath("other.csv"));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.close();
            QCOMPARE(std::rename(QFile::encodeName(other.fileName()).constData(),
                                 QFile::encodeName(path).constData()),
                     0);
        } else {
            QVERIFY(QFile::remove(path));
        }
        QVERIFY(QTest::qWaitFor([&] { return !recorder(f).isRecording(); }, kWaitMs));
        const int frames = recorder(f).frameCount();
        QVERIFY(!f.window.find<QAction>(Control::recordLiveDataItem)->isChecked());
        QVERIFY(f.window.shown(Control::recordingStatus));
        const QString status = f.window.find<QLabel>(Control::recordingStatus)->text();
        QVERIFY2(
            status.startsWith("Recording stopped after ") &&
                status.endsWith(
                    QStringLiteral(", %1 frames: the file was deleted or replaced").arg(frames)),
            qPrintable(status));
        QVERIFY(f.window.boxes.shown.isEmpty());
        QTest::qWait(1000); // three more frames from the unit
        QCOMPARE(recorder(f).frameCount(), frames);
        QCOMPARE(f.window.find<QLabel>(Control::recordingStatus)->text(), status);
        QVERIFY(simulator.stop());
    }

    // The disk fills up while recording: the line that no longer fits is taken back, the box
    // and the status bar name the system's reason.
    void recordingOnAFullDisk() {
        FullFileSystem disk;
        if (!disk.problem().isEmpty())
            QFAIL(qPrintable(disk.problem()));
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000"}));
        QVERIFY(connectToUnit(f));
        const QString path = disk.filePath("full.csv");
        f.dialogs.paths << path;
        f.trigger(Control::recordLiveDataItem);
        QVERIFY(recorder(f).isRecording());
        QVERIFY(disk.fill()); // what is left of the file's first page takes some 35 frames
        QVERIFY(QTest::qWaitFor([&] { return !recorder(f).isRecording(); }, 3 * kWaitMs));
        const int frames = recorder(f).frameCount();
        QVERIFY(QTest::qWaitFor([&] { return !f.window.boxes.shown.isEmpty(); }, kWaitMs));
        QCOMPARE(f.window.boxes.shown, QStringList{"The live data cannot be written to " + path +
                                                   ": No space left on device"});
        QVERIFY(f.window.find<QLabel>(Control::recordingStatus)
                    ->text()
                    .endsWith(QStringLiteral(", %1 frames: No space left on device").arg(frames)));
        const QStringList lines = fileLines(path);
        QCOMPARE(lines.size(), frames + 2); // header, frames, and nothing after the last newline
        QVERIFY(lines.last().isEmpty());
        QVERIFY(simulator.stop());
    }

    // The live display is noted at every recorded frame; the replay, stepped to the same frame,
    // must show the same. The simulator logs its requests: none may come while replaying.
    void replayShowsWhatTheLiveRunShowed() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "4000", "--throttle", "60",
                                                 "--pickup-error", "--log-requests"}));
        f.window.showWith([](ParamImage& image) {
            image.revsWithoutIgnition() = 2;
            image.lobeCount() = 1;
        });
        QVERIFY(connectToUnit(f));
        const QString path = folder_.filePath("replay.csv");
        f.dialogs.paths << path;
        f.trigger(Control::recordLiveDataItem);
        QList<QStringList> seen;
        while (seen.size() < 6) {
            const int frames = recorder(f).frameCount();
            QVERIFY(QTest::qWaitFor([&] { return recorder(f).frameCount() > frames; }, kWaitMs));
            seen << liveTexts(f);
        }
        f.trigger(Control::recordLiveDataItem);
        const int firstSeen = recorder(f).frameCount() - int(seen.size());
        QVERIFY(seen.first().join('\n').contains("Pick up system error"));

        LiveReplayDriver& replay = f.window.link().replay();
        QVERIFY(playLog(replay, path));
        QVERIFY(f.window.boxes.shown.isEmpty());
        QVERIFY(f.window.find(Control::replayPanel));
        QVERIFY(f.window.find<QLabel>(Control::statusLine)->text().contains("Replaying"));
        QVERIFY(!f.enabled(Control::readItem));
        simulator.requests(); // what came before
        const qsizetype requestsBefore = simulator.requests().size();
        auto* position = f.window.find<QSlider>(Control::replayPosition);
        for (int i = 0; i < seen.size(); ++i) {
            position->setValue(firstSeen + i - 1); // the frame before, so the slider moves
            position->setValue(firstSeen + i);
            QCOMPARE(liveTexts(f), seen[i]);
        }
        // A change to program at once finds the link set aside, and New's hiding of the status
        // line leaves the replay's note.
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        f.programWithoutBackup();
        f.window.form().showPage(Page::advanceMap);
        f.type(Control::mapCellEdit(0, 0), "12");
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Idle);
        f.window.link().engine().hideStatus();
        QVERIFY(f.window.shown(Control::statusLine));
        QTest::qWait(1000); // the link would ask for live data three times a second
        QCOMPARE(simulator.requests().size(), requestsBefore);
        QCOMPARE(f.window.find<QLabel>(Control::statusLine)->text(), "Replaying replay.csv");

        f.trigger(Control::germanItem); // the replay's texts follow the language
        QCOMPARE(f.window.find<QLabel>(Control::statusLine)->text(), "Wiedergabe von replay.csv");
        QCOMPARE(f.window.find<QAbstractButton>(Control::replayStop)->text(), "Wiedergabe beenden");

        f.window.find<QAbstractButton>(Control::replayStop)->click();
        QVERIFY(!replay.isReplaying());
        QVERIFY(f.enabled(Control::readItem));
        QVERIFY(
            QTest::qWaitFor([&] { return simulator.requests().size() > requestsBefore; }, kWaitMs));
        QVERIFY(simulator.stop());
    }

    // What is wrong with a log is said before it plays; a log without a frame does not play.
    void logProblemsAreSaid_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("plays");
        const QString header = liveCsvHeader(LiveCsvColumns::Recording);
        const auto frame = [](qint64 time, int version = kProtocolVersion) {
            LiveRecord record;
            record.timeMs = time;
            record.data.protocolVersion = std::uint8_t(version);
            return liveCsvLine(record, LiveCsvColumns::Recording);
        };
        QTest::newRow("fine") << QStringList{header, frame(0), frame(300)} << QString() << true;
        QTest::newRow("malformed line") << QStringList{header, frame(0), "300,1,2", frame(600)}
                                        << "Line 3 is malformed and was skipped." << true;
        QTest::newRow("another protocol")
            << QStringList{header, frame(0, 74), frame(300, 74)}
            << "The log was recorded from a unit of protocol version 74; this program speaks "
               "version 75."
            << true;
        QTest::newRow("no frames") << QStringList{header, "x"}
                                   << "Line 2 is malformed and was skipped.\n"
                                      "The log holds no live-data frames."
                                   << false;
        QTest::newRow("not a log")
            << QStringList{"rpm,gear", "3000,2"} << "%1 is not a live-data log." << false;
    }
    void logProblemsAreSaid() {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        QFETCH(bool, plays);
        FlowsFixture f;
        const QString path = folder_.filePath("problems.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join('\n') + '\n').toUtf8());
        file.close();
        f.dialogs.paths << path;
        f.trigger(Control::openLiveDataLogItem);
        QVERIFY(QTest::qWaitFor([&] { return !f.window.link().replay().isLoading(); }, kWaitMs));
        QCOMPARE(f.window.boxes.shown,
                 message.isEmpty() ? QStringList{} : QStringList{message.arg(path)});
        QCOMPARE(f.window.link().replay().isReplaying(), plays);
    }

    // What is no log file is refused at once with why: the window never waits for the writer of
    // a named pipe, nor reads a device or a file larger than any log.
    void logFilesThatCannotBeRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "%1 cannot be read: No such file or directory";
        QTest::newRow("named pipe") << "named pipe"
                                    << "%1 cannot be read: Not a regular file";
        QTest::newRow("device") << "device"
                                << "%1 cannot be read: Not a regular file";
        QTest::newRow("too large") << "too large"
                                   << "%1 is larger than 256 MB, more than any live-data log.";
    }
    void logFilesThatCannotBeRead() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        FlowsFixture f;
        const QString path = makeNoLogFile(kind, folder_.path());
        QVERIFY(!path.isEmpty());
        LiveReplayDriver& replay = f.window.link().replay();
        f.dialogs.paths << path;
        QVERIFY(returnsByItself(path, [&] {
            f.trigger(Control::openLiveDataLogItem);
            QVERIFY(QTest::qWaitFor([&] { return !replay.isLoading(); }, kWaitMs));
        }));
        QCOMPARE(f.window.boxes.shown, QStringList{message.arg(path)});
        QVERIFY(!replay.isReplaying());
    }

    // A log is read off the window's thread, and until it is read it can still be dropped:
    // by the progress's Cancel, by closing the window or by choosing another log.
    void readingALogIsDropped_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancelled") << "cancelled";
        QTest::newRow("window closed") << "window closed";
        QTest::newRow("another log chosen") << "another log chosen";
    }
    void readingALogIsDropped() {
        QFETCH(QString, how);
        const QString header = liveCsvHeader(LiveCsvColumns::Recording);
        const auto writeLog = [&](const QString& name, int frames) {
            QStringList lines{header};
            LiveRecord record;
            record.data.protocolVersion = kProtocolVersion;
            for (int i = 0; i < frames; ++i) {
                record.timeMs = 330 * i;
                lines << liveCsvLine(record, LiveCsvColumns::Recording);
            }
            QFile file(folder_.filePath(name));
            return file.open(QIODevice::WriteOnly) &&
                   file.write((lines.join('\n') + '\n').toUtf8()) > 0;
        };
        QVERIFY(writeLog("long.csv", 100000)); // some 10 MB
        QVERIFY(writeLog("short.csv", 3));
        FlowsFixture f;
        LiveReplayDriver& replay = f.window.link().replay();
        f.dialogs.paths << folder_.filePath("long.csv");
        f.trigger(Control::openLiveDataLogItem);
        QVERIFY(replay.isLoading());
        if (how == "cancelled") {
            auto* progress = f.window.find<QProgressDialog>("LiveLogProgress");
            QVERIFY(progress);
            auto* cancel = progress->findChild<QPushButton*>();
            QCOMPARE(cancel->text(), "Cancel");
            cancel->click();
        } else if (how == "window closed") {
            f.window->close();
        } else {
            f.dialogs.paths << folder_.filePath("short.csv");
            f.trigger(Control::openLiveDataLogItem);
        }
        QVERIFY(QTest::qWaitFor([&] { return !replay.isLoading(); }, kWaitMs));
        QTest::qWait(200); // longer than the reading's progress is looked at
        QVERIFY(f.window.boxes.shown.isEmpty());
        QCOMPARE(replay.isReplaying(), how == "another log chosen");
        if (replay.isReplaying())
            QCOMPARE(replay.replay()->records().size(), std::size_t(3));
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(TestLiveRecordSim)
#include "tst_live_record_sim.moc"
