#pragma once
// Reading the words after a command's name: options, a fixed number of positional arguments, and
// the "-o FILE" output option that every writing command shares.

#include "cli/Commands.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

namespace varko::cli {

QCommandLineOption OutputOption();

// Parses words with the options already added to parser. Returns false after printing the
// reason when an option is unknown or a positional argument is missing or one too many.
bool ParseWords(QCommandLineParser& parser, const QStringList& words,
                const QStringList& positionalNames, CliIo& io);

// The value of OutputOption, or nothing after printing that it is missing.
std::optional<QString> RequiredOutput(const QCommandLineParser& parser, CliIo& io);

} // namespace varko::cli
