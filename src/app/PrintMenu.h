#pragma once
// Print and Print all: the window as the parameter record on the default printer, without a
// dialog. When no printer is set up or the printer does not take a page, the user is told why
// and may save the printout as a PDF file instead.

#include "app/Printout.h"
#include "ui/FileDialogs.h"

#include <QObject>

class QMainWindow;
struct MainWindowUi;
namespace varko {
class Document;
}

class PrintMenu final : public QObject {
    Q_OBJECT
public:
    // Connects File > Print, its toolbar button and File > Print all.
    // takePrintout takes the window's pages (see takePrintout in Printout.h).
    using PrintoutTaker = std::function<QList<QPicture>(PrintScope, const PagePrinter&)>;
    PrintMenu(QMainWindow& window, MainWindowUi& ui, const varko::Document& document,
              PrintoutTaker takePrintout);

    void print();
    void printAll();

private:
    void printOut(PrintScope scope);
    // Asks the question; on yes, the save dialog and the pages into the chosen file.
    void offerPdf(const QString& question, const std::function<QList<QPicture>()>& pages);

    QMainWindow& window_;
    const varko::Document& document_;
    PrintoutTaker takePrintout_;
    // Starts where the last PDF went.
    FileDialog pdfDialog_;
};
