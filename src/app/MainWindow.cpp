#include "app/MainWindow.h"
#include "app/CompareFlows.h"
#include "app/EditingTools.h"
#include "app/FileFlows.h"
#include "app/FormEdits.h"
#include "app/HelpMenu.h"
#include "app/LiveCharts.h"
#include "app/LiveReplayDriver.h"
#include "app/MapWorkbench.h"
#include "app/PrintMenu.h"
#include "app/SaveAndUnitFields.h"
#include "app/UndoControls.h"
#include "app/WindowHistory.h"
#include "app/WindowLink.h"

#include "document/Document.h"
#include "ui/ControlTables.h"
#include "ui/FormBinder.h"
#include "ui/MapCellGrid.h"
#include "ui/Texts.h"
#include "ui/WindowBuilder.h"

#include <QAction>
#include <QLabel>

using namespace varko;

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // A child announces itself to event(), which reads the members: only once they all exist.
    document_ = new Document(this);
    buildMainWindow(this, ui);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildParts() {
    buildControlTables(this, ui);
    // Before the form follows the language: new list texts may leave a list without its
    // selection, which the form's showing then chooses again.
    connect(document_, &Document::languageChanged, this, &MainWindow::applyTexts);
    form_ = new FormBinder(*this, ui, *document_);
    link = std::make_unique<WindowLink>(*this, ui, *document_, *form_); // with the port menu
}

void MainWindow::connectWindow() {
    edits_ = new FormEdits(*this, ui, *form_, *document_, [this] { focusNextChild(); });
    fileFlows = new FileFlows(*this, ui, *document_, *form_, *link);
    new WindowHistory(*this, ui.menu.history, *document_, *link, *fileFlows);
    compareFlows = new CompareFlows(*this, ui, *document_);
    new LiveCharts(*this, ui, *document_, *link);
    new UndoControls(*this, ui, *document_);
    new EditingTools(*this, ui, *document_, *form_, *link);
    new MapWorkbench(*this, ui, *document_, *form_, *link);
    new HelpMenu(*this, ui, *document_); // with the about box
    new PrintMenu(*this, ui, *document_, [this](PrintScope scope, const PagePrinter& print) {
        return takePrintout(scope, print);
    });
    new SaveAndUnitFields(*this, *document_);
    connect(ui.menu.exit, &QAction::triggered, this, &QWidget::close);
    for (int l = 0; l < kLanguageCount; ++l) {
        connect(ui.menu.languages[l], &QAction::triggered, document_,
                [this, l] { document_->setLanguage(static_cast<std::uint8_t>(l)); });
    }
    connect(document_, &Document::fileChanged, ui.fileLabel,
            [this] { ui.fileLabel->setText(document_->file()); });
    connect(document_, &Document::programRequested, link.get(), &WindowLink::startAutoProgram);
    connect(fileFlows, &FileFlows::comparisonAsked, compareFlows, &CompareFlows::showComparison);
    connect(link.get(), &WindowLink::unitSetToCompare, compareFlows, &CompareFlows::showComparison);
}

void MainWindow::applyTexts() {
    const std::uint8_t language = document_->language();
    if (language < kLanguageCount) // the group unticks the others
        ui.menu.languages[language]->setChecked(true);
    ::applyTexts(this, language);
    ui.mapCells->setHintTexts(mapText(MapText::MovingHint, language),
                              mapText(MapText::TimeAtCell, language));
}

QList<QPicture> MainWindow::takePrintout(PrintScope scope, const PagePrinter& print) {
    return ::takePrintout({*this, ui, *form_, link->engine(), document_->language()}, scope, print);
}
