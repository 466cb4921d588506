// How long the link's transfers take against varko-sim on a pseudo-terminal at the real 55 ms
// tick, counted in ticks and milliseconds, and what an idle tick costs in CPU time; then the
// programs as a user runs them: varko-cli read, program and verify from process start, and the
// idle request period of the window and the command line at the unit's end.
// Usage: bench_link [PROGRAM_DIR]  (where varko and varko-cli are; default: this build's)

#include "ProgramTimings.h"
#include "link/LinkEngine.h"
#include "link/PosixSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <thread>
#include <vector>

namespace {

using namespace varko;

constexpr int kRepeats = 5;

// The serial port, telling the benchmark when a transfer request (not a live request) goes out.
class ObservedPort final : public SerialPort {
public:
    int transferSends = 0;
    int bytesRead = 0;

    PortError open(const QString& path) override { return port_.open(path); }
    bool isOpen() const override { return port_.isOpen(); }
    int bytesWaiting() override { return port_.bytesWaiting(); }
    int read(std::span<std::uint8_t> buffer) override {
        const int n = port_.read(buffer);
        bytesRead += std::max(0, n);
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (bytes[0] != Command::monitorRequest)
            ++transferSends;
        return port_.write(bytes);
    }
    void close() override { port_.close(); }

private:
    PosixSerialPort port_;
};

class BenchOwner final : public LinkOwner {
public:
    bool ended = false;
    TransferResult result = TransferResult::Ok;
    std::optional<ParamImage> unitSet; // what the last read brought
    void showMessage(const LinkMessage&) override {}
    void linkStatusChanged(const LinkStatus&) override {}
    void transferEnded(TransferMode, TransferResult r,
                       const std::optional<ParamImage>& brought) override {
        ended = true;
        result = r;
        if (brought)
            unitSet = brought;
    }
};

double threadCpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

struct Bench {
    ParamImage image; // what a program or verify sends: the unit's set once a read brought it
    WindowSettings settings;
    BenchOwner owner;
    ObservedPort* port;
    LinkEngine engine;

    explicit Bench(std::unique_ptr<ObservedPort> observed)
        : port(observed.get()), engine(settings, owner, std::move(observed)) {}

    // One tick at the real pace: the next tick is due kTickMs after the previous one was.
    void tickOnTime(std::chrono::steady_clock::time_point& due) {
        due += std::chrono::milliseconds(kTickMs);
        std::this_thread::sleep_until(due);
        engine.tick();
    }
};

struct Sample {
    int ticksFromCommand;
    int ticksFromFirstSend;
    double milliseconds;
};

using Start = void (*)(LinkEngine& engine, const ParamImage& image);

Sample runTransfer(Bench& bench, Start start) {
    auto due = std::chrono::steady_clock::now();
    const int sendsBefore = bench.port->transferSends;
    bench.owner.ended = false;
    QElapsedTimer wall;
    wall.start();
    start(bench.engine, bench.image);
    int ticks = 0;
    int firstSendTick = -1;
    while (!bench.owner.ended && ticks < 400) {
        bench.tickOnTime(due);
        ++ticks;
        if (firstSendTick < 0 && bench.port->transferSends > sendsBefore)
            firstSendTick = ticks;
    }
    if (bench.owner.unitSet)
        bench.image = *bench.owner.unitSet;
    return {ticks, ticks - firstSendTick, wall.nsecsElapsed() / 1e6};
}

void reportMessage(QTextStream& out, const char* name, std::vector<Sample> samples) {
    auto column = [&](auto field) {
        std::vector<double> values;
        for (const Sample& s : samples)
            values.push_back(field(s));
        std::sort(values.begin(), values.end());
        return QStringLiteral("%1 / %2 / %3")
            .arg(values.front(), 0, 'f', 0)
            .arg(values[values.size() / 2], 0, 'f', 0)
            .arg(values.back(), 0, 'f', 0);
    };
    out << QStringLiteral("%1  ticks from command %2   ticks after first send %3   ms %4\n")
               .arg(name, -15)
               .arg(column([](const Sample& s) { return double(s.ticksFromCommand); }), -12)
               .arg(column([](const Sample& s) { return double(s.ticksFromFirstSend); }), -12)
               .arg(column([](const Sample& s) { return s.milliseconds; }));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    QProcess simulator;
    simulator.start(QStringLiteral(VARKO_BINARY_DIR "/tools/varko-sim/varko-sim"), {"--com", "1"});
    if (!simulator.waitForReadyRead(5000)) {
        QTextStream(stderr) << "bench_link: varko-sim did not start\n";
        return 1;
    }

    Bench bench(std::make_unique<ObservedPort>());
    bench.engine.openPort();
    auto due = std::chrono::steady_clock::now();
    for (int t = 0; t < 40 && bench.engine.state().silentTicks >= LinkLimits::silentLimit; ++t)
        bench.tickOnTime(due);
    if (bench.engine.state().silentTicks >= LinkLimits::silentLimit) {
        QTextStream(stderr) << "bench_link: no answer from varko-sim\n";
        return 1;
    }

    out << "Transfers against varko-sim on a pty, 55 ms tick, " << kRepeats
        << " runs each (min / median / max):\n";
    const std::pair<const char*, Start> transfers[] = {
        {"read+verify", [](LinkEngine& engine, const ParamImage&) { engine.startRead(); }},
        {"program+verify",
         [](LinkEngine& engine, const ParamImage& image) { engine.startProgram(image); }},
        {"verify", [](LinkEngine& engine, const ParamImage& image) { engine.startVerify(image); }},
    };
    for (const auto& [name, start] : transfers) {
        std::vector<Sample> samples;
        for (int i = 0; i < kRepeats; ++i) {
            // Let the idle cycle run a varying number of ticks between runs.
            for (int idle = 0; idle < 3 + i; ++idle)
                bench.tickOnTime(due);
            samples.push_back(runTransfer(bench, start));
            if (bench.owner.result != TransferResult::Ok)
                out << "  (" << name << " run " << i << " did not end OK)\n";
        }
        reportMessage(out, name, samples);
    }
    out << "Protocol floor for read+verify: 5 ticks after the first send; the tick design "
           "allows at most 9 ticks from the command.\n";

    // An idle tick: nothing received, nothing to send (the live request goes out every 6th).
    std::vector<double> quiet;
    std::vector<double> all;
    for (int t = 0; t < 300; ++t) {
        const int readBefore = bench.port->bytesRead;
        const bool sends = bench.engine.state().ticksSinceSend + 1 >= LinkLimits::idleRequestTicks;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const double start = threadCpuMicroseconds();
        bench.engine.tick();
        const double cpu = threadCpuMicroseconds() - start;
        all.push_back(cpu);
        if (!sends && bench.port->bytesRead == readBefore)
            quiet.push_back(cpu);
    }
    std::sort(quiet.begin(), quiet.end());
    std::sort(all.begin(), all.end());
    double sum = 0;
    for (double v : all)
        sum += v;
    out << QStringLiteral("Idle tick CPU time: median %1 us with nothing received or sent, "
                          "mean %2 us over all idle ticks (incl. live requests and answers)\n")
               .arg(quiet[quiet.size() / 2], 0, 'f', 1)
               .arg(sum / all.size(), 0, 'f', 1);

    bench.engine.closePort();
    simulator.terminate();
    simulator.waitForFinished(5000);

    const QString programDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VARKO_BINARY_DIR "/src");
    reportCommandLineTransfers(out, programDir);
    reportIdleRequestPeriods(out, programDir);
    return 0;
}
