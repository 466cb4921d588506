#pragma once
// The window's command line: a language word first, then the file to open. --help and --version
// are answered before the window exists, so they work without a display.

#include "model/Language.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct WindowArguments {
    // From the first argument when it is exactly "ENGLISH", "DEUTSCH", "FRANCE" or "CESKY"
    // (upper case); nullopt leaves the language the settings gave.
    std::optional<varko::Language> language;
    // The first other argument that names an existing file, opened as Open does after start-up;
    // as an absolute path.
    QString file;
    // Arguments that are neither the language word nor the file to open, for the user to hear of.
    QStringList ignored;
};

// arguments[0] is the program; relative file names are taken from workingDirectory (the current
// one when empty).
WindowArguments parseWindowArguments(const QStringList& arguments,
                                     const QString& workingDirectory = {});

// What --help or --version print (to stdout, then the program ends); nullopt for a normal start.
std::optional<QString> informationRequest(const QStringList& arguments);

// Says that the window ignored these arguments, in the given language.
QString ignoredArgumentsText(const QStringList& ignored, varko::Language language);
