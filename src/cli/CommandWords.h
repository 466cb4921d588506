#pragma once
// Reading the words after a command's name: options, a fixed number of positional arguments, and
// the "-o FILE" option of every command that writes a file.

#include "cli/Commands.h"

#include <QCommandLineParser>

#include <optional>

namespace varko::cli {

// Parses words with the options already added to parser. Returns false after printing the
// reason when an option is unknown or a positional argument is missing or one too many.
bool parseWords(QCommandLineParser& parser, const QStringList& words,
                const QStringList& positionalNames, CliIo& io);

// parseWords for a command that writes one file: adds "-o FILE" and insists on it. Returns the
// file, or nothing after printing the reason.
std::optional<QString> parseWordsWithOutput(QCommandLineParser& parser, const QStringList& words,
                                            const QStringList& positionalNames, CliIo& io);

} // namespace varko::cli
