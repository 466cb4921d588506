#include "app/MainWindow.h"
#include "app/CompareFlows.h"
#include "app/LiveCharts.h"
#include "app/LiveReplayDriver.h"
#include "app/SaveAndUnitFields.h"
#include "app/UndoHistory.h"
#include "app/WindowLink.h"

#include "model/DisplayRules.h"
#include "model/Presets.h"
#include "ui/MapCellGrid.h"
#include "ui/NumberPair.h"
#include "ui/Texts.h"
#include "ui/UiRules.h"
#include "ui/WindowBuilder.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QTabWidget>

using namespace varko;

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    buildMainWindow(this, ui);
    saveAndUnitStatus = std::make_unique<SaveAndUnitFields>(statusBar(), paramImage, settings);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
    for (NumberPair* pair : ui.pairs) {
        connect(pair, &NumberPair::stepped, this, &MainWindow::commitEditedValue);
        connect(pair, &NumberPair::left, this, &MainWindow::commitEditedValue);
        connect(pair, &NumberPair::enterPressed, this, &MainWindow::commitAndMoveOn);
    }
    connect(ui.comboIgnitionsPerRev, &QComboBox::activated, this, &MainWindow::commitEditedValue);
    connect(ui.comboBike, &QComboBox::activated, this, &MainWindow::modelChosen);
    connect(ui.comboSynchro, &QComboBox::activated, this, &MainWindow::modelChosen);
    for (int c = 0; c < kCheckCount; ++c) {
        if (c != Check::noReading) {
            ui.checks[c]->installEventFilter(this);
        }
    }
    ui.programAfterChange->installEventFilter(this);
    connect(ui.checks[Check::noReading], &QCheckBox::clicked, this, &MainWindow::noReadingToggled);
    connect(ui.input1, &QButtonGroup::idClicked, this, &MainWindow::input1Chosen);
    connect(ui.input2, &QButtonGroup::idClicked, this, &MainWindow::input2Chosen);
    connect(ui.menu.exit, &QAction::triggered, this, &QWidget::close);
    for (int l = 0; l < kLanguageCount; ++l) {
        connect(ui.menu.languages[l], &QAction::triggered, this,
                [this, l] { chooseLanguage(static_cast<std::uint8_t>(l)); });
    }
}

void MainWindow::applyTexts() {
    if (settings.language < kLanguageCount) // the group unticks the others
        ui.menu.languages[settings.language]->setChecked(true);
    ::applyTexts(this, settings.language);
    ui.mapCells->setHintTexts(mapText(MapText::MovingHint, settings.language),
                              mapText(MapText::TimeAtCell, settings.language));
}

void MainWindow::chooseLanguage(std::uint8_t language) {
    settings.language = language;
    applyTexts();
    link->replay().showTexts();
    // New list texts may leave a list without its selection; the image chooses it again.
    showImage();
}

void MainWindow::readChoices() {
    for (int c = 0; c < kCheckCount; ++c) {
        formState.checks[c] = ui.checks[c]->isChecked();
    }
    formState.bikePosition = ui.comboBike->currentIndex();
    formState.synchroPosition = ui.comboSynchro->currentIndex();
    formState.ignitionsPerRevPosition = ui.comboIgnitionsPerRev->currentIndex();
    formState.input1Position = ui.input1->checkedId();
    formState.input2Position = ui.input2->checkedId();
}

void MainWindow::writeControls() {
    for (int p = 0; p < kPairCount; ++p) {
        ui.pairs[p]->writePair(formState.pairs[p]);
    }
    for (int c = 0; c < kCheckCount; ++c) {
        ui.checks[c]->setChecked(formState.checks[c]);
    }
    ui.comboBike->setCurrentIndex(formState.bikePosition);
    ui.comboSynchro->setCurrentIndex(formState.synchroPosition);
    ui.comboIgnitionsPerRev->setCurrentIndex(formState.ignitionsPerRevPosition);
    ui.input1->button(formState.input1Position)->setChecked(true);
    ui.input2->button(formState.input2Position)->setChecked(true);
}

void MainWindow::collectImage() {
    for (int p = 0; p < kPairCount; ++p) {
        formState.pairs[p] = ui.pairs[p]->readPair();
    }
    readChoices();
    collectImageFromState(formState, paramImage, testEnable);
    ui.checks[Check::noLobeCheck]->setChecked(formState.checks[Check::noLobeCheck]);
    applyDisplayRules();
}

void MainWindow::withoutHandlers(const std::function<void()>& change) {
    const bool outer = !updatingControls;
    updatingControls = true;
    change();
    updatingControls = !outer;
}

void MainWindow::showImage() {
    withoutHandlers([this] {
        showImageToState(paramImage, formState);
        writeControls();
    });
    applyDisplayRules();
    ui.mapCells->showValues(paramImage);
    saveAndUnitStatus->show();
    if (compareFlows != nullptr)
        compareFlows->windowChanged();
    if (liveCharts != nullptr)
        liveCharts->imageShown();
}

void MainWindow::showComparison(const ParamImage& other, const QString& otherName) {
    compareFlows->showComparison(other, otherName);
}

void MainWindow::passThroughControls() {
    showImage();
    collectImage();
}

void MainWindow::showPage(int page) {
    withoutHandlers([this, page] { ui.pageControl->setCurrentIndex(page); });
}

void MainWindow::applyDisplayRules() {
    withoutHandlers([this] {
        readChoices();
        const WindowModes modes{printing, testEnable, ui.programAfterChange->isChecked()};
        applyUiDecisions(this, ui, displayDecisions(formState, paramImage, modes), unitTexts);
    });
}

void MainWindow::normalizeImage() {
    normalize(paramImage, settings);
}

void MainWindow::refreshAfterChange() {
    normalizeImage();
    showImage();
    undoHistory->record();
}

void MainWindow::resetToModelDefaults() {
    bikeListChanged = false;
    applyBikePreset(paramImage, bikeListChanged);
}

std::uint8_t MainWindow::currentPage() const {
    return static_cast<std::uint8_t>(ui.pageControl->currentIndex());
}

void MainWindow::commitEditedValue() {
    if (updatingControls) {
        return;
    }
    collectImage();
    refreshAfterChange();
}

void MainWindow::commitAndMoveOn() {
    focusNextChild();
    collectImage();
    refreshAfterChange();
}

void MainWindow::checkBoxReleased() {
    collectImage();
    applyDisplayRules();
    refreshAfterChange();
}

void MainWindow::noReadingToggled() {
    collectImage();
    applyDisplayRules();
}

void MainWindow::input1Chosen(int position) {
    paramImage.input1() = static_cast<std::uint8_t>(position);
    undoHistory->record();
    applyDisplayRules();
}

void MainWindow::input2Chosen(int position) {
    paramImage.input2() = static_cast<std::uint8_t>(position);
    undoHistory->record();
    applyDisplayRules();
}

void MainWindow::modelChosen() {
    const int bikePosition = ui.comboBike->currentIndex();
    if (bikePosition >= 0) {
        paramImage.bike() = BikeCodeTable[bikePosition];
    }
    paramImage.synchroMethod() = static_cast<std::uint8_t>(ui.comboSynchro->currentIndex());
    bikeListChanged = true;
    applyBikePreset(paramImage, bikeListChanged);
    passThroughControls();
    refreshAfterChange();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The 25 boxes act when a click on them ends, after the box has toggled; a box toggled from
    // the keyboard reaches the image with the next collect.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QMetaObject::invokeMethod(this, &MainWindow::checkBoxReleased, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}
