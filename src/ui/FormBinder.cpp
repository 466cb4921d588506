#include "ui/FormBinder.h"

#include "document/Document.h"
#include "model/DisplayRules.h"
#include "model/Presets.h"
#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/NumberPair.h"
#include "ui/UiRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QTabWidget>

using namespace varko;

FormBinder::FormBinder(QMainWindow& window, MainWindowUi& ui, Document& document)
    : QObject(&window), window_(window), ui_(ui), document_(document) {
    connect(&document, &Document::imageChanged, this, &FormBinder::show);
    // New list texts may leave a list without its selection; the set chooses it again.
    connect(&document, &Document::languageChanged, this, &FormBinder::show);
    connect(&document, &Document::pageRestored, this, &FormBinder::showPage);
    document.setPage(ui.pageControl->currentIndex());
    connect(ui.pageControl, &QTabWidget::currentChanged, &document, &Document::setPage);
}

void FormBinder::readChoices() {
    for (int c = 0; c < kCheckCount; ++c)
        state_.checks[c] = ui_.checks[c]->isChecked();
    state_.bikePosition = ui_.comboBike->currentIndex();
    state_.synchroPosition = ui_.comboSynchro->currentIndex();
    state_.ignitionsPerRevPosition = ui_.comboIgnitionsPerRev->currentIndex();
    state_.input1Position = ui_.input1->checkedId();
    state_.input2Position = ui_.input2->checkedId();
}

void FormBinder::writeControls() {
    for (int p = 0; p < kPairCount; ++p)
        ui_.pairs[p]->writePair(state_.pairs[p]);
    for (int c = 0; c < kCheckCount; ++c)
        ui_.checks[c]->setChecked(state_.checks[c]);
    ui_.comboBike->setCurrentIndex(state_.bikePosition);
    ui_.comboSynchro->setCurrentIndex(state_.synchroPosition);
    ui_.comboIgnitionsPerRev->setCurrentIndex(state_.ignitionsPerRevPosition);
    ui_.input1->button(state_.input1Position)->setChecked(true);
    ui_.input2->button(state_.input2Position)->setChecked(true);
}

void FormBinder::commitPending(ParamImage& image) {
    for (int p = 0; p < kPairCount; ++p)
        state_.pairs[p] = ui_.pairs[p]->readPair();
    readChoices();
    collectImageFromState(state_, image, document_.testMode());
    ui_.checks[Check::noLobeCheck]->setChecked(state_.checks[Check::noLobeCheck]);
    applyDisplayRules();
}

void FormBinder::commit(ChangeOrigin origin, const Document::Change& change) {
    document_.apply(
        [&](ParamImage& image) {
            commitPending(image);
            if (change)
                change(image);
        },
        origin);
}

void FormBinder::passThrough(ParamImage& image) const {
    FormState state = state_;
    showImageToState(image, state);
    collectImageFromState(state, image, document_.testMode());
}

std::uint8_t FormBinder::listedBike() const {
    const int position = ui_.comboBike->currentIndex();
    return position >= 0 && position < kBikeListSize ? BikeCodeTable[position] : kStartupBike;
}

void FormBinder::withoutHandlers(const std::function<void()>& change) {
    const bool outer = !updating_;
    updating_ = true;
    change();
    updating_ = !outer;
}

void FormBinder::show() {
    const ParamImage& image = document_.image();
    withoutHandlers([&] {
        showImageToState(image, state_);
        writeControls();
    });
    applyDisplayRules();
    ui_.mapCells->showValues(image);
}

void FormBinder::applyDisplayRules() {
    withoutHandlers([this] {
        readChoices();
        const WindowModes modes{printing_, document_.testMode(), document_.programAfterChange()};
        applyUiDecisions(&window_, ui_, displayDecisions(state_, document_.image(), modes),
                         unitTexts_);
    });
}

void FormBinder::setUnitTexts(const std::array<QString, 3>& texts) {
    unitTexts_ = texts;
}

void FormBinder::setPrinting(bool on) {
    printing_ = on;
    applyDisplayRules();
}

void FormBinder::showPage(int page) {
    withoutHandlers([this, page] { ui_.pageControl->setCurrentIndex(page); });
}

void FormBinder::showOnlyTab(int page) {
    withoutHandlers([this, page] {
        ui_.pageControl->setTabVisible(page, true);
        ui_.pageControl->setCurrentIndex(page);
        for (int other = 0; other < ui_.pageControl->count(); ++other)
            ui_.pageControl->setTabVisible(other, other == page);
    });
}

void FormBinder::showEveryTab() {
    withoutHandlers([this] {
        for (int page = 0; page < ui_.pageControl->count(); ++page)
            ui_.pageControl->setTabVisible(page, true);
    });
}
