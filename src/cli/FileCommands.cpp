#include "cli/CommandWords.h"
#include "cli/Commands.h"
#include "cli/ImageFiles.h"
#include "model/FormMapping.h"
#include "model/ImageDiff.h"
#include "model/Normalize.h"
#include "model/Presets.h"
#include "storage/TestSwitch.h"

#include <QRegularExpression>

#include <array>

namespace varko::cli {
namespace {

// The window's settings play no part here; the defaults are always in range.
void normalizeImage(ParamImage& image) {
    WindowSettings settings;
    normalize(image, settings);
}

std::optional<std::uint8_t> modelCode(const QString& word) {
    static const QRegularExpression digits("^[0-9]{1,3}$");
    if (!digits.match(word).hasMatch() || word.toInt() > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(word.toInt());
}

// The image the program starts a model with: defaults and the model's preset, as New does.
int presetCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    const auto output = parseWordsWithOutput(parser, words, {"CODE"}, io);
    if (!output)
        return kExitUsage;
    const QString codeWord = parser.positionalArguments().at(0);
    const auto code = modelCode(codeWord);
    if (!code) {
        io.err << "varko-cli: CODE must be a number 0..255, not '" << codeWord << "'\n";
        return kExitUsage;
    }

    ParamImage image;
    image.bike() = *code;
    bool bikeListChanged = false;
    applyBikePreset(image, bikeListChanged);
    normalizeImage(image);
    return writeImageFile(*output, image, io) ? kExitOk : kExitFailure;
}

const QCommandLineOption kAsWindowOption("as-window", "Take the image as the window's Open does.");

int dumpCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    const QCommandLineOption normalize("normalize", "Normalize before printing.");
    parser.addOption(normalize);
    parser.addOption(kAsWindowOption);
    if (!parseWords(parser, words, {"FILE"}, io))
        return kExitUsage;

    ParamImage image;
    if (!readImageFile(parser.positionalArguments().at(0), image, io))
        return kExitFailure;
    if (parser.isSet(kAsWindowOption))
        takeAsWindowOpens(image, readTestSwitch());
    else if (parser.isSet(normalize))
        normalizeImage(image);
    for (int line = 0; line < kImageSize / 10; ++line) {
        for (int i = 0; i < 10; ++i)
            io.out << (i ? " " : "") << int(image[line * 10 + i]);
        io.out << "\n";
    }
    return kExitOk;
}

int convertCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(kAsWindowOption);
    const auto output = parseWordsWithOutput(parser, words, {"IN"}, io);
    if (!output)
        return kExitUsage;

    ParamImage image;
    if (!readImageFile(parser.positionalArguments().at(0), image, io))
        return kExitFailure;
    if (parser.isSet(kAsWindowOption))
        takeAsWindowOpens(image, readTestSwitch());
    else
        normalizeImage(image);
    return writeImageFile(*output, image, io) ? kExitOk : kExitFailure;
}

// The two files as convert would write them, compared byte by byte; a byte a file lacks is
// never equal.
int diffCommand(const QStringList& words, CliIo& io) {
    QCommandLineParser parser;
    if (!parseWords(parser, words, {"A", "B"}, io))
        return kExitUsage;
    ComparedSet sets[2];
    for (int i = 0; i < 2; ++i) {
        if (!readImageFile(parser.positionalArguments().at(i), sets[i].image, io, &sets[i].lacking))
            return kExitTrouble;
        normalizeImage(sets[i].image);
    }
    const QByteArray lines = diffLines(sets[0], sets[1]);
    io.out << lines;
    return lines.isEmpty() ? kExitOk : kExitFailure;
}

const std::array kFileCommands = {
    Command{"preset", "CODE -o FILE",
            "Writes the default parameter set of model code CODE (0..255; 22 is the special\n"
            "setting, codes above 32 get the common defaults only) to FILE.",
            presetCommand},
    Command{"dump", "FILE [--normalize | --as-window]",
            "Prints the 200 bytes read from FILE as 20 lines of 10 numbers (bytes the file does\n"
            "not set are 0). --normalize first brings them into range by the normalization\n"
            "alone; --as-window first does what the window's Open does: the normalization, then\n"
            "the pass through the window's controls (their ranges and lists).",
            dumpCommand},
    Command{"convert", "IN -o OUT [--as-window]",
            "Reads IN (format version 75, 54 or 48), normalizes it and writes it to OUT in the\n"
            "current format (version 75). --as-window also passes it through the window's\n"
            "controls after the normalization, as the window's Open does.",
            convertCommand},
    Command{"diff", "A B",
            "Compares the parameter sets of files A and B, each normalized as convert does, and\n"
            "prints one line per differing byte: offset, field name, byte of A, byte of B,\n"
            "separated by tabs, in offset order. A byte that a file lacks (a key or a number\n"
            "that is not there) shows as - and never counts as equal. Exit status 0 when they\n"
            "are equal, 1 when they differ, 2 when a file cannot be read.",
            diffCommand},
};

} // namespace

std::span<const Command> fileCommands() {
    return kFileCommands;
}

} // namespace varko::cli
