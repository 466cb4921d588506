#pragma once
// Taking the printout's pages from the window. For the printout the window goes into its
// printing state: the stamp in the status line on white, the focus on the Verify button so no
// value field shows a caret, and the display rules without the controls of interactive use and
// live data. Leaving it, on every path, brings the window back as it was.

#include "model/Language.h"
#include <QList>
#include <QPicture>
#include <cstdint>
#include <functional>

class FormBinder;
class QMainWindow;
struct MainWindowUi;
namespace varko {
class LinkEngine;
}

// What a printout is taken from: the window, its form, and the link whose status line carries
// the printout's stamp.
struct PrintedWindow {
    QMainWindow& window;
    MainWindowUi& ui;
    FormBinder& form;
    varko::LinkEngine& link;
    varko::Language language;
};

enum class PrintScope {
    ShownPage, // the window as it looks
    AllPages,  // the four pages in turn, each alone in front
};

// Sends one page to print as soon as it is taken; false when it was not printed.
using PagePrinter = std::function<bool(const QPicture& page)>;

// The pages of the printout, in order. Each goes to print while the window shows it; after a
// page that was not printed the later ones are taken but not printed. The stamp stays in the
// status line for its display time only when every page was printed; without a printer every
// page is taken and the window shows nothing of the printout afterwards.
QList<QPicture> takePrintout(const PrintedWindow& subject, PrintScope scope,
                             const PagePrinter& print);
