#include "model/ConfigFileMessages.h"

#include "model/Messages.h"

#include <array>

namespace varko {
namespace {

// clang-format off
const TextRow kMovedAside = {
    "The settings file %1 could not be read.\nIt has been renamed to %2; a new one will be written when the program closes.",
    "Die Einstellungsdatei %1 konnte nicht gelesen werden.\nSie wurde in %2 umbenannt; beim Beenden des Programms wird eine neue geschrieben.",
    "Le fichier de configuration %1 n'a pas pu être lu.\nIl a été renommé en %2 ; un nouveau fichier sera écrit à la fermeture du programme.",
    "Soubor nastavení %1 nelze přečíst.\nByl přejmenován na %2; při ukončení programu se zapíše nový.",
};
const TextRow kNotMoved = {
    "The settings file %1 could neither be read nor renamed.\nThe program starts with its default settings.",
    "Die Einstellungsdatei %1 konnte weder gelesen noch umbenannt werden.\nDas Programm startet mit den Standardeinstellungen.",
    "Le fichier de configuration %1 n'a pu être ni lu ni renommé.\nLe programme démarre avec les réglages par défaut.",
    "Soubor nastavení %1 nelze přečíst ani přejmenovat.\nProgram začíná se základním nastavením.",
};
const TextRow kNotSaved = {
    "These files could not be written (is the disk full?); each keeps what it held before:\n%1",
    "Diese Dateien konnten nicht geschrieben werden (ist der Datenträger voll?); jede behält ihren bisherigen Inhalt:\n%1",
    "Ces fichiers n'ont pas pu être écrits (le disque est-il plein ?) ; chacun garde son contenu précédent :\n%1",
    "Tyto soubory nelze zapsat (není disk plný?); každý si ponechává svůj předchozí obsah:\n%1",
};
// clang-format on

} // namespace

QString unreadableSettingsText(const QString& path, const QString& movedTo, Language language) {
    if (movedTo.isEmpty())
        return textIn(kNotMoved, language).arg(path);
    return textIn(kMovedAside, language).arg(path, movedTo);
}

QString filesNotSavedText(const QStringList& paths, Language language) {
    return textIn(kNotSaved, language).arg(paths.join('\n'));
}

} // namespace varko
