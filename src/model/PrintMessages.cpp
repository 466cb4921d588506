#include "model/PrintMessages.h"

#include "model/Messages.h"

#include <array>

namespace varko {
namespace {

// clang-format off
const TextRow kNoPrinter = {
    "No default printer is set up on this computer, so the window cannot be printed.\nSave the printout as a PDF file instead?",
    "Auf diesem Rechner ist kein Standarddrucker eingerichtet, das Fenster kann nicht gedruckt werden.\nDen Ausdruck stattdessen als PDF-Datei speichern?",
    "Aucune imprimante par défaut n'est définie sur cet ordinateur, la fenêtre ne peut pas être imprimée.\nEnregistrer l'impression dans un fichier PDF à la place ?",
    "Na tomto počítači není nastavena výchozí tiskárna, okno nelze vytisknout.\nUložit výtisk místo toho do souboru PDF?",
}; // ours
const TextRow kPrintFailed = {
    "The printer %1 did not take the printout:\n%2\nSave the printout as a PDF file instead?",
    "Der Drucker %1 hat den Ausdruck nicht angenommen:\n%2\nDen Ausdruck stattdessen als PDF-Datei speichern?",
    "L'imprimante %1 n'a pas accepté l'impression :\n%2\nEnregistrer l'impression dans un fichier PDF à la place ?",
    "Tiskárna %1 výtisk nepřijala:\n%2\nUložit výtisk místo toho do souboru PDF?",
}; // ours
const TextRow kPdfNotWritten = {
    "The PDF file %1 could not be written.",
    "Die PDF-Datei %1 konnte nicht geschrieben werden.",
    "Le fichier PDF %1 n'a pas pu être écrit.",
    "Soubor PDF %1 nelze zapsat.",
}; // ours
// clang-format on

} // namespace

QString printStamp(Language language, const QDateTime& when, const QLocale& locale) {
    return messageText(Msg::printDateTime, language) +
           locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
           locale.toString(when.time(), QLocale::LongFormat);
}

QString noPrinterText(Language language) {
    return textIn(kNoPrinter, language);
}

QString printFailedText(const QString& printer, const QString& reason, Language language) {
    return textIn(kPrintFailed, language).arg(printer, reason);
}

QString pdfNotWrittenText(const QString& path, Language language) {
    return textIn(kPdfNotWritten, language).arg(path);
}

} // namespace varko
