#include "model/Messages.h"

#include <array>

namespace varko {
namespace {

// Rows marked "ours" are this program's own messages, translated by us for a native speaker to
// review; the others are the product's established wording.
// clang-format off
const std::array<TextRow, kMessageCount> kMessages = {{
    /* 0 */ {"manual_briskal_varko_en.pdf", "manual_briskal_varko_de.pdf", "manual_briskal_varko_fr.pdf", "manual_briskal_varko_cz.pdf"},
    /* 1 */ {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"},
    /* 2 */ {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"},
    /* 3 */ {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"},
    /* 4 */ {"Program device:", "Programmieren:", "Programmer:", "Programování:"},
    /* 5 */ {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"},
    /* 6 */ {"Read:", "Lesen:", "Lire", "Čtení:"},
    /* 7 */ {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"},
    /* 8 */ {"Unmatched version of PC and Ignition programs!", "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!", "Programme du boitier d´alumage non compatible avec programme PC!", "Neshodné verze proramu v PC a zapalování!"},
    /* 9 */ {"Advance", "Vorzündung", "Avance", "Předstih"},
    /* 10 */ {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ", "Počet programování= "},
    /* 11 */ {"Motor off", "Motor off", "Blocage", "Blokování"},
    /* 12 */ {},
    /* 13 */ {"YES", "JA", "Oui", "ANO"},
    /* 14 */ {"NO", "NEIN", "Non", "NE"},
    /* 15 */ {},
    /* 16 */ {},
    /* 17 */ {},
    /* 18 */ {},
    /* 19 */ {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!", "Chyba při otevírání portu Com!"},
    /* 20 */ {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!", "Chyba při otevírání souboru!"},
    /* 21 */ {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?", "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"},
    /* 22 */ {"Older version of *.ign file!\n\nSome parameters won't be changed or will be set to default value.\nThey are parameters which are not in older version or have another structure.",
              "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert oder werden implizit Wert gestellt.\nSie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur haben",
              "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to default value.\nThey are parameters which are not in older version or have another structure.",
              "Starší verze souboru *.ign!\n\nNěkteré parametry budou nezměněny nebo nataveny na základní hodnotu.\nJsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu."},
    /* 23 */ {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!", "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"},
    /* 24 */ {"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"},
    /* 25 */ {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ", "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "},
    /* 26 */ {}, // built from 0 by messageText
    /* 27 */ {"Pick up system error                    ", "Gebersystemehler                        ", "Pick up system error                    ", "Chyba v snímacím systému                "},
    /* 28 */ {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"},
    /* 29 */ {"is running", "läuft", " fonctionne", "pracuje"},
    /* 30 */ {"no signal", " kein Signal", " pas de signal", "bez signálu"},
    /* 31 */ {"Servo measured=", "Servo gemessene=", "Servo measured=", "Servo měřené="},
    /* 32 */ {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="},
    /* 33 */ {"Gear Shift Light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"},
    /* 34 */ {},
    /* 35 */ {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"},
    /* 36 */ {"Input", "Eingang", "Entrée", "Vstup"},
    /* 37 */ {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"},
    /* 38 */ {"Open", "Offen", "Open", "Otevřený"},
    /* 39 */ {"Grounded", "zu Erde", "Grounded", "Uzeměn"},
    /* 40 */ {},
    /* 41 */ {"Backup of the unit's set:", "Sicherung der Kenndaten der Zündung:", "Sauvegarde des paramètres du boitier:", "Záloha parametrů zapalování:"}, // ours
    /* 42 */ {"Backup not saved!", "Sicherung nicht gespeichert!", "Sauvegarde non enregistrée!", "Záloha neuložena!"}, // ours
    /* 43 */ {"Nothing was programmed: the unit's set could not be kept in the history first.\n\nTo program without this backup, turn off Tools > Backup before programming.",
              "Es wurde nichts programmiert: die Kenndaten der Zündung konnten nicht zuerst im Verlauf gesichert werden.\n\nUm ohne diese Sicherung zu programmieren, schalten Sie Werkzeuge > Sicherung vor dem Programmieren aus.",
              "Rien n´a été programmé: les paramètres du boitier n´ont pas pu être d´abord gardés dans l´historique.\n\nPour programmer sans cette sauvegarde, désactivez Outillage > Sauvegarde avant programmation.",
              "Nic nebylo naprogramováno: parametry zapalování se nepodařilo nejdřív uložit do historie.\n\nChcete-li programovat bez této zálohy, vypněte Pomůcky > Záloha před programováním."}, // ours
}};
// clang-format on

// Entry 26 wraps the manual's file name of the same language.
const TextRow kManualOpenErrorLeadIn = {"Error by opening file ", "Fehler beim öffnen der Datei ",
                                        "Erreur à l´ouvertur du Fichier ",
                                        "Chyba při otevírání souboru "};

} // namespace

QString messageText(int n, Language language) {
    if (n < 0 || n >= kMessageCount)
        return {};
    if (n == Msg::manualOpenError)
        return textIn(kManualOpenErrorLeadIn, language) + messageText(Msg::manualFile, language) +
               QStringLiteral(" !");
    return textIn(kMessages[n], language);
}

QString textIn(const TextRow& row, Language language) {
    // Entries nobody uses are null, and read as empty.
    return QString::fromUtf8(row[columnOf(language)]);
}

} // namespace varko
