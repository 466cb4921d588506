#include "app/PrintMenu.h"

#include "document/Document.h"
#include "model/PrintMessages.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"
#include "ui/PagePainting.h"
#include "ui/Printers.h"

#include <QAction>
#include <QMainWindow>

using namespace varko;

PrintMenu::PrintMenu(QMainWindow& window, MainWindowUi& ui, const Document& document,
                     PrintoutTaker takePrintout)
    : QObject(&window), window_(window), document_(document),
      takePrintout_(std::move(takePrintout)) {
    connect(ui.menu.print, &QAction::triggered, this, &PrintMenu::print);
    connect(ui.menu.printAll, &QAction::triggered, this, &PrintMenu::printAll);
    pdfDialog_.kind = FileDialog::Kind::Save;
    pdfDialog_.filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    pdfDialog_.defaultExt = QStringLiteral("pdf");
}

void PrintMenu::print() {
    printOut(PrintScope::ShownPage);
}

void PrintMenu::printAll() {
    printOut(PrintScope::AllPages);
}

void PrintMenu::printOut(PrintScope scope) {
    Printers& printers = Printers::current();
    const QString printer = printers.defaultPrinter();
    const Language language = document_.language();
    if (printer.isEmpty()) {
        // Said before the window changes at all.
        offerPdf(noPrinterText(language), [&] { return takePrintout_(scope, {}); });
        return;
    }
    QString failure;
    const QString title = window_.windowTitle();
    const QList<QPicture> pages = takePrintout_(scope, [&](const QPicture& page) {
        failure = printers.printPage(page, title);
        return failure.isEmpty();
    });
    if (!failure.isEmpty())
        offerPdf(printFailedText(printer, failure, language), [&] { return pages; });
}

void PrintMenu::offerPdf(const QString& question, const std::function<QList<QPicture>()>& pages) {
    if (MessageBoxes::current().ask(&window_, question) != MessageBoxes::Answer::Yes)
        return;
    if (!FileDialogs::current().execute(&window_, pdfDialog_))
        return;
    if (!writePdfFile(pdfDialog_.fileName, pages()))
        MessageBoxes::current().warn(&window_,
                                     pdfNotWrittenText(pdfDialog_.fileName, document_.language()));
}
