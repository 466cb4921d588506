// What the live display costs in the running window: the CPU time of one link tick without a
// frame and of one tick that decodes a live frame and applies it to the live column and the
// operating-point marks, and the whole program's share of one core while it is connected to
// varko-sim for 30 s: with no chart open, with the live plot open, and with the live plot and the
// advance-curve chart open. Run without a display (offscreen) or under xvfb-run.

#include "Controls.h"
#include "ProgramWindowParts.h"
#include "SimulatedUnit.h"
#include "app/ProgramWindow.h"
#include "app/WindowLink.h"
#include "document/Document.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace varko;

constexpr int kTicks = 20000;
constexpr int kConnectedSeconds = 30;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// No box may stop the benchmark; a box would mean the set-up went wrong, so it is reported.
class ReportedBoxes final : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override {
        QTextStream(stderr) << "bench_live: message box: " << text << '\n';
    }
    void warn(QWidget* parent, const QString& text) override { inform(parent, text); }
    Answer ask(QWidget* parent, const QString& text) override {
        inform(parent, text);
        return Answer::Cancel;
    }
};

// A pseudo-terminal whose slave the window opens; the benchmark plays the unit on the master.
struct Pty {
    int master = -1;
    int slave = -1;
    QString slavePath;
    Pty() {
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&master, &slave, name, &raw, nullptr) == 0) {
            fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
            slavePath = QString::fromLocal8Bit(name);
        }
    }
    ~Pty() {
        ::close(slave);
        ::close(master);
    }
    void drain() const {
        std::uint8_t sink[4096];
        while (::read(master, sink, sizeof sink) > 0) {
        }
    }
};

struct TickCost {
    double idleMicros = 0;
    double frameMicros = 0;
    int speedChanges = 0; // ticks whose frame changed the live speed: proof they were decoded
};

// Ticks called directly, one at a time, on the window's own engine; the CPU time of the tick
// call alone is summed (writing the frame into the line is the unit's work, not the program's).
TickCost measureTicks(const ProgramWindowParts& parts) {
    Pty line;
    LinkEngine& engine = parts.link().engine();
    engine.setPortResolver([&line](int) { return line.slavePath; });
    engine.selectPort(0);

    sim::SimulatedUnit unit({}, sim::LiveOptions{});
    unit.store() = parts.document().image();
    const LinkFrame request = buildIdleFrame();
    std::vector<LinkFrame> frames;
    for (int i = 0; i < 2 * sim::EngineModel::kCycleSteps; ++i)
        frames.push_back(unit.answer(request).value_or(LinkFrame{}));

    TickCost cost;
    double spent = 0;
    for (int t = 0; t < kTicks; ++t) {
        line.drain();
        const double start = cpuSeconds();
        engine.tick();
        spent += cpuSeconds() - start;
    }
    cost.idleMicros = spent / kTicks * 1e6;

    spent = 0;
    for (int t = 0; t < kTicks; ++t) {
        const LinkFrame& frame = frames[t % frames.size()];
        if (::write(line.master, frame.bytes.data(), frame.bytes.size()) != kFrameSize)
            return cost;
        line.drain();
        const int speedBefore = parts.link().live().liveRpm;
        const double start = cpuSeconds();
        engine.tick();
        spent += cpuSeconds() - start;
        cost.speedChanges += parts.link().live().liveRpm != speedBefore ? 1 : 0;
    }
    cost.frameMicros = spent / kTicks * 1e6;
    engine.closePort();
    return cost;
}

struct Share {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    int rpmChanges = 0;
    bool connected = false;
};

// The window shown with the View menu's items chosen, connected to varko-sim on COM1, the link
// ticking every 55 ms.
Share measureConnected(QMainWindow& window, const QStringList& viewItems) {
    for (const QString& item : viewItems)
        window.findChild<QAction*>(item)->trigger();
    QProcess simulator;
    simulator.start(QStringLiteral(VARKO_BINARY_DIR "/tools/varko-sim/varko-sim"),
                    {"--com", "1", "--seed", "1"});
    Share share;
    if (!simulator.waitForReadyRead(5000))
        return share;
    LinkEngine& engine = ProgramWindowParts(window).link().engine();
    engine.setPortResolver(portDevicePath);
    engine.selectPort(0);

    auto* rpm = window.findChild<QLabel*>(Control::liveRpm);
    QString lastRpm = rpm->text();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (rpm->text() != lastRpm) {
            lastRpm = rpm->text();
            ++share.rpmChanges;
        }
    });
    watch.start(200);

    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit); // connect, first frames, first paints
    loop.exec();
    share.rpmChanges = 0;
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(kConnectedSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    share.cpuSeconds = cpuSeconds() - cpuStart;
    share.wallSeconds = wall.elapsed() / 1000.0;
    share.connected = window.findChild<QLabel*>(Control::connectionLabel)->isHidden();
    simulator.terminate();
    simulator.waitForFinished(5000);
    return share;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ReportedBoxes boxes;
    MessageBoxes::install(&boxes);

    QTextStream out(stdout);
    {
        const auto window = startProgramWindow();
        window->show();
        const TickCost cost = measureTicks(ProgramWindowParts(*window));
        out << "CPU time per tick, no frame:                   "
            << QString::number(cost.idleMicros, 'f', 2) << " us\n";
        out << "CPU time per tick, live frame decoded+applied: "
            << QString::number(cost.frameMicros, 'f', 2) << " us (" << cost.speedChanges << " of "
            << kTicks << " ticks changed the speed)\n";
    }
    struct Run {
        const char* what;
        QStringList viewItems;
        const char* target;
    };
    const Run runs[] = {
        {"no chart open", {}, "< 1 %"},
        {"live plot open", {Control::livePlotItem}, "< 2 %"},
        {"live plot and advance curves open",
         {Control::livePlotItem, Control::advanceCurvesItem},
         "< 2 %"},
    };
    for (const Run& run : runs) {
        const auto window = startProgramWindow();
        window->show();
        const Share share = measureConnected(*window, run.viewItems);
        out << "Connected to varko-sim for " << QString::number(share.wallSeconds, 'f', 1) << " s, "
            << run.what << ": " << QString::number(share.cpuSeconds * 1000, 'f', 0) << " ms CPU = "
            << QString::number(100 * share.cpuSeconds / std::max(0.001, share.wallSeconds), 'f', 2)
            << " % of one core (target " << run.target << "); LabelRpm changed " << share.rpmChanges
            << " times, " << (share.connected ? "connected" : "NOT connected") << " at the end\n";
        out.flush();
    }
    MessageBoxes::install(nullptr);
    return 0;
}
