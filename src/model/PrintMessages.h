#pragma once
// The printout's stamp and what the user is told when printing fails, in the four languages.

#include "model/Language.h"
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

namespace varko {

// The status line of a printout: the language's lead-in, the date in the locale's short format,
// four blanks, the time in the locale's long format.
QString printStamp(Language language, const QDateTime& when, const QLocale& locale);

// No default printer is set up (or none at all); asks whether to save the printout as a PDF file
// instead.
QString noPrinterText(Language language);

// The printer did not take the printout, for the reason its system gives; asks whether to save
// the printout as a PDF file instead.
QString printFailedText(const QString& printer, const QString& reason, Language language);

// The PDF file chosen for the printout could not be written.
QString pdfNotWrittenText(const QString& path, Language language);

} // namespace varko
