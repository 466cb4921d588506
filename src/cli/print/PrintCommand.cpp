#include "cli/print/PrintCommand.h"

#include "app/WindowParts.h"
#include "cli/CommandWords.h"
#include "cli/ImageFiles.h"
#include "storage/FileNames.h"
#include "ui/PagePainting.h"

#include <QMainWindow>

#include <array>

namespace varko::cli {
namespace {

std::optional<Language> languageOf(const QString& word) {
    static const QStringList words = {"en", "de", "fr", "cz"};
    const qsizetype index = words.indexOf(word);
    if (index < 0)
        return std::nullopt;
    return languageNumber(static_cast<int>(index));
}

int printCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    const QCommandLineOption languageOption("language", "Language of the window.", "LANG", "en");
    parser.addOption(languageOption);
    const auto output = parseWordsWithOutput(parser, words, {"FILE"}, io);
    if (!output)
        return kExitUsage;
    const auto language = languageOf(parser.value(languageOption));
    if (!language) {
        io.err << "varko-cli: LANG must be en, de, fr or cz, not '" << parser.value(languageOption)
               << "'\n";
        return kExitUsage;
    }

    const QString file = parser.positionalArguments().at(0);
    ParamImage image;
    if (!readImageFile(file, image, io))
        return kExitFailure;
    QMainWindow window;
    WindowParts parts(window);
    parts.showForPrintout(image, absoluteFileName(file), *language);
    QString reason;
    if (!writePdfFile(*output, parts.takePrintout(PrintScope::AllPages, {}), &reason)) {
        printWriteError(io.err, *output + ": " + reason);
        return kExitFailure;
    }
    return kExitOk;
}

const std::array kPrintCommands = {
    Command{"print", "FILE -o OUT.pdf [--language en|de|fr|cz]",
            "Writes the four pages of the window's Print all for the parameter file FILE, as\n"
            "the window shows it after Open, to OUT.pdf (A4, one page each: Miscellaneous,\n"
            "Bike, Advance Map, Servo), with the window's texts in the language (en).",
            printCommand},
};

} // namespace

std::span<const Command> printCommands() {
    return kPrintCommands;
}

} // namespace varko::cli
