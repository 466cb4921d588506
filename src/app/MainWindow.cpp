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
#include "app/ProgramWindow.h"
#include "app/SaveAndUnitFields.h"
#include "app/UndoControls.h"
#include "app/WindowHistory.h"
#include "app/WindowLink.h"

#include "document/Document.h"

#include <QAction>
#include <QLabel>

using namespace varko;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), parts_(*this), ui(parts_.ui), document_(parts_.document()) {}

MainWindow::~MainWindow() = default;

std::unique_ptr<QMainWindow> startProgramWindow(const QStringList& arguments,
                                                const OutsideRequests& outside) {
    auto window = std::make_unique<MainWindow>();
    window->startUp(arguments, outside);
    return window;
}

void MainWindow::connectWindow() {
    new FormEdits(*this, ui, parts_.form(), document_, [this] { focusNextChild(); });
    fileFlows = new FileFlows(*this, ui, document_, parts_.form(), parts_.link());
    new WindowHistory(*this, ui.menu.history, document_, parts_.link(), *fileFlows);
    auto* compareFlows = new CompareFlows(*this, ui, document_);
    new LiveCharts(*this, ui, document_, parts_.link());
    new UndoControls(*this, ui, document_);
    new EditingTools(*this, ui, document_, parts_.form(), parts_.link());
    new MapWorkbench(*this, ui, document_, parts_.form(), parts_.link());
    new HelpMenu(*this, ui, document_); // with the about box
    new PrintMenu(*this, ui, document_, [this](PrintScope scope, const PagePrinter& print) {
        return parts_.takePrintout(scope, print);
    });
    new SaveAndUnitFields(*this, document_);
    connect(ui.menu.exit, &QAction::triggered, this, &QWidget::close);
    for (int l = 0; l < kLanguageCount; ++l) {
        connect(ui.menu.languages[l], &QAction::triggered, &document_,
                [this, l] { document_.setLanguage(languageNumber(l)); });
    }
    connect(&document_, &Document::fileChanged, ui.fileLabel,
            [this] { ui.fileLabel->setText(document_.file()); });
    connect(&document_, &Document::programRequested, &parts_.link(), &WindowLink::startAutoProgram);
    connect(fileFlows, &FileFlows::comparisonAsked, compareFlows, &CompareFlows::showComparison);
    connect(&parts_.link(), &WindowLink::unitSetToCompare, compareFlows,
            &CompareFlows::showComparison);
}
