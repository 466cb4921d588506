// bench_live_log: opening a live-data log of about 100 MB (950,000 frames, some 88 hours of
// riding) from File > Open live-data log... in the running window, offscreen: the longest time
// the window's event loop stays blocked meanwhile, against the goal of 100 ms, and the time until
// the replay plays. `bench_live_log FRAMES` takes another length.

#include "../window/EventLoopProbe.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "app/LiveReplayDriver.h"
#include "app/WindowLink.h"
#include "link/LiveDataCsv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace varko;

namespace {

constexpr qint64 kGoalMs = 100;
constexpr int kFrames = 950'000;
constexpr int kWaitMs = 300'000;

// A ride's worth of frames at the unit's pace of about three a second, the engine moving.
bool writeLog(const QString& path, int frames) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = (liveCsvHeader(LiveCsvColumns::Recording) + '\n').toUtf8();
    LiveRecord record;
    record.data.protocolVersion = kProtocolVersion;
    record.data.supplyMillivolts = 13800;
    record.data.pickupRunning = {1, 1};
    for (int i = 0; i < frames; ++i) {
        record.timeMs = qint64(i) * 330;
        record.data.rpm = std::uint16_t(1200 + (i * 37) % 11000);
        record.data.tpsPercent = std::uint8_t(i % 101);
        record.data.tpsRaw = std::uint16_t(100 + (i * 7) % 900);
        record.data.channelAdvance = {std::uint8_t(110 + i % 30), std::uint8_t(110 + i % 30), 0,
                                      0};
        record.data.programCount = 12;
        text += (liveCsvLine(record, LiveCsvColumns::Recording) + '\n').toUtf8();
        if (text.size() > (1 << 20) || i + 1 == frames) {
            if (file.write(text) != text.size())
                return false;
            text.clear();
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int frames = argc > 1 ? QByteArray(argv[1]).toInt() : kFrames;
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ride.csv"));
    if (frames < 1 || !writeLog(path, frames)) {
        out << "bench_live_log: cannot write the log of " << frames << " frames\n";
        return 2;
    }

    FlowsFixture f;
    f.window->show();
    EventLoopProbe probe;
    QTest::qWait(200);
    const LiveReplayDriver& replay = f.window.link().replay();
    f.dialogs.paths = {path};
    probe.takeLongestLateMs();
    QElapsedTimer clock;
    clock.start();
    f.trigger(Control::openLiveDataLogItem);
    const bool plays = QTest::qWaitFor([&] { return replay.isReplaying(); }, kWaitMs);
    const qint64 totalMs = clock.elapsed();
    const qint64 longestMs = probe.takeLongestLateMs();

    const bool met = plays && longestMs < kGoalMs;
    out << QStringLiteral("log: %1 frames, %2 MB\n")
               .arg(frames)
               .arg(double(QFile(path).size()) / (1024 * 1024), 0, 'f', 1);
    out << QStringLiteral("longest block: %1 ms (goal below %2 ms) %3\n")
               .arg(longestMs)
               .arg(kGoalMs)
               .arg(met ? "ok" : "OVER");
    out << QStringLiteral("until the replay plays: %1 ms%2\n")
               .arg(totalMs)
               .arg(plays ? QString() : QStringLiteral(" (it did not start)"));
    for (const QString& box : f.window.boxes.shown)
        out << "message box: " << box << '\n';
    return met ? 0 : 1;
}
