#include "cli/CommandWords.h"

namespace varko::cli {

bool parseWords(QCommandLineParser& parser, const QStringList& words,
                const QStringList& positionalNames, CliIo& io) {
    // The parser expects the program's name first.
    if (!parser.parse(QStringList{"varko-cli"} + words)) {
        io.err << "varko-cli: " << parser.errorText() << "\n";
        return false;
    }
    const QStringList given = parser.positionalArguments();
    if (given.size() < positionalNames.size()) {
        io.err << "varko-cli: missing " << positionalNames.at(given.size()) << "\n";
        return false;
    }
    if (given.size() > positionalNames.size()) {
        io.err << "varko-cli: unexpected argument '" << given.at(positionalNames.size()) << "'\n";
        return false;
    }
    return true;
}

std::optional<QString> parseWordsWithOutput(QCommandLineParser& parser, const QStringList& words,
                                            const QStringList& positionalNames, CliIo& io) {
    const QCommandLineOption output({"o", "output"}, "File to write.", "FILE");
    parser.addOption(output);
    if (!parseWords(parser, words, positionalNames, io))
        return std::nullopt;
    const QString path = parser.value(output);
    if (path.isEmpty()) {
        io.err << "varko-cli: missing -o FILE\n";
        return std::nullopt;
    }
    return path;
}

} // namespace varko::cli
