#pragma once
// The commands of varko-cli. Each group of commands lives in its own file and lists itself
// here; the command line is dispatched by name, so a new command never touches the others.

#include <QStringList>
#include <QTextStream>

#include <span>
#include <vector>

namespace varko::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the message is on stderr
constexpr int kExitUsage = 2;   // the reason is on stderr; the dispatcher adds the usage line
// Exit status 2 as diff(1) uses it, for trouble (a file that cannot be read) rather than wrong
// usage: the message is on stderr and the dispatcher adds no usage line.
constexpr int kExitTrouble = -2;

struct CliIo {
    QTextStream& out;
    QTextStream& err;
};

// Names a write the system refused (standard output, an -o file) on err, as every command does:
// "varko-cli: write error: REASON".
void printWriteError(QTextStream& err, const QString& reason);

// Runs one command with the words that follow its name; returns the exit status.
using CommandHandler = int (*)(const QStringList& words, CliIo& io);

struct Command {
    const char* name;
    const char* arguments; // the usage line after the name, e.g. "CODE -o FILE"
    const char* summary;   // what the command does, for --help; may span lines
    CommandHandler run;
};

// preset, dump, convert: parameter files without a unit (FileCommands.cpp).
std::span<const Command> fileCommands();

// read, program, verify: transfers with the unit over a serial port (LinkCommands.cpp).
std::span<const Command> linkCommands();

// Every command of every group, in the order --help lists them.
std::vector<Command> allCommands();

} // namespace varko::cli
