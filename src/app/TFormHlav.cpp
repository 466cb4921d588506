#include "app/TFormHlav.h"
#include "app/WindowLink.h"

#include "model/DisplayRules.h"
#include "model/Presets.h"
#include "storage/UndoRing.h"
#include "ui/NumberPair.h"
#include "ui/Texts.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QTabWidget>

using namespace varko;

TFormHlav::TFormHlav(QWidget* parent)
    : QMainWindow(parent), undoRing(std::make_unique<UndoRing>()) {
    BuildMainWindow(this, ui);
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::ConnectHandlers() {
    for (NumberPair* pair : ui.pairs) {
        connect(pair, &NumberPair::stepped, this, &TFormHlav::UpDownClick);
        connect(pair, &NumberPair::left, this, &TFormHlav::EditExit);
        connect(pair, &NumberPair::enterPressed, this, &TFormHlav::FormKeyPress);
    }
    connect(ui.comboNasobekPalcu, &QComboBox::activated, this, &TFormHlav::EditExit);
    connect(ui.comboBike, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    connect(ui.comboSynchro, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    for (int c = 0; c < kCheckCount; ++c) {
        if (c != Check::zakazCteni) {
            ui.checks[c]->installEventFilter(this);
        }
    }
    ui.checkProgHned->installEventFilter(this);
    connect(ui.checks[Check::zakazCteni], &QCheckBox::clicked, this,
            &TFormHlav::CheckBoxZakazCteniClick);
    connect(ui.input1, &QButtonGroup::idClicked, this, &TFormHlav::RadioGroupInput1Click);
    connect(ui.input2, &QButtonGroup::idClicked, this, &TFormHlav::RadioGroupInput2Click);
    connect(ui.menuExit, &QAction::triggered, this, &QWidget::close);
}

void TFormHlav::ApplyTexts() {
    ::ApplyTexts(this, settings.language);
}

void TFormHlav::ReadChoices() {
    for (int c = 0; c < kCheckCount; ++c) {
        formState.checks[c] = ui.checks[c]->isChecked();
    }
    formState.bikePosition = ui.comboBike->currentIndex();
    formState.synchroPosition = ui.comboSynchro->currentIndex();
    formState.geberPosition = ui.comboNasobekPalcu->currentIndex();
    formState.input1Position = ui.input1->checkedId();
    formState.input2Position = ui.input2->checkedId();
}

void TFormHlav::WriteControls() {
    for (int p = 0; p < kPairCount; ++p) {
        ui.pairs[p]->writePair(formState.pairs[p]);
    }
    for (int c = 0; c < kCheckCount; ++c) {
        ui.checks[c]->setChecked(formState.checks[c]);
    }
    ui.comboBike->setCurrentIndex(formState.bikePosition);
    ui.comboSynchro->setCurrentIndex(formState.synchroPosition);
    ui.comboNasobekPalcu->setCurrentIndex(formState.geberPosition);
    ui.input1->button(formState.input1Position)->setChecked(true);
    ui.input2->button(formState.input2Position)->setChecked(true);
}

void TFormHlav::CollectImage() {
    for (int p = 0; p < kPairCount; ++p) {
        formState.pairs[p] = ui.pairs[p]->readPair();
    }
    ReadChoices();
    CollectImageFromState(formState, paramImage, testEnable);
    ui.checks[Check::nehlidaPalec]->setChecked(formState.checks[Check::nehlidaPalec]);
    ApplyUiRules();
}

void TFormHlav::ShowImage() {
    const bool outer = !updatingControls;
    updatingControls = true;
    ShowImageToState(paramImage, formState);
    WriteControls();
    updatingControls = !outer;
    ApplyUiRules();
}

void TFormHlav::ApplyUiRules() {
    const bool outer = !updatingControls;
    updatingControls = true;
    ReadChoices();
    const WindowModes modes{printing, testEnable, ui.checkProgHned->isChecked()};
    ApplyUiDecisions(this, ui, DisplayRules(formState, paramImage, modes), unitTexts);
    updatingControls = !outer;
}

void TFormHlav::RefreshAfterChange() {
    Normalize(paramImage, settings);
    ShowImage();
    UndoPush();
}

std::uint8_t TFormHlav::currentPage() const {
    return static_cast<std::uint8_t>(ui.pageControl->currentIndex());
}

void TFormHlav::UpDownClick() {
    if (updatingControls) {
        return;
    }
    CollectImage();
    RefreshAfterChange();
}

void TFormHlav::EditExit() {
    if (updatingControls) {
        return;
    }
    CollectImage();
    RefreshAfterChange();
}

void TFormHlav::FormKeyPress() {
    focusNextChild();
    CollectImage();
    RefreshAfterChange();
}

void TFormHlav::CheckBoxMouseUp() {
    CollectImage();
    ApplyUiRules();
    RefreshAfterChange();
}

void TFormHlav::CheckBoxZakazCteniClick() {
    CollectImage();
    ApplyUiRules();
}

void TFormHlav::RadioGroupInput1Click(int position) {
    paramImage.input1() = static_cast<std::uint8_t>(position);
    UndoPush();
    ApplyUiRules();
}

void TFormHlav::RadioGroupInput2Click(int position) {
    paramImage.input2() = static_cast<std::uint8_t>(position);
    UndoPush();
    ApplyUiRules();
}

void TFormHlav::ComboBoxBikeChange() {
    const int bikePosition = ui.comboBike->currentIndex();
    if (bikePosition >= 0) {
        paramImage.bike() = BikeCodeTable[bikePosition];
    }
    paramImage.synchroMethod() = static_cast<std::uint8_t>(ui.comboSynchro->currentIndex());
    bikeListChanged = true;
    ApplyBikePreset(paramImage, bikeListChanged);
    ShowImage();
    RefreshAfterChange();
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event) {
    // The 25 boxes act when a click on them ends, after the box has toggled; a box toggled from
    // the keyboard reaches the image with the next collect.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QMetaObject::invokeMethod(this, &TFormHlav::CheckBoxMouseUp, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}
