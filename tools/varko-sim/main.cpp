// varko-sim: the ignition unit on a pseudo-terminal, linked as a COM port of the PC program.

#include "PtyLink.h"
#include "SimulatedUnit.h"
#include "link/PortNames.h"
#include "storage/ConfigPaths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <limits>
#include <optional>
#include <poll.h>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

using namespace varko;
using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
    stopRequested = 1;
}

// Bytes of a frame that stop arriving for this long are dropped, so the next request starts a
// fresh frame (the PC sends each frame in one piece, in about 18 ms).
constexpr auto kResyncGap = std::chrono::milliseconds(30);

struct Options {
    QString linkPath;
    sim::UnitFaults faults;
    sim::LiveOptions live;
    int vanishAfter = 0;    // frames answered or ignored before the line goes; 0: never
    int returnAfterMs = -1; // come back on a new line after vanishing; -1: stay away and exit
};

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd p{fd, POLLOUT, 0};
            if (poll(&p, 1, 100) <= 0)
                return false;
        }
    }
    return true;
}

// Waits for requests and answers them until a stop signal or the vanish point. True when it
// stopped because of the vanish point.
bool serve(int fd, sim::SimulatedUnit& unit, int& framesLeft, const sigset_t& waitMask) {
    std::vector<std::uint8_t> pending;
    auto lastByte = Clock::now();
    while (!stopRequested) {
        pollfd p{fd, POLLIN, 0};
        const timespec timeout{0, 10'000'000};
        if (ppoll(&p, 1, &timeout, &waitMask) > 0 && (p.revents & POLLIN)) {
            std::uint8_t chunk[4096];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n > 0) {
                pending.insert(pending.end(), chunk, chunk + n);
                lastByte = Clock::now();
            }
        }
        if (!pending.empty() && pending.size() < kFrameSize && Clock::now() - lastByte > kResyncGap)
            pending.clear();
        while (pending.size() >= kFrameSize) {
            LinkFrame request;
            std::copy_n(pending.begin(), kFrameSize, request.bytes.begin());
            pending.erase(pending.begin(), pending.begin() + kFrameSize);
            if (const auto answer = unit.Answer(request))
                writeAll(fd, answer->bytes.data(), answer->bytes.size());
            if (framesLeft > 0 && --framesLeft == 0)
                return true;
        }
    }
    return false;
}

