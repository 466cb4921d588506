#include "ui/Texts.h"

#include "model/Messages.h"
#include "ui/AdvanceCurveChart.h"
#include "ui/LivePlot.h"
#include "ui/NamedControls.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <array>

namespace {

using varko::kLanguageCount;
using varko::Language;

enum class Target {
    Caption,     // caption, title, tab text or menu text
    Hint,        // status bar text only
    HintAndTip,  // status bar text and tooltip
    ListEntry,   // one entry of a drop-down list
    RadioItems,  // all entries of a radio group, one per line
    LiveCaption, // a live-data label's text while no unit answers
};

struct TableRow {
    const char* name;
    Target target;
    varko::TextRow text{};   // English, German, French, Czech
    int message = -1;        // take the text from this numbered message instead
    const char* suffix = ""; // the same in every language
    int entry = 0;           // list entry of a ListEntry row
    int count = 0;           // when set, %1 in name and suffix runs from 1 to count
};

using enum Target;

// Rows marked "ours" carry German, French and Czech texts of this program's own translation, for
// a native speaker to review. Every other row is the product's established wording, which users
// and their printed manuals know: odd spellings, doubled and trailing blanks stay as they are.
// clang-format off
constexpr TableRow kTextTable[] = {
    {"FormHlav", Caption, {"Programming of VARKO unit", "Programmierung der VARKO Zündbox", "Programation de VARKO unité", "Programování jednotky VARKO"}},
    // Menus and the toolbar's push buttons.
    {"MenuFile", Caption, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", Caption, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuOpen", Caption, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuOpenExeDir", Caption, {"Open from exe dir", "Öffnen aus exe dir", "Open from exe dir", "Otevřít z exe dir"}},
    {"MenuHistory", Caption, {"&History...", "&Verlauf...", "&Historique...", "&Historie..."}}, // ours
    {"MenuCompareFile", Caption, {"Compare with file...", "Mit Datei vergleichen...", "Comparer avec un fichier...", "Porovnat se souborem..."}}, // ours
    {"MenuCompareUnit", Caption, {"Compare with unit", "Mit Zündung vergleichen", "Comparer avec le boitier", "Porovnat se zapalováním"}}, // ours
    {"OpenLiveDataLog", Caption, {"Open live-data log...", "Live-Daten-Protokoll öffnen...", "Ouvrir un journal de données en direct...", "Otevřít záznam živých dat..."}}, // ours
    {"RecordLiveData", Caption, {"Record live data...", "Live-Daten aufzeichnen...", "Enregistrer les données en direct...", "Nahrávat živá data..."}}, // ours
    {"MenuSave", Caption, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {"MenuSaveExeDir", Caption, {"Save to exe dir", "Speichern in exe dir", "Save to exe dir", "Uložit do exe dir"}},
    {"MenuPrint", Caption, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {"MenuPrintAll", Caption, {"Print all", "Drucken alles", "&Imprimer tout", "Tisk vše"}},
    {"MenuExit", Caption, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {"MenuCom", Caption, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {"MenuDevice", Caption, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead", Caption, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {"ButtonRead", Caption, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {"MenuVerify", Caption, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {"BitBtnVerify", Caption, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {"MenuProgram", Caption, {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {"BitBtnProgram", Caption, {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {"MenuTools", Caption, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {"AdvanceMinus", Caption, {"Advance -", "Vorzündung -", "Advance -", "Předstih -"}},
    {"AdvancePlus", Caption, {"Advance +", "Vorzündung +", "Advance +", "Předstih +"}},
    {"MenuZpet", Caption, {"Undo", "Zurück", "Undo", "Zpet"}},
    {"MenuZnovu", Caption, {"Redo", "Wieder", "Redo", "Znovu"}},
    {"MenuBackupBeforeProgramming", Caption, {"Backup before programming", "Sicherung vor dem Programmieren", "Sauvegarde avant programmation", "Záloha před programováním"}}, // ours
    {"MenuView", Caption, {"&View", "&Ansicht", "&Affichage", "&Zobrazení"}}, // ours
    {"LivePlotDock", Caption, {"Live plot", "Live-Diagramm", "Graphique en direct", "Živý graf"}}, // ours
    {"AdvanceCurveDock", Caption, {"Advance curves", "Zündkurven", "Courbes d´avance", "Křivky předstihu"}}, // ours
    {"LivePlotPause", Caption, {"Pause", "Pause", "Pause", "Pozastavit"}}, // ours
    {"LabelLivePlotWindow", Caption, {"Time shown:", "Gezeigte Zeit:", "Durée affichée:", "Zobrazený čas:"}}, // ours
    {"LivePlotSave", Caption, {"Save image...", "Bild speichern...", "Enregistrer l´image...", "Uložit obrázek..."}}, // ours
    {"MenuLanguage", Caption, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish", Caption, {"&English", "Englisch", "&Englais", "&Anglicky"}},
    {"MenuGerman", Caption, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {"MenuFrench", Caption, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {"MenuCzech", Caption, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {"MenuHelp", Caption, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {"MenuContens", Caption, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {"MenuAbout", Caption, {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
    // Model, method and ignition lists.
    {"ComboBoxBike", ListEntry, {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitst. 1 od. 2 Geber)", "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"}, -1, "", 12},
    {"ComboBoxBike", ListEntry, {"Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klassisch (2 Leitst. pro Umdreh. 1 od. 2 Geber)", "Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klasika (2 výstupek za otáčku, 1 n 2 snimače)"}, -1, "", 13},
    {"ComboBoxBike", ListEntry, {"Classic (3 lobe per revolution, 1 pick-up)", "Klassisch (3 Leitst. pro Umdreh. 1 Geber)", "Classic (3 lobe per revolution, 1 pick-up)", "Klasika (3 výstupky za otáčku, 1 snimač)"}, -1, "", 14},
    {"ComboBoxBike", ListEntry, {"Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", "Klassisch (1 L. pro 2 Um. (CMPS) 1 od. 2 Geber)", "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", "Klasika (1 výst. za 2 ot. (vačka), 1 n 2 snimače)"}, -1, "", 15},
    {"ComboBoxBike", ListEntry, {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"}, -1, "", 32},
    {"ComboBoxSynchro", ListEntry, {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 lobe, 1 or 2 pick-up", "1 výstupek, 1 nebo 2 snimače"}, -1, "", 0},
    {"ComboBoxSynchro", ListEntry, {"Short gap between lobes (inserted lobe)", "Kurz Abstand zwischen Leitstücken (eingeschiebe Leitstück)", "Short gap between lobes (inserted lobe)", "Krátká mezera mezi výstupky (vsunutý výstupek)"}, -1, "", 1},
    {"ComboBoxSynchro", ListEntry, {"Wide lobe", "Längere Leitstück", "Wide lobe", "Široký výstupek"}, -1, "", 2},
    {"ComboBoxSynchro", ListEntry, {"Long gap between lobes (missing lobe)", "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)", "Long gap between lobes (missing lobe)", "Dlouhá mezera mezi výstupky (vynechaný výstupek)"}, -1, "", 3},
    {"ComboBoxSynchro", ListEntry, {"2 pick-ups, missing lobe", "2 Geber, ausgelassene Leitstück", "2 pick-ups, missing lobe", "2 snímače vynechané výstupky"}, -1, "", 4},
    {"ComboBoxSynchro", ListEntry, {"2 Short gaps between lobes (inserted lobe)", "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)", "2 short gaps between lobes (inserted lobe)", "2 krátké mezery mezi výstupky (vsunutý výstupek)"}, -1, "", 5},
    {"ComboBoxSynchro", ListEntry, {"Cam (CMPS)", "Steuernocken (CMPS)", "Cam (CMPS)", "Vačka (CMPS)"}, -1, "", 6},
    {"ComboBoxSynchro", ListEntry, {"Long gap between lobes - more lobes (48-2)", "Lang Abstand zwischen Leitstücken - mehr Leitstücke (48-2)", "Long gap between lobes - more lobes (48-2)", "Dlouhá mezera mezi výstupky - více výstupků (48-2)"}, -1, "", 8},
    {"ComboBoxNasobekPalcu", ListEntry, {"1 ignition per revolution", "1 Zündung pro Umdrehung", "1 ignition per revolution", "1 zápal za otáčku"}, -1, "", 0},
    {"ComboBoxNasobekPalcu", ListEntry, {"2 ignitions per revolution", "2 Zündungen pro Umdrehung", "2 ignitions per revolution", "2 zápaly za otáčku"}, -1, "", 1},
    {"ComboBoxNasobekPalcu", ListEntry, {"3 ignitions per revolution", "3 Zündungen pro Umdrehung", "3 ignitions per revolution", "3 zápaly za otáčku"}, -1, "", 2},
    {"ComboBoxNasobekPalcu", ListEntry, {"1 ignition per 2 revolutions (camshaft)", "1 Zündung pro 2 Umdrehungen (Nockenwelle)", "1 ignition per 2 revolutions (camshaft)", "1 zápal za 2 otáčky (vačkový hřídel)"}, -1, "", 3},
    {"RadioGroupInput1", RadioItems, {"Off\nKill switch\nBlocking", "Aus\nNot Aus\nBlockierung", "Off\nInterrupteur de sécurité\nBlocage", "Vypnut\nKill switch\nBlokování"}},
    {"RadioGroupInput2", RadioItems, {"Off\nKill switch\nBlocking\nClutch master\nClutch master inv. input", "Aus\nNot Aus\nBlockierung\nSchaltautomat\nSchaltautomat inv. Eingang", "Off\nInterrupteur de sécurité\nBlocage\npar embeillage\npar embeillage inv.", "Vypnut\nKill switch\nBlokování\nClutch master\nClutch master inv. vstup"}},
    // Captions.
    {"LabelSpojeni", Caption, {"No connection with PC", "Keine PC-Verbindung", "Pas de liaison PC", "Není spojení s PC"}}, // ours
    {"LabelFile1", Caption, {"File:", "Datei:", "Fichier:", "Soubor:"}}, // ours
    {"TabSheetRuzne", Caption, {"Miscellaneous", "Verschiedenes", "Divers", "Různé"}}, // ours
    {"TabSheetBike", Caption, {"Bike", "Motorrad", "Moto", "Motocykl"}}, // ours
    {"TabSheetAdvance", Caption, {"Advance Map", "Vorzündungskennfeld", "Carte d´avance", "Mapa předstihu"}}, // ours
    {"TabSheetServo", Caption, {"Servo", "Servo", "Servo", "Servo"}}, // ours
    {"LabelOmez2", Caption, {"Limiter [rpm]", "Begrenzer [U/min]", "Limiteur [tr/min]", "Omezovač [ot/min]"}}, // ours
    {"LabelPilotLight", Caption, {}, varko::Msg::gearShiftLight, " [rpm]"},
    {"LabelClutchTime", Caption, {"Clutch master time [ms]", "Schaltautomat Zeit [ms]", "Temps par embeillage [ms]", "Clutch master čas [ms]"}}, // ours
    {"LabelClutchPause", Caption, {"Clutch master pause [ms]", "Schaltautomat Pause [ms]", "Pause par embeillage [ms]", "Clutch master pauza [ms]"}}, // ours
    {"LabelPocSynchro", Caption, {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Tours sans allumage", "Otáčky bez zápalu"}}, // ours
    {"CheckBoxBuzDlouhe", Caption, {"Excitation Long", "Lange Erregung", "Excitation longue", "Dlouhé buzení"}}, // ours
    {"CheckBoxZakazCteni", Caption, {"No Reading", "Lesen verboten", "Pas de lecture", "Zákaz čtení"}}, // ours
    {"LabelKompenz", Caption, {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "}}, // ours
    {"CheckBoxInNeutralSs", Caption, {"Inputs for neutral side and stand", "Eingänge für Leerlauf und Seitenständer", "Entrées pour point mort et béquille", "Vstupy pro neutrál a stojan"}}, // ours
    {"RadioGroupInput%1", Caption, {}, varko::Msg::input, " %1", 0, 2},
    {"LabelBike", Caption, {"Motorbike type", "Motorradtyp", "Type de moto", "Typ motocyklu"}}, // ours
    {"GroupBoxRpm", Caption, {"Tachometer output", "Drehzahlmesserausgang", "Sortie compte-tours", "Výstup otáčkoměru"}}, // ours
    {"LabelRpmPulsu", Caption, {"Pulses per revolution", "Impulse pro Umdrehung", "Impulsions par tour", "Pulzů na otáčku"}}, // ours
    {"LabelRpmKorekce", Caption, {"Correction [%]", "Korrektur [%]", "Correction [%]", "Korekce [%]"}}, // ours
    {"CheckBoxInvInput%1", Caption, {"Inverse polarity of pick-up", "Umgekehrte Polarität des Gebers", "Polarité inverse du capteur", "Obrácená polarita snímače"}, -1, " %1", 0, 2}, // ours
    {"CheckBoxZamenaPickup", Caption, {"Pickups interchange (pin 9 a 20)", "Geber vertauschen (Pin 9 a 20)", "Echange des capteurs (pin 9 a 20)", "Záměna snímačů (pin 9 a 20)"}}, // ours
    {"CheckBoxNehlidaPalec", Caption, {"No lobe lenght check", "Keine Prüfung der Leitstücklänge", "Pas de contrôle de longueur du lobe", "Nehlídat délku výstupku"}}, // ours
    {"GroupBoxSpecial", Caption, {"Specification of synchronization - Caution - For experienced user only!", "Einstellung der Synchronisation - Vorsicht - Nur für erfahrene Benutzer!", "Synchronisation - Attention - Pour utilisateur expérimenté!", "Nastavení synchronizace - Pozor - Jen pro zkušené uživatele!"}}, // ours
    {"LabelSynchro", Caption, {"Synchronization method", "Synchronisationsmethode", "Méthode de synchronisation", "Způsob synchronizace"}}, // ours
    {"LabelPocPalcu", Caption, {"Number of lobe at rotor", "Anzahl der Leitstücke am Rotor", "Nombre de lobes du rotor", "Počet výstupků na rotoru"}}, // ours
    {"LabelPocKanalu", Caption, {"Number of outputs (coils)", "Anzahl der Ausgänge (Spulen)", "Nombre de sorties (bobines)", "Počet výstupů (cívek)"}}, // ours
    {"GroupBoxPalec%1", Caption, {"Channel", "Kanal", "Canal", "Kanál"}, -1, " %1", 0, 4}, // ours
    {"LabelPalec%1Zac", Caption, {"Maximum advance", "Max. Vorzündung", "Avance maximale", "Maximální předstih"}, -1, "", 0, 4}, // ours
    {"LabelPalec%1End", Caption, {"Start advance", "Startvorzündung", "Avance de départ", "Startovací předstih"}, -1, "", 0, 4}, // ours
    {"LabelLobe", Caption, {"Lobe", "Leitstück", "Lobe", "Výstupek"}}, // ours
    {"LabelHrana2", Caption, {"2nd Edge", "2. Flanke", "2ème flanc", "2. hrana"}}, // ours
    {"LabelSnimac2", Caption, {"2nd Pick-up", "2. Geber", "2ème capteur", "2. snímač"}}, // ours
    {"LabelBaseAdv", Caption, {"Base advance [°]", "Grundvorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}}, // ours
    {"CheckBoxIgnAll", Caption, {"All", "Alle", "Tous", "Vše"}}, // ours
    {"GroupBoxPrivera", Caption, {"Servo", "Servo", "Servo", "Servo"}}, // ours
    {"LabelServoHyster", Caption, {"Servo Hysteresis [mV]", "Servo Hysterese [mV]", "Servo hystérésis [mV]", "Hystereze serva [mV]"}}, // ours
    {"CheckBoxPrivEnable", Caption, {"Servo enable", "Servo ein", "Servo activé", "Servo zapnuto"}}, // ours
    {"CheckBoxServoAll", Caption, {"All", "Alle", "Tous", "Vše"}}, // ours
    {"CheckBoxProgHned", Caption, {"Programming after change", "Sofort programmieren", "Programmer aussitôt", "Programovat po změně"}}, // ours
    // A unit that answers puts its live values over this caption with the next frame.
    {"LabelAdvance%1", Caption, {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}, -1, "", 0, 2}, // ours
    // Hints.
    {"LabelRpm1", Hint, {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute", "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    {"LabelVerze1", HintAndTip, {"Version of program in ignition", "Programmversion in der Zündung", "Version du programme du boitier", "Verze programu v zapalování"}}, // ours
    {"LabelVerze2", HintAndTip, {"Date of program in ignition", "Programmdatum in der Zündung", "Date du programme du boitier", "Datum programu v zapalování"}}, // ours
    {"LabelVerze3", HintAndTip, {"Time of program in ignition", "Programmzeit in der Zündung", "Heure du programme du boitier", "Čas programu v zapalování"}}, // ours
    {"SpeedButton5", HintAndTip, {"Open file with parametrs", "Datei mit Kenndaten öffnen", "Ouvrir fichier des paramètres", "Otevřít soubor s parametry"}}, // ours
    {"MenuOpen", Hint, {"Open file with parametrs", "Datei mit Kenndaten öffnen", "Ouvrir fichier des paramètres", "Otevřít soubor s parametry"}}, // ours
    {"MenuCompareFile", Hint, {"Show how the set differs from a file's, and take its values", "Zeigen, wie sich die Kenndaten von einer Datei unterscheiden, und Werte übernehmen", "Montrer en quoi les paramètres diffèrent d'un fichier, et reprendre ses valeurs", "Ukázat, čím se parametry liší od souboru, a převzít jeho hodnoty"}}, // ours
    {"MenuLivePlot", Hint, {"Speed, throttle, advance and supply voltage against time", "Drehzahl, Drosselklappe, Vorzündung und Versorgungsspannung über der Zeit", "Régime, papillon, avance et tension d´alimentation en fonction du temps", "Otáčky, plyn, předstih a napájecí napětí v čase"}}, // ours
    {"MenuAdvanceCurves", Hint, {"The advance map as curves against speed, one per throttle row", "Das Vorzündungskennfeld als Kurven über der Drehzahl, eine je Drosselklappenzeile", "La carte d´avance en courbes selon le régime, une par ligne de papillon", "Mapa předstihu jako křivky podle otáček, jedna na každý řádek plynu"}}, // ours
    {"LivePlotPause", HintAndTip, {"Hold the plot still; the live data is still kept meanwhile", "Diagramm anhalten; die Live-Daten werden weiter aufgezeichnet", "Figer le graphique; les données en direct restent gardées", "Zastavit graf; živá data se mezitím dál ukládají"}}, // ours
    {"MenuCompareUnit", Hint, {"Read the unit's set without changing the window's, and show how they differ", "Die Kenndaten der Zündung lesen, ohne die des Fensters zu ändern, und die Unterschiede zeigen", "Lire les paramètres du boitier sans changer ceux de la fenêtre, et montrer les différences", "Načíst parametry zapalování beze změny parametrů okna a ukázat rozdíly"}}, // ours
    {"SpeedButton7", HintAndTip, {"Save parametrs to file", "Kenndaten in Datei speichern", "Mémoriser les paramètres", "Uložit parametry do souboru"}}, // ours
    {"MenuSave", Hint, {"Save parametrs to file", "Kenndaten in Datei speichern", "Mémoriser les paramètres", "Uložit parametry do souboru"}}, // ours
    {"SpeedButtonPrint", HintAndTip, {"Print parametrs", "Kenndaten drucken", "Imprimer les paramètres", "Tisk parametrů"}}, // ours
    {"MenuPrint", Hint, {"Print parametrs", "Kenndaten drucken", "Imprimer les paramètres", "Tisk parametrů"}}, // ours
    {"SpeedButton6", HintAndTip, {"Set default parametrs", "Standardeinstellungen setzen", "Programation de base", "Nastavit základní hodnoty"}}, // ours
    {"MenuNew", Hint, {"Set default parameters ", "Standardeinstellungen setzen ", "Programation de base ", "Nastavit základní hodnoty "}}, // ours
    {"BitBtnProgram", HintAndTip, {"Programing  set parametrs to ignition", "Eingestellte Kenndaten in die Zündung programmieren", "Programmer les paramètres dans le boitier", "Naprogramovat nastavené parametry do zapalování"}}, // ours
    {"MenuProgram", Hint, {"Programing  set parametrs to ignition", "Eingestellte Kenndaten in die Zündung programmieren", "Programmer les paramètres dans le boitier", "Naprogramovat nastavené parametry do zapalování"}}, // ours
    {"BitBtnVerify", HintAndTip, {"Compare set parametrs  with parametrs of ignition", "Eingestellte Kenndaten mit der Zündung vergleichen", "Comparer les paramètres avec le boitier", "Porovnat nastavené parametry s parametry zapalování"}}, // ours
    {"MenuVerify", Hint, {"Compare set parametrs  with parametrs of ignition", "Eingestellte Kenndaten mit der Zündung vergleichen", "Comparer les paramètres avec le boitier", "Porovnat nastavené parametry s parametry zapalování"}}, // ours
    {"ButtonRead", HintAndTip, {"Reading parametrs from ignition", "Kenndaten aus der Zündung lesen", "Lire les paramètres du boitier", "Čtení parametrů ze zapalování"}}, // ours
    {"MenuRead", Hint, {"Reading parametrs from ignition", "Kenndaten aus der Zündung lesen", "Lire les paramètres du boitier", "Čtení parametrů ze zapalování"}}, // ours
    {"BitBtnAdvMinus", HintAndTip, {"Take off 1 degree of Advance", "1 Grad Vorzündung weniger", "Enlever 1 degré d´avance", "Ubrat 1 stupeň předstihu"}}, // ours
    {"BitBtnAdvPlus", HintAndTip, {"Add 1 degree of Advance", "1 Grad Vorzündung mehr", "Ajouter 1 degré d´avance", "Přidat 1 stupeň předstihu"}}, // ours
    {"MenuExit", Hint, {"End of program", "Programm beenden", "Fin du programme", "Konec programu"}}, // ours
    {"MenuLanguage", Hint, {"Set English or German or French or Czech ", "Englisch oder Deutsch oder Französisch oder Tschechisch ", "Englais ou Allemand ou Francais ou Tchèque ", "Nastavit anglicky nebo německy nebo francouzsky nebo česky "}}, // ours
    {"MenuCom", Hint, {"Set number of com", "Nummer des COM-Anschlußes", "Numéro de la connection com", "Nastavit číslo portu"}}, // ours
    {"MenuBackupBeforeProgramming", Hint, {"Keep the unit's set in the history before the first programming on a connection", "Kenndaten der Zündung vor dem ersten Programmieren einer Verbindung im Verlauf sichern", "Garder les paramètres du boitier dans l´historique avant la première programmation d´une connexion", "Před prvním programováním na spojení uložit parametry zapalování do historie"}}, // ours
    {"OpenLiveDataLog", Hint, {"Play a recorded live-data log back in the live column", "Ein aufgezeichnetes Live-Daten-Protokoll in der Live-Spalte abspielen", "Rejouer un journal de données en direct dans la colonne en direct", "Přehrát nahraný záznam živých dat ve sloupci živých dat"}}, // ours
    {"RecordLiveData", Hint, {"Write every live-data frame to a CSV file", "Jeden Live-Datenrahmen in eine CSV-Datei schreiben", "Écrire chaque trame de données en direct dans un fichier CSV", "Zapisovat každý rámec živých dat do souboru CSV"}}, // ours
    {"RecordLiveDataButton", HintAndTip, {"Record live data|Start or stop writing the live data to a CSV file", "Live-Daten aufzeichnen|Aufzeichnung der Live-Daten in eine CSV-Datei starten oder beenden", "Enregistrer les données en direct|Démarrer ou arrêter l´écriture des données en direct dans un fichier CSV", "Nahrávat živá data|Spustit nebo ukončit zápis živých dat do souboru CSV"}}, // ours
    {"CheckBoxProgHned", HintAndTip, {"Programing at once after change", "Sofort nach Änderung programmieren", "Programmation immédiate après changement", "Programovat ihned po změně"}}, // ours
    {"MenuMap", Caption, {"&Map", "&Kennfeld", "&Carte", "&Mapa"}}, // ours
    {"MenuMapSet", Caption, {"Set to value...", "Auf Wert setzen...", "Fixer à une valeur...", "Nastavit na hodnotu..."}}, // ours
    {"MenuMapAdd", Caption, {"Add or subtract...", "Addieren oder subtrahieren...", "Ajouter ou soustraire...", "Přičíst nebo odečíst..."}}, // ours
    {"MenuMapScale", Caption, {"Scale by percent...", "Um Prozent ändern...", "Multiplier par un pourcentage...", "Změnit v procentech..."}}, // ours
    {"MenuMapSpeed", Caption, {"Interpolate along speed", "Entlang der Drehzahl interpolieren", "Interpoler selon le régime", "Interpolovat podle otáček"}}, // ours
    {"MenuMapThrottle", Caption, {"Interpolate along throttle", "Entlang der Drosselklappe interpolieren", "Interpoler selon l´accélérateur", "Interpolovat podle plynu"}}, // ours
    {"MenuMapBilinear", Caption, {"Interpolate from the corners", "Aus den Ecken interpolieren", "Interpoler depuis les coins", "Interpolovat z rohů"}}, // ours
    {"MenuMapSmooth", Caption, {"Smooth...", "Glätten...", "Lisser...", "Vyhladit..."}}, // ours
    {"MenuMapCopy", Caption, {"Copy cells", "Zellen kopieren", "Copier les cellules", "Kopírovat buňky"}}, // ours
    {"MenuMapPaste", Caption, {"Paste cells", "Zellen einfügen", "Coller les cellules", "Vložit buňky"}}, // ours
    {"MenuMapSelectAll", Caption, {"Select the whole map", "Ganzes Kennfeld auswählen", "Sélectionner toute la carte", "Vybrat celou mapu"}}, // ours
    {"MenuMapColoursOff", Caption, {"No cell colours", "Keine Zellfarben", "Cellules sans couleurs", "Buňky bez barev"}}, // ours
    {"MenuMapColoursValue", Caption, {"Colour cells by value", "Zellen nach Wert färben", "Colorer selon la valeur", "Barvit podle hodnoty"}}, // ours
    {"MenuMapColoursTime", Caption, {"Colour cells by engine time", "Zellen nach Motorzeit färben", "Colorer selon le temps moteur", "Barvit podle času motoru"}}, // ours
    {"MenuMapResetTime", Caption, {"Reset engine time", "Motorzeit zurücksetzen", "Remettre le temps moteur à zéro", "Vynulovat čas motoru"}}, // ours
    {"MenuMapSpeed", Hint, {"Each row of the selection in a straight line from its left to its right cell", "Jede Zeile der Auswahl gerade von ihrer linken bis zur rechten Zelle", "Chaque ligne de la sélection en ligne droite de sa cellule gauche à sa droite", "Každý řádek výběru přímkou od levé k pravé buňce"}}, // ours
    {"MenuMapThrottle", Hint, {"Each column of the selection in a straight line from its top to its bottom cell", "Jede Spalte der Auswahl gerade von ihrer oberen bis zur unteren Zelle", "Chaque colonne de la sélection en ligne droite de sa cellule haute à sa basse", "Každý sloupec výběru přímkou od horní k dolní buňce"}}, // ours
    {"MenuMapBilinear", Hint, {"The selection from its four corner cells", "Die Auswahl aus ihren vier Eckzellen", "La sélection depuis ses quatre cellules de coin", "Výběr ze čtyř rohových buněk"}}, // ours
    {"MenuMapColoursTime", Hint, {"Colour each cell by how long the engine ran there", "Jede Zelle danach färben, wie lange der Motor dort lief", "Colorer chaque cellule selon le temps passé par le moteur", "Obarvit buňky podle toho, jak dlouho tam motor běžel"}}, // ours
    // No-data texts of the live labels.
    {"LabelMonInput%1In", LiveCaption, {}, varko::Msg::input, " %1: ---", 0, 2},
    {"LabelPocetProgramovani", LiveCaption, {}, varko::Msg::programCount, "---"},
    {"LabelAdvance%1", LiveCaption, {}, varko::Msg::advance, " %1 = --- [\xB0]", 0, 4},
    {"LabelMonSnimac%1", LiveCaption, {}, varko::Msg::pickup, " %1 = ---", 0, 2},
    {"LabelPriveraPoz", LiveCaption, {}, varko::Msg::servoDesired, " ---"},
    {"LabelPriveraMer", LiveCaption, {}, varko::Msg::servoMeasured, " ---"},
    {"LabelBlocking1", LiveCaption, {}, varko::Msg::motorOff, " - ---"},
    {"LabelMonPilotLight", LiveCaption, {}, varko::Msg::gearShiftLight, " - ---"},
    {"LabelClutchMon", LiveCaption, {}, varko::Msg::clutchMaster, " - ---"},
    {"LabelKillSwitch", LiveCaption, {}, varko::Msg::killSwitch, ": ---"},
};
// clang-format on

// Rows of their own text hold it in every language.
constexpr bool everyLanguageFilled() {
    for (const TableRow& row : kTextTable) {
        if (row.message >= 0)
            continue;
        for (const char* text : row.text)
            if (text == nullptr || *text == '\0')
                return false;
    }
    return true;
}
static_assert(everyLanguageFilled(), "a text row lacks a language");

// The history's texts: its dialog is a window of its own, and the note on the status bar.
// clang-format off
constexpr varko::TextRow kHistoryTexts[] = {
    {"History", "Verlauf", "Historique", "Historie"}, // ours
    {"When", "Wann", "Quand", "Kdy"}, // ours
    {"What", "Was", "Quoi", "Co"}, // ours
    {"Unit", "Zündbox", "Boîtier", "Jednotka"}, // ours
    {"Open file", "Geöffnete Datei", "Fichier ouvert", "Otevřený soubor"}, // ours
    {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}, // ours
    {"Cancel", "Abbrechen", "Annuler", "Zrušit"}, // ours
    {"read", "gelesen", "lu", "přečteno"}, // ours
    {"programmed", "programmiert", "programmé", "naprogramováno"}, // ours
    {"before programming", "vor dem Programmieren", "avant la programmation", "před programováním"}, // ours
    {"The set could not be kept in the history.", "Die Kenndaten konnten nicht im Verlauf gespeichert werden.", "Les paramètres n´ont pas pu être gardés dans l´historique.", "Parametry se nepodařilo uložit do historie."}, // ours
};
// clang-format on
static_assert(std::size(kHistoryTexts) == std::size_t(HistoryText::NotKept) + 1);

// The live plot's and the advance-curve chart's own texts.
// clang-format off
constexpr varko::TextRow kChartTexts[] = {
    {"Speed [rpm]", "Drehzahl [U/min]", "Régime [tr/min]", "Otáčky [ot/min]"}, // ours
    {"Throttle [%]", "Drosselklappe [%]", "Papillon [%]", "Plyn [%]"}, // ours
    {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}, // ours
    {"Advance %1 [°]", "Vorzündung %1 [°]", "Avance %1 [°]", "Předstih %1 [°]"}, // ours
    {"Supply [V]", "Versorgung [V]", "Alimentation [V]", "Napájení [V]"}, // ours
    {"Time [s]", "Zeit [s]", "Temps [s]", "Čas [s]"}, // ours
    {"%1 % throttle", "%1 % Drosselklappe", "%1 % papillon", "%1 % plynu"}, // ours
    {"PNG image|*.png", "PNG-Bild|*.png", "Image PNG|*.png", "Obrázek PNG|*.png"}, // ours
    {"The image could not be saved.", "Das Bild konnte nicht gespeichert werden.", "L´image n´a pas pu être enregistrée.", "Obrázek se nepodařilo uložit."}, // ours
};
// clang-format on
static_assert(std::size(kChartTexts) == std::size_t(ChartText::SaveFailed) + 1);
// The texts of recording and replaying live data.
// clang-format off
constexpr varko::TextRow kLiveLogTexts[] = {
    {"Live-data logs (*.csv)|*.csv|All files|*.*", "Live-Daten-Protokolle (*.csv)|*.csv|Alle Dateien|*.*", "Journaux de données en direct (*.csv)|*.csv|Tous les fichiers|*.*", "Záznamy živých dat (*.csv)|*.csv|Všechny soubory|*.*"}, // ours
    {"Recording %1 s, %2 frames", "Aufzeichnung %1 s, %2 Rahmen", "Enregistrement %1 s, %2 trames", "Nahrávání %1 s, %2 rámců"}, // ours
    {"The live data cannot be written to %1: %2", "Die Live-Daten können nicht in %1 geschrieben werden: %2", "Impossible d´écrire les données en direct dans %1 : %2", "Živá data nelze zapsat do %1: %2"}, // ours
    {"Recording stopped after %1 s, %2 frames: %3", "Aufzeichnung nach %1 s, %2 Rahmen beendet: %3", "Enregistrement arrêté après %1 s, %2 trames : %3", "Nahrávání zastaveno po %1 s, %2 rámcích: %3"}, // ours
    {"the file was deleted or replaced", "die Datei wurde gelöscht oder ersetzt", "le fichier a été supprimé ou remplacé", "soubor byl smazán nebo nahrazen"}, // ours
    {"Reading %1 ...", "%1 wird gelesen ...", "Chargement de %1 ...", "Načítání %1 ..."}, // ours
    {"%1 is larger than %2 MB, more than any live-data log.", "%1 ist größer als %2 MB, mehr als jedes Live-Daten-Protokoll.", "%1 dépasse %2 Mo, plus que tout journal de données en direct.", "%1 je větší než %2 MB, více než jakýkoli záznam živých dat."}, // ours
    {"%1 cannot be read: %2", "%1 kann nicht gelesen werden: %2", "Impossible de lire %1 : %2", "%1 nelze přečíst: %2"}, // ours
    {"%1 is not a live-data log.", "%1 ist kein Live-Daten-Protokoll.", "%1 n´est pas un journal de données en direct.", "%1 není záznam živých dat."}, // ours
    {"The log holds no live-data frames.", "Das Protokoll enthält keine Live-Datenrahmen.", "Le journal ne contient aucune trame de données en direct.", "Záznam neobsahuje žádné rámce živých dat."}, // ours
    {"Line %1 is malformed and was skipped.", "Zeile %1 ist fehlerhaft und wurde übersprungen.", "La ligne %1 est mal formée et a été ignorée.", "Řádek %1 je chybný a byl přeskočen."}, // ours
    {"%1 more malformed lines were skipped.", "%1 weitere fehlerhafte Zeilen wurden übersprungen.", "%1 autres lignes mal formées ont été ignorées.", "Dalších %1 chybných řádků bylo přeskočeno."}, // ours
    {"The log was recorded from a unit of protocol version %1; this program speaks version %2.", "Das Protokoll stammt von einer Zündung mit Protokollversion %1; dieses Programm spricht Version %2.", "Le journal provient d´un boitier de version de protocole %1 ; ce programme parle la version %2.", "Záznam pochází ze zapalování s verzí protokolu %1; tento program používá verzi %2."}, // ours
    {"Replaying %1", "Wiedergabe von %1", "Lecture de %1", "Přehrávání %1"}, // ours
    {"Play", "Abspielen", "Lecture", "Přehrát"}, // ours
    {"Pause", "Pause", "Pause", "Pozastavit"}, // ours
    {"Stop replay", "Wiedergabe beenden", "Arrêter la lecture", "Ukončit přehrávání"}, // ours
};
// clang-format on
static_assert(std::size(kLiveLogTexts) == std::size_t(LiveLogText::StopReplay) + 1);
// The map's own texts: its cells' hints, the bulk edit's dialog and the paste's messages.
// clang-format off
constexpr varko::TextRow kMapTexts[] = {
    {"Ctrl+arrows: next cell, Shift+arrows: extend the selection, Up/Down: step the value", "Strg+Pfeile: nächste Zelle, Umschalt+Pfeile: Auswahl erweitern, Auf/Ab: Wert ändern", "Ctrl+flèches: cellule suivante, Maj+flèches: étendre la sélection, Haut/Bas: changer la valeur", "Ctrl+šipky: další buňka, Shift+šipky: rozšířit výběr, Nahoru/Dolů: změnit hodnotu"}, // ours
    {"Engine here: %1 frames, %2 s", "Motor hier: %1 Rahmen, %2 s", "Moteur ici: %1 trames, %2 s", "Motor zde: %1 rámců, %2 s"}, // ours
    {"New value [°]:", "Neuer Wert [°]:", "Nouvelle valeur [°]:", "Nová hodnota [°]:"}, // ours
    {"Degrees to add (negative subtracts):", "Grad dazu (negativ: weniger):", "Degrés à ajouter (négatif: soustraire):", "Stupně k přičtení (záporné odečte):"}, // ours
    {"Percent of the present value [%]:", "Prozent des jetzigen Werts [%]:", "Pourcentage de la valeur actuelle [%]:", "Procento současné hodnoty [%]:"}, // ours
    {"How far towards the neighbours' mean [%]:", "Wie weit zum Mittel der Nachbarn [%]:", "Jusqu´où vers la moyenne des voisines [%]:", "Jak daleko k průměru sousedů [%]:"}, // ours
    {"%1 of %2 cells change", "%1 von %2 Zellen ändern sich", "%1 cellules sur %2 changent", "Změní se %1 z %2 buněk"}, // ours
    {"The clipboard holds no map cells: line %1, field %2 is not a number. Nothing was changed.", "Die Zwischenablage enthält keine Kennfeldzellen: Zeile %1, Feld %2 ist keine Zahl. Nichts wurde geändert.", "Le presse-papiers ne contient pas de cellules: ligne %1, champ %2 n´est pas un nombre. Rien n´a changé.", "Schránka neobsahuje buňky mapy: řádek %1, pole %2 není číslo. Nic se nezměnilo."}, // ours
    {"%1 pasted values did not fit the selection and were left out.", "%1 eingefügte Werte passten nicht in die Auswahl und wurden weggelassen.", "%1 valeurs collées ne tenaient pas dans la sélection et ont été omises.", "%1 vložených hodnot se nevešlo do výběru a bylo vynecháno."}, // ours
    {"%1 pasted values lay outside 0..60 and were set to the nearer limit.", "%1 eingefügte Werte lagen außerhalb 0..60 und wurden auf die nähere Grenze gesetzt.", "%1 valeurs collées étaient hors de 0..60 et ont été ramenées à la limite la plus proche.", "%1 vložených hodnot leželo mimo 0..60 a bylo nastaveno na bližší mez."}, // ours
};
// clang-format on
static_assert(std::size(kMapTexts) == std::size_t(MapText::BroughtIntoRange) + 1);

// The about box is a window of its own; only its caption follows the language.
constexpr const char* kAboutBoxCaptions[kLanguageCount] = {"About VARKO", "Über Programm VARKO",
                                                           "Information VARKO", "O programu VARKO"};

QString rowText(const TableRow& row, Language language) {
    if (row.message >= 0) {
        return varko::messageText(row.message, language);
    }
    return varko::textIn(row.text, language);
}

void setCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* dock = qobject_cast<QDockWidget*>(target)) {
        dock->setWindowTitle(text);
    } else if (auto* window = qobject_cast<QMainWindow*>(target)) {
        window->setWindowTitle(text);
    } else if (auto* page = qobject_cast<QWidget*>(target)) {
        // A notebook page: its caption is the text of its tab.
        for (QObject* up = page->parent(); up != nullptr; up = up->parent()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
                tabs->setTabText(tabs->indexOf(page), text);
                break;
            }
        }
    }
}

void setRadioItems(QObject* target, const QString& lines) {
    const QStringList items = lines.split('\n');
    const auto buttons = target->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < buttons.size() && i < items.size(); ++i) {
        buttons[i]->setText(items[i]);
    }
}

void applyRow(QMainWindow* window, const TableRow& row, const QString& name, const QString& text) {
    QObject* target = namedControl(window, name);
    if (target == nullptr)
        return;
    switch (row.target) {
    case Caption:
        setCaption(target, text);
        break;
    case Hint:
    case HintAndTip:
        setHint(target, text, row.target == HintAndTip);
        break;
    case ListEntry:
        if (auto* list = qobject_cast<QComboBox*>(target)) {
            list->setItemText(row.entry, text);
        }
        break;
    case RadioItems:
        setRadioItems(target, text);
        break;
    case LiveCaption:
        setCaption(target, text);
        break;
    }
}

// Calls apply(name, number) for each control a row names: once, or once per number 1..count.
template <typename Apply> void forEachRowControl(const TableRow& row, Apply apply) {
    const QString name = QString::fromLatin1(row.name);
    if (row.count == 0) {
        apply(name, QString());
        return;
    }
    for (int n = 1; n <= row.count; ++n) {
        const QString number = QString::number(n);
        apply(QString(name).replace("%1", number), number);
    }
}

// Applies the rows wanted(row) picks, in the table's order.
template <typename Wanted>
void applyRows(QMainWindow* window, Language language, const Wanted& wanted) {
    for (const TableRow& row : kTextTable) {
        if (!wanted(row))
            continue;
        const QString text = rowText(row, language);
        const QString suffix = QString::fromLatin1(row.suffix);
        forEachRowControl(row, [&](const QString& name, const QString& number) {
            applyRow(window, row, name, text + QString(suffix).replace("%1", number));
        });
    }
}

} // namespace

void applyTexts(QMainWindow* window, Language language) {
    // While the unit answers, the live labels show its values, not their no-data texts.
    const auto* connectionLabel = namedControl<QWidget>(window, "LabelSpojeni");
    const bool noConnection = connectionLabel != nullptr && !connectionLabel->isHidden();
    applyRows(window, language, [noConnection](const TableRow& row) {
        return noConnection || row.target != LiveCaption;
    });
    if (auto* plot = window->findChild<LivePlot*>())
        plot->setLanguage(language);
    if (auto* chart = window->findChild<AdvanceCurveChart*>())
        chart->setLanguage(language);
}

void applyNoDataTexts(QMainWindow* window, Language language) {
    applyRows(window, language, [](const TableRow& row) { return row.target == LiveCaption; });
}

QString aboutBoxCaption(Language language) {
    return QString::fromUtf8(kAboutBoxCaptions[columnOf(language)]);
}

QString historyText(HistoryText text, Language language) {
    return varko::textIn(kHistoryTexts[static_cast<std::size_t>(text)], language);
}

QString chartText(ChartText text, Language language) {
    return varko::textIn(kChartTexts[static_cast<std::size_t>(text)], language);
}

QString liveLogText(LiveLogText text, Language language) {
    return varko::textIn(kLiveLogTexts[static_cast<std::size_t>(text)], language);
}

QString mapText(MapText text, Language language) {
    return varko::textIn(kMapTexts[static_cast<std::size_t>(text)], language);
}

QStringList textControlNames() {
    QStringList names;
    for (const TableRow& row : kTextTable)
        forEachRowControl(row, [&names](const QString& name, const QString&) { names << name; });
    return names;
}

void setHint(QObject* target, const QString& hint, bool withTooltip) {
    const qsizetype bar = hint.indexOf('|');
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    const QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        target = menu->menuAction();
    }
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setStatusTip(longPart);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setStatusTip(longPart);
        if (withTooltip) {
            widget->setToolTip(shortPart);
        }
    }
}
