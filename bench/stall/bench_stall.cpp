// bench_stall: the longest time the window's event loop stays blocked in each situation that
// could block it, against the goal of 100 ms. The window runs offscreen on a simulated unit.

#include "../window/EventLoopProbe.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "FullFileSystem.h"
#include "SimulatorProcess.h"
#include "app/WindowLink.h"
#include "link/LinkEngine.h"
#include "ui/Printers.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <functional>

using namespace varko;

namespace {

constexpr qint64 kGoalMs = 100;
constexpr int kWaitMs = 20000;

// Takes every job at once, so the figure is the window's own drawing of the page.
class AcceptingPrinters final : public Printers {
public:
    AcceptingPrinters() { install(this); }
    ~AcceptingPrinters() override { install(nullptr); }
    QString defaultPrinter() override { return QStringLiteral("Bench printer"); }
    QString printPage(const QPicture&, const QString&) override { return {}; }
};

class StallBench {
public:
    StallBench() { f.programWithoutBackup(); }

    int run() {
        f.window->show();
        measureTransfers();
        measureVanishing();
        measureScan();
        measureLargeFile();
        measureSaves();
        measurePrinting();
        return report();
    }

private:
    bool connected() const { return f.window.find(Control::connectionLabel)->isHidden(); }
    bool idle() { return f.window.link().engine().state().step == TransferStep::Idle; }
    QString status() const { return f.window.find<QLabel>(Control::statusLine)->text(); }

    // The longest lateness while `during` runs and until `done` holds (or the wait ends).
    void measure(const QString& situation, const std::function<void()>& during,
                 const std::function<bool()>& done, const QString& note = {}) {
        probe.takeLongestLateMs();
        during();
        const bool ended = QTest::qWaitFor(done, kWaitMs);
        QTest::qWait(50);
        rows.push_back({situation, probe.takeLongestLateMs(), ended ? note : "did not end"});
    }

    // False, with a row that says so, when the window does not reach the unit.
    bool startSimulator(const QString& situation, const QStringList& faults = {}) {
        simulator = std::make_unique<SimulatorProcess>();
        const bool linked = simulator->start(kSimulatorPort, QStringList{"--seed", "7"} + faults);
        f.trigger(Control::portItem(kSimulatorPort));
        if (linked && QTest::qWaitFor([this] { return connected(); }, kWaitMs))
            return true;
        rows.push_back({situation, -1, QStringLiteral("no connection with the simulator")});
        return false;
    }

    void measureTransfers() {
        if (!startSimulator(QStringLiteral("transfers")))
            return;
        for (const char* item : {Control::readItem, Control::programItem, Control::verifyItem})
            measure(
                QStringLiteral("transfer %1").arg(QString::fromLatin1(item + 4).toLower()),
                [&] { f.trigger(item); },
                [this] { return idle() && status().endsWith(QStringLiteral(": OK")); });
    }

    // The unit's line goes after a few frames and comes back a second later on a new pty.
    void measureVanishing() {
        const QString situation = QStringLiteral("unit vanishes, port re-opened");
        if (!startSimulator(situation, {"--vanish-after", "6", "--return-after", "1000"}))
            return;
        measure(
            situation, [] {},
            [this, seenGone = false]() mutable {
                seenGone = seenGone || !connected();
                return seenGone && connected();
            });
        simulator.reset();
    }

    // No unit anywhere: the automatic choice opens COM1..COM21 in turn; done once the port
    // label has named every one.
    void measureScan() {
        measure(
            QStringLiteral("scan of all 21 ports"),
            [this] { f.trigger(Control::portItem(kPortAuto + 1)); },
            [this, seen = QSet<QString>()]() mutable {
                seen.insert(f.window.find<QLabel>(Control::portLabel)->text());
                return seen.size() >= kPortCount;
            },
            QStringLiteral("(open attempts included)"));
    }

    void measureLargeFile() {
        QFile seed(QStringLiteral(VARKO_TEST_DATA_DIR "/param_layout.ign"));
        seed.open(QIODevice::ReadOnly);
        QByteArray text = seed.readAll();
        const QByteArray filler = "; padding line of a file that has grown large\r\n";
        while (text.size() < 15 * 1024 * 1024)
            text += filler;
        const QString path = files.filePath(QStringLiteral("large.ign"));
        QFile large(path);
        large.open(QIODevice::WriteOnly);
        large.write(text);
        large.close();
        f.dialogs.paths = {path};
        measure(
            QStringLiteral("open a 15 MB file"), [this] { f.trigger(Control::openItem); },
            [] { return true; });
    }

    // A slow disk cannot be made here; the local disk's figure is what a save costs besides
    // the disk's own wait (the save writes some 4 KB and waits for the data to be on disk).
    void measureSaves() {
        f.dialogs.paths = {files.filePath(QStringLiteral("set.ign"))};
        measure(
            QStringLiteral("save to the local disk"), [this] { f.trigger(Control::saveItem); },
            [] { return true; });
        FullFileSystem full;
        if (!full.problem().isEmpty() || !full.fill()) {
            rows.push_back({QStringLiteral("save to a full disk"), -1, full.problem()});
            return;
        }
        f.dialogs.paths = {full.filePath(QStringLiteral("set.ign"))};
        measure(
            QStringLiteral("save to a full disk"), [this] { f.trigger(Control::saveItem); },
            [] { return true; });
    }

    void measurePrinting() {
        AcceptingPrinters printers;
        for (const char* item : {Control::printItem, Control::printAllItem})
            measure(
                QStringLiteral("print (%1)").arg(QString::fromLatin1(item)),
                [&] { f.trigger(item); }, [] { return true; });
    }

    int report() {
        QTextStream out(stdout);
        out << QStringLiteral("%1 %2  %3\n").arg("situation", -34).arg("longest ms", 10).arg("");
        bool allMet = true;
        for (const Row& row : rows) {
            const bool met = row.longestMs >= 0 && row.longestMs < kGoalMs;
            allMet = allMet && met;
            out << QStringLiteral("%1 %2  %3 %4\n")
                       .arg(row.situation, -34)
                       .arg(row.longestMs, 10)
                       .arg(met ? "ok" : "OVER")
                       .arg(row.note);
        }
        return allMet ? 0 : 1;
    }

    struct Row {
        QString situation;
        qint64 longestMs;
        QString note;
    };

    FlowsFixture f;
    EventLoopProbe probe;
    std::unique_ptr<SimulatorProcess> simulator;
    QTemporaryDir files;
    std::vector<Row> rows;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return StallBench().run();
}
