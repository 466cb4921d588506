// Live data as CSV: the monitor's exact line, and the recording read back into the records that
// the live column decodes, with malformed lines named by number.

#include "link/LiveDataCsv.h"

#include <QBuffer>
#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::LiveRecord)

namespace {

const QString kMonitorHeader = "rpm,tps_percent,tps_mv,supply_mv,advance1,advance2,advance3,"
                               "advance4,pickup1,pickup2,kill_switch,clutch_master,shift_light,"
                               "motor_off,servo_desired_mv,servo_measured_mv,program_count,"
                               "saving_count,data_error,protocol_version,pickup_error";

LiveLog readText(const QByteArray& text) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return readLiveLog(buffer);
}

// A running engine with something in every field the live column shows.
LiveRecord busyRecord() {
    LiveRecord r;
    r.timeMs = 1234;
    MonitorData& d = r.data;
    d.rpm = 6500;
    d.tpsPercent = 55;
    d.tpsRaw = 530;
    d.supplyMillivolts = 13800;
    d.channelAdvance = {130, 129, 60, 255};
    d.channelMaxAdvance = {28, 0, 35, 65535};
    d.pickupRunning = {1, 1};
    d.killSwitch = 1;
    d.clutchMaster = 1;
    d.shiftLight = 1;
    d.servoDesiredRaw = 1023;
    d.servoMeasuredRaw = 1;
    d.servoOk = 1;
    d.rpmYellow = 1;
    d.input2Grounded = 1;
    d.testValue = {1, 2, 3, 4, 5, 6, 7, 65535};
    d.programCount = 12;
    d.savingCount = 414;
    d.protocolVersion = kProtocolVersion;
    r.pickupError = true;
    return r;
}

} // namespace

class TestLiveDataCsv : public QObject {
    Q_OBJECT
private slots:
    void monitorLine() {
        LiveRecord r;
        MonitorData& d = r.data;
        d.rpm = 3000;
        d.tpsPercent = 45;
        d.tpsRaw = 430;
        d.supplyMillivolts = 13500;
        d.channelAdvance = {110, 100, 95, 130};
        d.pickupRunning = {7, 0};
        d.killSwitch = 2;
        d.shiftLight = 1;
        d.servoDesiredRaw = 800;
        d.servoMeasuredRaw = 528;
        d.programCount = 12;
        d.savingCount = 414;
        d.dataError = 9;
        d.protocolVersion = 74;
        d.testValue[0] = 99; // shown by the window only
        r.pickupError = true;
        r.timeMs = 250;
        QCOMPARE(liveCsvHeader(LiveCsvColumns::Monitor), kMonitorHeader);
        QCOMPARE(liveCsvHeader(LiveCsvColumns::TimedMonitor), "time_ms," + kMonitorHeader);
        const QString values = "3000,45,2101,13500,10,0,-5,30,1,0,1,0,1,0,3910,2580,12,414,1,74,1";
        QCOMPARE(liveCsvLine(r, LiveCsvColumns::Monitor), values);
        QCOMPARE(liveCsvLine(r, LiveCsvColumns::TimedMonitor), "250," + values);
        QVERIFY(liveCsvLine(r, LiveCsvColumns::Recording).startsWith("250," + values + ","));
    }

    // What the live column shows of a record read back equals what it showed of the original,
    // out-of-range sensor readings included.
    void recordingReadsBack_data() {
        QTest::addColumn<LiveRecord>("record");
        QTest::newRow("busy engine") << busyRecord();
        LiveRecord garbage = busyRecord();
        garbage.data.tpsRaw = 65535;
        garbage.data.tpsPercent = 255;
        garbage.data.servoOk = 0;
        garbage.data.rpmRed = 1;
        garbage.data.channelAdvance = {0, 0, 0, 0};
        garbage.pickupError = false;
        QTest::newRow("garbage readings") << garbage;
        QTest::newRow("all zero") << LiveRecord{};
    }
    void recordingReadsBack() {
        QFETCH(LiveRecord, record);
        const QString line = liveCsvLine(record, LiveCsvColumns::Recording);
        const LiveLog log =
            readText((liveCsvHeader(LiveCsvColumns::Recording) + '\n' + line + '\n').toUtf8());
        QVERIFY(log.isLiveLog);
        QVERIFY(log.malformedLines.empty());
        QCOMPARE(log.records.size(), 1u);
        const LiveRecord& back = log.records[0];
        QCOMPARE(liveCsvLine(back, LiveCsvColumns::Recording), line);
        QCOMPARE(back.timeMs, record.timeMs);
        ParamImage image;
        image.bike() = kBikeSpecial; // all four advance labels in use
        image.throttleMap() = 1;
        QVERIFY(decodeLiveRecord(back, image, Language::English).display ==
                decodeLiveRecord(record, image, Language::English).display);
    }

