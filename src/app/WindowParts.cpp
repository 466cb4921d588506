#include "app/WindowParts.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "model/FormMapping.h"
#include "ui/ControlTables.h"
#include "ui/FormBinder.h"
#include "ui/MapCellGrid.h"
#include "ui/QtTexts.h"
#include "ui/Texts.h"
#include "ui/WindowBuilder.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>

using namespace varko;

WindowParts::WindowParts(QMainWindow& window)
    : window_(window), document_(new Document(&window)), qtTexts_(new QtTexts(&window)) {
    buildMainWindow(&window, ui);
    buildControlTables(&window, ui);
    // Before the form follows the language: new list texts may leave a list without its
    // selection, which the form's showing then chooses again.
    QObject::connect(document_, &Document::languageChanged, document_, [this] { applyTexts(); });
    form_ = new FormBinder(window, ui, *document_);
    link_ = std::make_unique<WindowLink>(window, ui, *document_, *form_); // with the port menu
    ui.statusLabel->hide();
    ui.programGauge->hide();
    ui.programGauge->setMaximum(2);
    ui.dataErrorLabel->hide();
    ui.versionWarningLabel->hide();
    for (QLabel* label : ui.testLabels)
        label->hide();
}

WindowParts::~WindowParts() = default;

void WindowParts::applyTexts() {
    const Language language = document_->language();
    // The group unticks the others.
    ui.menu.languages[columnOf(language)]->setChecked(true);
    // Without Qt's translation its own texts stay English: not worth a word at every change.
    qtTexts_->use(language);
    ::applyTexts(&window_, language);
    ui.mapCells->setHintTexts(mapText(MapText::MovingHint, language),
                              mapText(MapText::TimeAtCell, language));
}

void WindowParts::showForPrintout(const ParamImage& image, const QString& file, Language language) {
    document_->setLanguage(language);
    ParamImage opened = image;
    takeAsWindowOpens(opened, document_->testMode());
    document_->startWith(opened);
    ui.fileLabel->setText(file);
}

QList<QPicture> WindowParts::takePrintout(PrintScope scope, const PagePrinter& print) {
    return ::takePrintout({window_, ui, *form_, link_->engine(), document_->language()}, scope,
                          print);
}
