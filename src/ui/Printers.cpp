#include "ui/Printers.h"

#include "ui/PagePainting.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#ifdef VARKO_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace {

const char* const kCannotDraw = "The print job could not be prepared.";

#ifdef VARKO_HAVE_CUPS
// Qt's own CUPS path hands the job over without looking at the answer, so a queue that refuses
// it would go unnoticed: the page goes through a PDF file laid out for the printer's page, and
// the job is submitted here, where the answer is seen.
QString printOnPrinter(const QPrinterInfo& info, const QPicture& page, const QString& title) {
    const QPageLayout layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    QTemporaryFile file;
    if (!file.open())
        return QString::fromUtf8(kCannotDraw);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file.fileName());
    printer.setPageLayout(layout);
    printer.setDocName(title);
    if (!paintPages(printer, {page}))
        return QString::fromUtf8(kCannotDraw);
    const int job = cupsPrintFile(info.printerName().toLocal8Bit().constData(),
                                  file.fileName().toLocal8Bit().constData(),
                                  title.toLocal8Bit().constData(), 0, nullptr);
    return job == 0 ? QString::fromLocal8Bit(cupsLastErrorString()) : QString();
}
#else
// Elsewhere the platform's own print path tells what it can.
QString printOnPrinter(const QPrinterInfo& info, const QPicture& page, const QString& title) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    if (!paintPages(printer, {page}) || printer.printerState() == QPrinter::Error)
        return QString::fromUtf8(kCannotDraw);
    return {};
}
#endif

class PlatformPrinters final : public Printers {
public:
    QString defaultPrinter() override { return QPrinterInfo::defaultPrinter().printerName(); }

    QString printPage(const QPicture& page, const QString& title) override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return QStringLiteral("No printer is set up.");
        return printOnPrinter(info, page, title);
    }
};

PlatformPrinters platformPrinters;
Printers* installedPrinters = nullptr;

} // namespace

Printers& Printers::current() {
    return installedPrinters != nullptr ? *installedPrinters : platformPrinters;
}

void Printers::install(Printers* printers) {
    installedPrinters = printers;
}
