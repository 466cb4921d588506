#include "cli/CommandWords.h"
#include "cli/Commands.h"
#include "cli/ImageFiles.h"
#include "cli/LinkSession.h"
#include "cli/MonitorSession.h"
#include "link/PortNames.h"
#include "model/FormMapping.h"
#include "model/Presets.h"
#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/TestSwitch.h"

#include <array>
#include <optional>

namespace varko::cli {
namespace {

const QCommandLineOption kPortOption("port", "COM1..COM21 or a device path.", "P");

// The device --port names; nothing after printing the reason.
std::optional<QString> portDevice(const QCommandLineParser& parser, CliIo& io) {
    const QString port = parser.value(kPortOption);
    if (port.isEmpty()) {
        io.err << "varko-cli: missing --port P\n";
        return std::nullopt;
    }
    const QString device = resolvePortArgument(port);
    if (device.isEmpty())
        io.err << "varko-cli: no such port '" << port << "' (COM1..COM21)\n";
    return device.isEmpty() ? std::nullopt : std::optional(device);
}

int readCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(kPortOption);
    const auto output = parseWordsWithOutput(parser, words, {}, io);
    const auto device = output ? portDevice(parser, io) : std::nullopt;
    if (!device)
        return kExitUsage;
    // Known before the port opens: the transfer's result would have nowhere to go.
    if (const QString obstacle = saveObstacle(*output); !obstacle.isEmpty()) {
        io.err << "varko-cli: cannot write " << *output << ": " << obstacle << "\n";
        return kExitFailure;
    }
    ParamImage image;
    if (!runTransfer(TransferMode::Read, *device, image, readTestSwitch(), io))
        return kExitFailure;
    return writeImageFile(*output, image, io) ? kExitOk : kExitFailure;
}

// Program and verify send exactly what the window would after opening FILE: the file on an
// all-zero image, normalized, through the controls' ranges. A program with --backup first keeps
// the unit's set in the history.
int sendFile(TransferMode transfer, const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(kPortOption);
    const QCommandLineOption backupOption("backup",
                                          "Keep the unit's set in the history before programming.");
    if (transfer == TransferMode::Program)
        parser.addOption(backupOption);
    const auto device =
        parseWords(parser, words, {"FILE"}, io) ? portDevice(parser, io) : std::nullopt;
    if (!device)
        return kExitUsage;
    const QString file = parser.positionalArguments().at(0);
    ParamImage image;
    if (!readImageFile(file, image, io))
        return kExitFailure;
    const bool testEnable = readTestSwitch();
    takeAsWindowOpens(image, testEnable);
    const bool sent =
        transfer == TransferMode::Program && parser.isSet(backupOption)
            ? programWithBackup(*device, image, absoluteFileName(file), testEnable, io)
            : runTransfer(transfer, *device, image, testEnable, io);
    return sent ? kExitOk : kExitFailure;
}

int programCommand(const QStringList& words, CliIo& io) {
    return sendFile(TransferMode::Program, words, io);
}

int verifyCommand(const QStringList& words, CliIo& io) {
    return sendFile(TransferMode::Verify, words, io);
}

int monitorCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(kPortOption);
    const QCommandLineOption framesOption("frames", "Stop after N live-data frames.", "N", "0");
    parser.addOption(framesOption);
    const QCommandLineOption timestampsOption("timestamps", "Lead each line with time_ms.");
    parser.addOption(timestampsOption);
    const QCommandLineOption setOption("set", "The unit's parameter set, for pickup_error.",
                                       "FILE");
    parser.addOption(setOption);
    const auto device = parseWords(parser, words, {}, io) ? portDevice(parser, io) : std::nullopt;
    if (!device)
        return kExitUsage;
    MonitorOptions options;
    bool ok = false;
    options.frames = parser.value(framesOption).toInt(&ok);
    if (parser.isSet(framesOption) && (!ok || options.frames < 1)) {
        io.err << "varko-cli: --frames needs a whole number of 1 or more\n";
        return kExitUsage;
    }
    options.timestamps = parser.isSet(timestampsOption);
    if (parser.isSet(setOption)) {
        if (!readImageFile(parser.value(setOption), options.set, io))
            return kExitFailure;
    } else {
        setCommonDefaults(options.set);
    }
    return runMonitor(*device, options, io) ? kExitOk : kExitFailure;
}

const std::array kLinkCommands = {
    Command{"read", "--port P -o FILE",
            "Reads the unit's parameter set on port P (COM1..COM21 as the window names them, or\n"
            "a device path), verifies it and writes it to FILE. A FILE that cannot be written\n"
            "(its folder missing or read-only, a folder itself) is refused before the port is\n"
            "opened.",
            readCommand},
    Command{"program", "--port P [--backup] FILE",
            "Programs the parameter set of FILE into the unit on port P and verifies it. With\n"
            "--backup it first reads the unit's set as it is and keeps it in the history folder\n"
            "($XDG_DATA_HOME/varko/history) as \"before programming\"; when that fails, nothing\n"
            "is programmed.",
            programCommand},
    Command{"verify", "--port P FILE",
            "Compares the unit's parameter set on port P with FILE. Waits at most 3 s for the\n"
            "unit's live data, and fails on a unit of another protocol version. When the sets\n"
            "differ, \"Verify error!\" is followed on stderr by the differing bytes as diff lists\n"
            "them (FILE's byte, then the unit's).",
            verifyCommand},
    Command{"monitor", "--port P [--frames N] [--timestamps] [--set FILE]",
            "Writes the unit's live data on port P as CSV: a header line, then one line per\n"
            "live-data frame (about three a second), until N frames or until interrupted.\n"
            "Stops with \"No connection with PC\" after 3 s without a live-data frame.\n"
            "--timestamps adds a leading time_ms column: milliseconds since the header, from a\n"
            "monotonic clock. The last column, pickup_error, is 1 while the unit's pick-up\n"
            "counts show a pick-up system error for the set in FILE (without --set, for a set\n"
            "of the common defaults: one revolution without ignition).",
            monitorCommand},
};

} // namespace

std::span<const Command> linkCommands() {
    return kLinkCommands;
}

} // namespace varko::cli
