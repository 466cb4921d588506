#include "app/FormEdits.h"

#include "document/Document.h"
#include "model/Presets.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"
#include "ui/NumberPair.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QMouseEvent>

using namespace varko;

FormEdits::FormEdits(QMainWindow& window, MainWindowUi& ui, FormBinder& form, Document& document,
                     std::function<void()> moveFocusOn)
    : QObject(&window), ui_(ui), form_(form), document_(document),
      moveFocusOn_(std::move(moveFocusOn)) {
    for (NumberPair* pair : ui.pairs) {
        connect(pair, &NumberPair::stepped, this, &FormEdits::commitEditedValue);
        connect(pair, &NumberPair::left, this, &FormEdits::commitEditedValue);
        connect(pair, &NumberPair::enterPressed, this, &FormEdits::commitAndMoveOn);
    }
    connect(ui.comboIgnitionsPerRev, &QComboBox::activated, this, &FormEdits::commitEditedValue);
    connect(ui.comboBike, &QComboBox::activated, this, &FormEdits::modelChosen);
    connect(ui.comboSynchro, &QComboBox::activated, this, &FormEdits::modelChosen);
    for (int c = 0; c < kCheckCount; ++c) {
        if (c != Check::noReading)
            ui.checks[c]->installEventFilter(this);
    }
    ui.programAfterChange->installEventFilter(this);
    connect(ui.programAfterChange, &QCheckBox::toggled, &document,
            &Document::setProgramAfterChange);
    connect(ui.checks[Check::noReading], &QCheckBox::clicked, this, &FormEdits::noReadingToggled);
    connect(ui.input1, &QButtonGroup::idClicked, this,
            [this](int position) { inputChosen(Field::input1, position); });
    connect(ui.input2, &QButtonGroup::idClicked, this,
            [this](int position) { inputChosen(Field::input2, position); });
}

void FormEdits::commitEditedValue() {
    if (form_.updatingControls())
        return;
    form_.commit(ChangeOrigin::Edit);
}

void FormEdits::commitAndMoveOn() {
    moveFocusOn_();
    form_.commit(ChangeOrigin::Edit);
}

void FormEdits::checkBoxReleased() {
    form_.commit(ChangeOrigin::Edit);
}

void FormEdits::noReadingToggled() {
    form_.commit(ChangeOrigin::AsIs);
}

void FormEdits::inputChosen(int field, int position) {
    document_.apply([field, position](
                        ParamImage& image) { image[field] = static_cast<std::uint8_t>(position); },
                    ChangeOrigin::Edit);
}

void FormEdits::modelChosen() {
    const int bikePosition = ui_.comboBike->currentIndex();
    const int synchro = ui_.comboSynchro->currentIndex();
    document_.apply(
        [&](ParamImage& image) {
            if (bikePosition >= 0)
                image.bike() = BikeCodeTable[bikePosition];
            image.synchroMethod() = static_cast<std::uint8_t>(synchro);
            bool listChanged = true;
            applyBikePreset(image, listChanged);
            form_.passThrough(image);
        },
        ChangeOrigin::Edit);
}

bool FormEdits::eventFilter(QObject* watched, QEvent* event) {
    // The boxes act when a click on them ends, after the box has toggled; a box toggled from the
    // keyboard reaches the set with the next commit.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QMetaObject::invokeMethod(this, &FormEdits::checkBoxReleased, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