    // Line 3 of a three-frame log: a good line with one field replaced, or a line of its own.
    void malformedLinesAreSkipped_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::newRow("too few fields") << QString() << "2000,1,2";
        QTest::newRow("not a number") << "rpm"
                                      << "abc";
        QTest::newRow("empty field") << "supply_mv"
                                     << "";
        QTest::newRow("flag of 2") << "pickup_error"
                                   << "2";
        QTest::newRow("millivolts no reading gives") << "tps_mv"
                                                     << "1";
        QTest::newRow("advance below the frame's range") << "advance1"
                                                         << "-101";
        QTest::newRow("speed beyond 16 bits") << "rpm"
                                              << "65536";
        QTest::newRow("negative speed") << "rpm"
                                        << "-1";
        QTest::newRow("time going back") << "time_ms"
                                         << "999";
        // A number may have blanks around it, but not without end.
        QTest::newRow("longer than any log line") << "rpm" << QString(kMaxLiveLogLine, ' ') + "1";
    }
    void malformedLinesAreSkipped() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        const QString header = liveCsvHeader(LiveCsvColumns::TimedMonitor);
        const auto line = [&](qint64 time, const QString& replaced = {}) {
            LiveRecord r = busyRecord();
            r.timeMs = time;
            QStringList fields = liveCsvLine(r, LiveCsvColumns::TimedMonitor).split(',');
            if (!replaced.isEmpty())
                fields[header.split(',').indexOf(replaced)] = value;
            return fields.join(',');
        };
        const QString bad = column.isEmpty() ? value : line(2000, column);
        const QString text = QStringList{header, line(1000), bad, line(3000)}.join('\n') + '\n';
        const LiveLog log = readText(text.toUtf8());
        QVERIFY(log.isLiveLog);
        QCOMPARE(log.malformedLines, std::vector<int>{3});
        QCOMPARE(log.records.size(), 2u);
        QCOMPARE(log.records[1].timeMs, 3000);
    }

    // The header decides whether a file is a log at all; the recording's extra columns may be
    // missing (the monitor's output) and foreign ones are passed over.
    void headers_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("isLiveLog");
        const QString recording = liveCsvHeader(LiveCsvColumns::Recording);
        QTest::newRow("recording") << recording << true;
        QTest::newRow("monitor with timestamps")
            << liveCsvHeader(LiveCsvColumns::TimedMonitor) << true;
        QTest::newRow("monitor without time") << kMonitorHeader << false;
        QTest::newRow("no pick-up error")
            << "time_ms," + kMonitorHeader.section(',', 0, -2) << false;
        QTest::newRow("a column twice") << recording + ",rpm" << false;
        QTest::newRow("foreign column") << recording + ",gear" << true;
        QTest::newRow("empty file") << QString() << false;
    }
    void headers() {
        QFETCH(QString, header);
        QFETCH(bool, isLiveLog);
        const LiveLog log = readText(header.toUtf8());
        QCOMPARE(log.isLiveLog, isLiveLog);
    }

    // A log is read in pieces of a megabyte: lines (with CR LF ends) reach across pieces, and a
    // line of megabytes without an end in sight is passed over as one malformed line.
    void aLogOfManyPieces() {
        LiveRecord r = busyRecord();
        QByteArray text = (liveCsvHeader(LiveCsvColumns::Recording) + "\r\n").toUtf8();
        const int frames = 40000;
        const int endlessLine = 2 + frames / 2;
        for (int line = 2; line < frames + 3; ++line) {
            if (line == endlessLine) {
                text += QByteArray(3 * 1024 * 1024, '7') + "\r\n";
                continue;
            }
            r.timeMs = line;
            text += (liveCsvLine(r, LiveCsvColumns::Recording) + "\r\n").toUtf8();
        }
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        LiveLogProgress progress;
        const LiveLog log = readLiveLog(buffer, &progress);
        QVERIFY(log.isLiveLog);
        QCOMPARE(log.malformedLines, std::vector<int>{endlessLine});
        QCOMPARE(int(log.records.size()), frames);
        QCOMPARE(log.records.back().timeMs, frames + 2);
        QCOMPARE(liveCsvLine(log.records.back(), LiveCsvColumns::Recording),
                 liveCsvLine(r, LiveCsvColumns::Recording));
        QCOMPARE(progress.bytesRead.load(), text.size());
    }

    // The window drops a reading it no longer wants: the reader stops at the next line.
    void cancelledReading() {
        const QString line = liveCsvLine(busyRecord(), LiveCsvColumns::Recording);
        const QByteArray text =
            QStringList{liveCsvHeader(LiveCsvColumns::Recording), line, line}.join('\n').toUtf8();
        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        LiveLogProgress progress;
        progress.cancelled = true;
        const LiveLog log = readLiveLog(buffer, &progress);
        QVERIFY(log.records.empty());
        QVERIFY(log.malformedLines.empty());
    }

    void otherProtocolVersion() {
        LiveRecord r = busyRecord();
        const auto line = [&](int version) {
            r.data.protocolVersion = std::uint8_t(version);
            return liveCsvLine(r, LiveCsvColumns::Recording);
        };
        const QString header = liveCsvHeader(LiveCsvColumns::Recording);
        LiveLog log = readText((QStringList{header, line(75), line(75)}.join('\n')).toUtf8());
        QVERIFY(!log.otherProtocolVersion);
        log = readText((QStringList{header, line(75), line(48), line(75)}.join('\n')).toUtf8());
        QCOMPARE(log.otherProtocolVersion, 48);
        QCOMPARE(log.records.size(), 3u);
    }
};

QTEST_GUILESS_MAIN(TestLiveDataCsv)
#include "tst_live_data_csv.moc"
