#include "SimOptions.h"

#include "link/PortNames.h"
#include "model/ProgramVersion.h"
#include "storage/ConfigPaths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <limits>
#include <optional>
#include <random>

namespace varko::sim {

SimOptions parseSimOptions(const QCoreApplication& app, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a VARKO ignition unit on a pseudo-terminal. The terminal is linked as\n"
        "$XDG_CONFIG_HOME/varko/ports/COMn, where the VARKO Tool looks first when it opens COMn,\n"
        "with a lock file COMn.lock beside it that the simulator holds while it runs.\n"
        "The unit starts with the Yamaha R6 preset, stores blocks 1 and 2, answers block 0\n"
        "with its information record (SIM01, 9.12.2026 12:00, protocol 75), counts\n"
        "programmings, counts down from 414 for about 3 s after each store while it saves,\n"
        "refuses read-out once the no-reading flag was programmed, and answers the live-data\n"
        "request with a running engine: it idles, revs up through the advance map and back,\n"
        "moves the throttle and reports the advance of the programmed map, pick-ups, inputs,\n"
        "servo and supply voltage.\n"
        "The line starts with a fresh terminal's settings; the simulator reports whether the\n"
        "client set 57600 8N1 raw ('line settings OK' or 'line settings wrong: ...') whenever\n"
        "that changes, and frees the line for the next client when a client dies holding it.\n"
        "SIGTERM or SIGINT end it and remove the link."));
    parser.addHelpOption();
    QCoreApplication::setApplicationVersion(QLatin1String(programVersion()));
    parser.addVersionOption();
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
    const QCommandLineOption pieces("split-reply", "Send each answer in <n> pieces.", "n", "1");
    const QCommandLineOption gap("piece-gap", "Pause <ms> ms between the pieces of an answer.",
                                 "ms", "5");
    const QCommandLineOption delay("delay-reply", "Send each answer <ms> ms after its request.",
                                   "ms", "0");
    const QCommandLineOption truncate(
        "truncate-every", "Cut every n-th answer off half-way; the rest never comes.", "n", "0");
    const QCommandLineOption garbage("garbage-every", "Put stray bytes before every n-th answer.",
                                     "n", "0");
    const QCommandLineOption twice("double-every", "Send every n-th answer twice.", "n", "0");
    const QCommandLineOption logRequests("log-requests",
                                         "Print the command byte of every received request.");
    const QCommandLineOption setByte("set-byte",
                                     "Hold <value> at <offset> (0..199) of the stored parameter "
                                     "set, for instance a value out of range; repeatable.",
                                     "offset=value");
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
    parser.addOptions({com,      link,      every,       corrupt, flip, version,  refuse,
                       silent,   vanish,    comeBack,    pieces,  gap,  delay,    truncate,
                       garbage,  twice,     logRequests, setByte, rpm,  throttle, pickupError,
                       tpsError, dataError, liveVersion, seed});
    parser.process(app);

    auto number = [&](const QCommandLineOption& option, int low, int high, int& out) {
        bool ok = false;
        out = parser.value(option).toInt(&ok);
        return ok && out >= low && out <= high;
    };
    SimOptions options;
    int comNumber = 1;
    if (!number(com, 1, kPortCount, comNumber)) {
        error = QStringLiteral("--com needs a number from 1 to 21");
        return options;
    }
    const bool numbersOk = number(every, 1, 1000, options.faults.answerEvery) &&
                           number(corrupt, 0, 1000, options.faults.corruptCheckEvery) &&
                           number(version, 0, 255, options.faults.protocolVersion) &&
                           number(vanish, 0, 1000000, options.vanishAfter) &&
                           number(comeBack, -1, 3600000, options.returnAfterMs) &&
                           number(liveVersion, -1, 255, options.faults.liveProtocolVersion) &&
                           number(pieces, 1, kFrameSize, options.line.pieces) &&
                           number(gap, 0, 10000, options.line.pieceGapMs) &&
                           number(delay, 0, 10000, options.line.delayMs) &&
                           number(truncate, 0, 1000, options.line.truncateEvery) &&
                           number(garbage, 0, 1000, options.line.garbageEvery) &&
                           number(twice, 0, 1000, options.line.doubleEvery);
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
    if (!numbersOk || !held(rpm, 0, 65535, options.live.steadyRpm) ||
        !held(throttle, 0, 100, options.live.steadyThrottle) ||
        !held(seed, 0, std::numeric_limits<int>::max(), seedValue)) {
        error = QStringLiteral("a numeric option is out of range; see --help");
        return options;
    }
    for (const QString& pair : parser.values(setByte)) {
        const QStringList parts = pair.split('=');
        bool offsetOk = false;
        bool valueOk = false;
        const int offset = parts.value(0).toInt(&offsetOk);
        const int value = parts.value(1).toInt(&valueOk);
        if (parts.size() != 2 || !offsetOk || !valueOk || offset < 0 || offset >= kImageSize ||
            value < 0 || value > 255) {
            error = QStringLiteral("--set-byte needs offset=value with offset 0..199 and value "
                                   "0..255");
            return options;
        }
        options.storedBytes.emplace_back(offset, std::uint8_t(value));
    }
    options.live.seed = seedValue ? std::uint32_t(*seedValue) : std::random_device{}();
    options.live.pickupError = parser.isSet(pickupError);
    options.live.throttleSensorError = parser.isSet(tpsError);
    options.faults.dataError = parser.isSet(dataError);
    options.faults.flipEchoBit = parser.isSet(flip);
    options.faults.refuseReading = parser.isSet(refuse);
    options.faults.silent = parser.isSet(silent);
    options.logRequests = parser.isSet(logRequests);
    options.linkPath = parser.isSet(link)
                           ? parser.value(link)
                           : portOverrideDir() + QStringLiteral("/COM%1").arg(comNumber);
    return options;
}

} // namespace varko::sim
