#include "cli/CliMain.h"

#include "cli/Commands.h"
#include "cli/StandardStream.h"
#include "model/ProgramVersion.h"

#include <QTextStream>

#include <algorithm>

namespace varko::cli {
namespace {

bool isHelpOption(const QString& word) {
    return word == "--help" || word == "-h";
}

QString usageLine(const Command& command) {
    return QString("varko-cli %1 %2").arg(command.name, command.arguments);
}

void printCommandHelp(const Command& command, QTextStream& out) {
    out << "usage: " << usageLine(command) << "\n\n" << command.summary << "\n";
}

void printHelp(const std::vector<Command>& commands, QTextStream& out) {
    out << "usage: varko-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "Prepares, checks and converts VARKO parameter files (.ign) and reads, programs,\n"
           "verifies and monitors units over a serial port, without the window.\n"
           "\n"
           "Commands:\n";
    for (const Command& command : commands) {
        out << "  " << usageLine(command) << "\n";
        for (const QString& line : QString(command.summary).split('\n'))
            out << "      " << line << "\n";
    }
    out << "  varko-cli --help [COMMAND]\n"
           "      Shows this text, or the usage of one command.\n"
           "  varko-cli --version\n"
           "      Shows the program's version.\n"
           "\n"
           "Exit status: 0 done (warnings may be on stderr), 1 failed with the message on\n"
           "stderr, 2 wrong usage. diff, as diff(1): 0 equal, 1 different, 2 a file could not\n"
           "be read.\n";
}

// The exit status of the command line, whose texts go to io.
int runCommand(const QStringList& arguments, std::span<const Command> windowCommands, CliIo& io) {
    QTextStream& out = io.out;
    QTextStream& err = io.err;
    std::vector<Command> commands = allCommands();
    commands.insert(commands.end(), windowCommands.begin(), windowCommands.end());
    const auto find = [&](const QString& name) {
        return std::find_if(commands.begin(), commands.end(),
                            [&](const Command& command) { return name == command.name; });
    };

    const QStringList words = arguments.mid(1);
    if (words.isEmpty()) {
        err << "varko-cli: missing COMMAND; 'varko-cli --help' lists them\n";
        return kExitUsage;
    }
    if (words[0] == "--version") {
        out << "varko-cli " << programVersion() << "\n";
        return kExitOk;
    }
    const bool help = isHelpOption(words[0]) || words[0] == "help";
    const QString name = help ? words.value(1) : words[0];
    if (help && name.isEmpty()) {
        printHelp(commands, out);
        return kExitOk;
    }
    const auto command = find(name);
    if (command == commands.end()) {
        err << "varko-cli: unknown command '" << name << "'; 'varko-cli --help' lists them\n";
        return kExitUsage;
    }
    const QStringList commandWords = words.mid(help ? 2 : 1);
    if (help || std::any_of(commandWords.begin(), commandWords.end(), isHelpOption)) {
        printCommandHelp(*command, out);
        return kExitOk;
    }
    const int status = command->run(commandWords, io);
    if (status == kExitUsage)
        err << "usage: " << usageLine(*command) << "\n";
    return status == kExitTrouble ? kExitUsage : status;
}

} // namespace

int runCli(const QStringList& arguments, std::span<const Command> windowCommands) {
    StandardStream outDevice(1);
    StandardStream errDevice(2);
    QTextStream out(&outDevice);
    QTextStream err(&errDevice);
    CliIo io{out, err};
    const int status = runCommand(arguments, windowCommands, io);
    out.flush();
    err.flush();
    // A script must not take a cut or lost output for the command's result.
    const QString failure =
        outDevice.failure().isEmpty() ? errDevice.failure() : outDevice.failure();
    if (failure.isEmpty())
        return status;
    printWriteError(err, failure);
    err.flush();
    return kExitFailure;
}

} // namespace varko::cli
