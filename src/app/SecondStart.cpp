#include "app/SecondStart.h"

#include "app/CommandLine.h"
#include "app/WindowInstance.h"
#include "model/Messages.h"
#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/SettingsFile.h"
#include "ui/MessageBoxes.h"

#include <chrono>

using namespace varko;

namespace {

// Ample for a window whose event loop runs; a starting window answers once its loop runs.
constexpr auto kHandOverWait = std::chrono::seconds(5);

// clang-format off
const TextRow kNotAnswering = {
    "VARKO Tool is already running with the settings in %1, but does not answer.\nClose it (or end it), then start again.",
    "VARKO Tool läuft bereits mit den Einstellungen in %1, antwortet aber nicht.\nSchließen (oder beenden) Sie es und starten Sie dann erneut.",
    "VARKO Tool est déjà lancé avec les réglages de %1, mais ne répond pas.\nFermez-le (ou arrêtez-le), puis relancez-le.",
    "VARKO Tool již běží s nastavením v %1, ale neodpovídá.\nZavřete jej (nebo ukončete) a spusťte znovu.",
}; // ours
// clang-format on

// The language word of the command line, else the language the settings keep; the settings file
// is only read, since it belongs to the running window.
Language languageOf(const QStringList& arguments) {
    if (const std::optional<Language> word = parseWindowArguments(arguments).language)
        return *word;
    SettingsValues values;
    if (const std::optional<QByteArray> text = readSmallFile(settingsFilePath()))
        readSettingsText(*text, values);
    return values.window.language;
}

} // namespace

std::optional<int> handToRunningWindow(WindowInstance& instance, const QStringList& arguments) {
    switch (instance.start({arguments, varko::currentFolder()}, QDeadlineTimer(kHandOverWait))) {
    case WindowInstance::Start::First:
        return std::nullopt;
    case WindowInstance::Start::HandedOver:
        return 0;
    case WindowInstance::Start::NoAnswer:
        break;
    }
    MessageBoxes::current().warn(nullptr,
                                 textIn(kNotAnswering, languageOf(arguments)).arg(configDir()));
    return 1;
}