int Fail(const QString& message) {
    QTextStream(stderr) << "varko-sim: " << message << '\n';
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varko-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a VARKO ignition unit on a pseudo-terminal. The terminal is linked as\n"
        "$XDG_CONFIG_HOME/varko/ports/COMn, where the VARKO Tool looks first when it opens COMn.\n"
        "The unit starts with the Yamaha R6 preset, stores blocks 1 and 2, answers block 0\n"
        "with its information record (SIM01, 9.12.2026 12:00, protocol 75), counts\n"
        "programmings, counts down from 414 while it saves, refuses read-out once the\n"
        "no-reading flag was programmed, and answers the live-data request with a running\n"
        "engine: it idles, revs up through the advance map and back, moves the throttle and\n"
        "reports the advance of the programmed map, pick-ups, inputs, servo and supply voltage.\n"
        "SIGTERM or SIGINT end it and remove the link."));
    parser.addHelpOption();
    const QCommandLineOption com({"c", "com"}, "Link the line as COM<n> (1..21, default 1).", "n",
                                 "1");
    const QCommandLineOption link("link", "Link the line at <path> instead.", "path");
    const QCommandLineOption every("answer-every", "Answer only every n-th request.", "n", "1");
    const QCommandLineOption corrupt("corrupt-check", "Spoil the check byte of every n-th answer.",
                                     "n", "0");
    const QCommandLineOption flip("flip-echo", "Flip a data bit in the echo of stored blocks.");
    const QCommandLineOption version("protocol-version",
                                     "Report protocol version <v> instead of 75.", "v", "75");
    const QCommandLineOption refuse("refuse-reading", "Refuse read-out whatever was programmed.");
    const QCommandLineOption silent("silent", "Read every request and never answer.");
    const QCommandLineOption vanish("vanish-after", "Close the line after <n> received frames.",
                                    "n", "0");
    const QCommandLineOption comeBack("return-after",
                                      "After vanishing, come back on a new line after <ms> ms "
                                      "(default: exit).",
                                      "ms", "-1");
    const QCommandLineOption rpm("rpm", "Hold the engine at <rpm> instead of the cycle.", "rpm");
    const QCommandLineOption throttle("throttle", "Hold the throttle at <percent>.", "percent");
    const QCommandLineOption pickupError("pickup-error",
                                         "Live data report a pick-up system error.");
    const QCommandLineOption tpsError("tps-error", "Live data report a throttle sensor error.");
    const QCommandLineOption dataError("data-error", "Live data report faulty stored data.");
    const QCommandLineOption liveVersion(
        "live-version", "Report protocol version <v> in live data only.", "v", "-1");
    const QCommandLineOption seed("seed",
                                  "Seed of the engine's jitter: the same seed gives the same "
                                  "live data (default: a new one each run).",
                                  "n");
    parser.addOptions({com, link, every, corrupt, flip, version, refuse, silent, vanish, comeBack,
                       rpm, throttle, pickupError, tpsError, dataError, liveVersion, seed});
    parser.process(app);

    auto number = [&](const QCommandLineOption& option, int low, int high, int& out) {
        bool ok = false;
        out = parser.value(option).toInt(&ok);
        return ok && out >= low && out <= high;
    };
    Options options;
    int comNumber = 1;
    if (!number(com, 1, kPortCount, comNumber))
        return Fail("--com needs a number from 1 to 21");
    if (!number(every, 1, 1000, options.faults.answerEvery) ||
        !number(corrupt, 0, 1000, options.faults.corruptCheckEvery) ||
        !number(version, 0, 255, options.faults.protocolVersion) ||
        !number(vanish, 0, 1000000, options.vanishAfter) ||
        !number(comeBack, -1, 3600000, options.returnAfterMs) ||
        !number(liveVersion, -1, 255, options.faults.liveProtocolVersion))
        return Fail("a numeric option is out of range; see --help");
    // Options without a default are held only when given.
    auto held = [&](const QCommandLineOption& option, int low, int high, std::optional<int>& out) {
        int value = 0;
        if (!parser.isSet(option))
            return true;
        if (!number(option, low, high, value))
            return false;
        out = value;
        return true;
    };
    std::optional<int> seedValue;
    if (!held(rpm, 0, 65535, options.live.steadyRpm) ||
        !held(throttle, 0, 100, options.live.steadyThrottle) ||
        !held(seed, 0, std::numeric_limits<int>::max(), seedValue))
        return Fail("a numeric option is out of range; see --help");
    options.live.seed = seedValue ? std::uint32_t(*seedValue) : std::random_device{}();
    options.live.pickupError = parser.isSet(pickupError);
    options.live.throttleSensorError = parser.isSet(tpsError);
    options.faults.dataError = parser.isSet(dataError);
    options.faults.flipEchoBit = parser.isSet(flip);
    options.faults.refuseReading = parser.isSet(refuse);
    options.faults.silent = parser.isSet(silent);
    options.linkPath = parser.isSet(link)
                           ? parser.value(link)
                           : portOverrideDir() + QStringLiteral("/COM%1").arg(comNumber);

    // The stop signals are blocked except while waiting, so none is lost between checks.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = requestStop;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);

    sim::SimulatedUnit unit(options.faults, options.live);
    unit.store() = sim::SimulatedUnit::factoryImage();
    QTextStream out(stdout);
    for (;;) {
        sim::PtyLink line;
        const QString error = line.open(options.linkPath);
        if (!error.isEmpty())
            return Fail(error);
        out << "varko-sim: " << options.linkPath << " -> " << line.slaveName() << Qt::endl;
        // The line vanishes once; after coming back it stays.
        int framesLeft = options.vanishAfter;
        options.vanishAfter = 0;
        const bool vanished = serve(line.masterFd(), unit, framesLeft, waitMask);
        line.close();
        if (!vanished || options.returnAfterMs < 0)
            break;
        out << "varko-sim: line closed" << Qt::endl;
        const timespec pause{options.returnAfterMs / 1000,
                             (options.returnAfterMs % 1000) * 1000000L};
        if (sigtimedwait(&stopSignals, nullptr, &pause) > 0)
            break;
    }
    return 0;
}
