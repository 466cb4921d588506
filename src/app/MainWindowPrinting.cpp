// The main window's part in printing: its printing state, the tabs of Print all, and the window
// a printout is taken from without the program running.

#include "app/MainWindow.h"
#include "app/WindowLink.h"

#include "ui/ControlTables.h"

#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

using namespace varko;

void MainWindow::startForPrintout(const ParamImage& image, const QString& file,
                                  std::uint8_t language) {
    buildControlTables(this, ui);
    link = std::make_unique<WindowLink>(*this, ui, settings, unitTexts);
    settings.language = language;
    applyTexts();
    // As Open leaves the window.
    paramImage = image;
    normalizeImage();
    passThroughControls();
    ui.fileLabel->setText(file);
    ui.statusLabel->hide();
    ui.programGauge->hide();
    ui.dataErrorLabel->hide();
    ui.versionWarningLabel->hide();
    for (QLabel* label : ui.testLabels)
        label->hide();
}

void MainWindow::setPrinting(bool on) {
    printing = on;
    link->engine().setPrinting(on);
    applyDisplayRules();
}

void MainWindow::showOnlyTab(int page) {
    withoutHandlers([this, page] {
        ui.pageControl->setTabVisible(page, true);
        ui.pageControl->setCurrentIndex(page);
        for (int other = 0; other < ui.pageControl->count(); ++other)
            ui.pageControl->setTabVisible(other, other == page);
    });
}

void MainWindow::showEveryTab() {
    withoutHandlers([this] {
        for (int page = 0; page < ui.pageControl->count(); ++page)
            ui.pageControl->setTabVisible(page, true);
    });
}

QList<QPicture> MainWindow::takePrintout(PrintScope scope, const PagePrinter& print) {
    return ::takePrintout(*this, ui, scope, print);
}
