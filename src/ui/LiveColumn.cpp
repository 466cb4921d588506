#include "ui/LiveColumn.h"

#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/NamedControls.h"
#include "ui/NumberPair.h"
#include "ui/PaletteColour.h"
#include "ui/Place.h"
#include "ui/WarningLabels.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

using namespace varko;

namespace {

constexpr int kColumnX = 676;
constexpr int kColumnWidth = 270;
constexpr int kGaugeHeight = 18;

struct LabelPlace {
    const char* name;
    int y;
    int pixels;
    bool bold;
};

constexpr LabelPlace kLabels[] = {
    {"LabelRpm", 54, 19, true},
    {"LabelTpsMon", 119, 19, true},
    {"LabelAdvance1", 170, 16, true},
    {"LabelAdvance2", 195, 16, true},
    {"LabelAdvance3", 221, 16, true},
    {"LabelAdvance4", 246, 16, true},
    {"LabelMonSnimac1", 272, 16, false},
    {"LabelMonSnimac2", 297, 16, false},
    {"LabelNapeti", 323, 19, true},
    {"LabelPriveraPoz", 349, 16, false},
    {"LabelPriveraMer", 374, 16, false},
    {"LabelBlocking1", 400, 16, false},
    {"LabelMonPilotLight", 425, 16, false},
    {"LabelClutchMon", 451, 16, false},
    {"LabelKillSwitch", 476, 16, false},
};

QColor colourOf(LiveColour colour) {
    switch (colour) {
    case LiveColour::Red:
        return QColor(255, 0, 0);
    case LiveColour::Yellow:
        return QColor(255, 255, 0);
    case LiveColour::Lime:
        return QColor(0, 255, 0);
    case LiveColour::Fuchsia:
        return QColor(255, 0, 255);
    case LiveColour::Aqua:
        return QColor(0, 255, 255);
    case LiveColour::Normal:
        break;
    }
    return QApplication::palette().color(QPalette::Button);
}

// A label on its normal colour paints no background of its own, so it always matches the window
// behind it (white while printing, the face colour otherwise).
void setLabelColour(QWidget* label, LiveColour colour) {
    const bool filled = colour != LiveColour::Normal;
    if (filled)
        setPaletteColour(label, QPalette::Window, colourOf(colour));
    if (label->autoFillBackground() != filled)
        label->setAutoFillBackground(filled);
}

void setEditMarked(QWidget* edit, bool marked) {
    setPaletteColour(edit, QPalette::Base,
                     marked ? colourOf(LiveColour::Lime)
                            : QApplication::palette().color(QPalette::Base));
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

void setShown(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

void setLabel(QLabel* label, const LiveLabel& live) {
    setText(label, live.text);
    setLabelColour(label, live.colour);
}

void setGauge(QProgressBar* gauge, int position) {
    if (gauge->value() != position)
        gauge->setValue(position);
}

QProgressBar* placeGauge(QWidget* client, const char* name, int y, const QString& barStyle) {
    auto* gauge = placeWidget<QProgressBar>(client, name, kColumnX, y, kColumnWidth, kGaugeHeight);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    if (!barStyle.isEmpty())
        gauge->setStyleSheet(barStyle);
    return gauge;
}

// The live controls that the column finds by name once the window is built.
enum FoundLabel {
    RpmLabel,
    TpsLabel,
    SupplyLabel,
    BlockingLabel,
    PilotLightLabel,
    ServoDesiredLabel,
    ServoMeasuredLabel,
    ProgramCountLabel,
    ClutchLabel,
    KillSwitchLabel,
    FoundLabelCount
};
constexpr const char* kFoundLabels[FoundLabelCount] = {
    "LabelRpm",           "LabelTpsMon",     "LabelNapeti",     "LabelBlocking1",
    "LabelMonPilotLight", "LabelPriveraPoz", "LabelPriveraMer", "LabelPocetProgramovani",
    "LabelClutchMon",     "LabelKillSwitch"};
const QString kAdvancePattern = QStringLiteral("LabelAdvance%1");
const QString kPickupPattern = QStringLiteral("LabelMonSnimac%1");
const QString kInputPattern = QStringLiteral("LabelMonInput%1In");
constexpr const char* kRpmGauge = "CGaugeRpm";
constexpr const char* kTpsGauge = "CGaugeTps";

QLabel* foundLabel(const QWidget* root, FoundLabel which) {
    return namedControl<QLabel>(root, QString::fromLatin1(kFoundLabels[which]));
}

QLabel* numberedLabel(const QWidget* root, const QString& pattern, int index) {
    return namedControl<QLabel>(root, pattern.arg(index + 1));
}

} // namespace

void LiveColumn::build(QWidget* client) {
    for (const LabelPlace& place : kLabels) {
        auto* label = placeWidget<QLabel>(client, place.name, kColumnX, place.y, kColumnWidth,
                                          place.pixels + 6);
        setPixelFont(label, place.pixels, place.bold);
    }
    numberedLabel(client, kAdvancePattern, 1)->hide();
    placeGauge(client, kRpmGauge, 85, "QProgressBar::chunk { background-color: fuchsia; }");
    placeGauge(client, kTpsGauge, 144, QString());
}

LiveColumn::LiveColumn(const MainWindowUi& ui) {
    const QWidget* root = ui.client;
    c_.rpm = foundLabel(root, RpmLabel);
    c_.rpmGauge = namedControl<QProgressBar>(root, kRpmGauge);
    c_.tps = foundLabel(root, TpsLabel);
    c_.tpsGauge = namedControl<QProgressBar>(root, kTpsGauge);
    c_.supplyVoltage = foundLabel(root, SupplyLabel);
    c_.blocking = foundLabel(root, BlockingLabel);
    for (int n = 0; n < kChannels; ++n)
        c_.advance[n] = numberedLabel(root, kAdvancePattern, n);
    c_.pilotLight = foundLabel(root, PilotLightLabel);
    for (int p = 0; p < 2; ++p) {
        c_.pickups[p] = numberedLabel(root, kPickupPattern, p);
        c_.input[p] = numberedLabel(root, kInputPattern, p);
    }
    c_.servoDesired = foundLabel(root, ServoDesiredLabel);
    c_.servoMeasured = foundLabel(root, ServoMeasuredLabel);
    c_.servoGroup = ui.servoGroup;
    c_.version = ui.versionWarningLabel;
    c_.dataError = ui.dataErrorLabel;
    c_.programCount = foundLabel(root, ProgramCountLabel);
    c_.test = ui.testLabels;
    c_.clutch = foundLabel(root, ClutchLabel);
    c_.killSwitch = foundLabel(root, KillSwitchLabel);

    for (int i = 0; i < kBreakpoints; ++i) {
        rpmAdv_[i] = ui.pairs[Pair::rpmAdv + i]->edit();
        servoRpmEdits_[i] = ui.pairs[Pair::servoRpm + i]->edit();
        servoMvEdits_[i] = ui.pairs[Pair::servoMv + i]->edit();
        tpsRow_[i] = ui.throttleLabels[i];
    }
    mapCells_ = ui.mapCells;
    showNoData();
}

void LiveColumn::show(const LiveDisplay& d) {
    setLabel(c_.rpm, d.rpm);
    setGauge(c_.rpmGauge, d.rpmGauge);
    setLabel(c_.supplyVoltage, d.supplyVoltage);
    setLabel(c_.blocking, d.blocking);
    for (int n = 0; n < d.advanceLabels; ++n)
        setLabel(c_.advance[n], d.advance[n]);
    setLabel(c_.pilotLight, d.pilotLight);
    for (int p = 0; p < 2; ++p)
        setLabel(c_.pickups[p], d.pickups[p]);
    setLabel(c_.tps, d.tps);
    setGauge(c_.tpsGauge, d.tpsGauge);
    const bool servoShown = !c_.servoGroup->isHidden();
    setShown(c_.servoDesired, servoShown);
    setShown(c_.servoMeasured, servoShown);
    setLabel(c_.servoDesired, d.servoDesired);
    setLabel(c_.servoMeasured, d.servoMeasured);
    setShown(c_.version, d.versionVisible);
    if (d.versionVisible)
        setWarningText(c_.version, d.versionText);
    setShown(c_.dataError, d.dataErrorVisible);
    setText(c_.programCount, d.programCount);
    for (int j = 0; j < 8; ++j)
        setText(c_.test[j], d.test[j]);
    for (int i = 0; i < 2; ++i)
        setLabel(c_.input[i], d.input[i]);
    setLabel(c_.clutch, d.clutch);
    setLabel(c_.killSwitch, d.killSwitch);
}

void LiveColumn::showNoData() {
    setText(c_.rpm, QStringLiteral("RPM = ---"));
    setText(c_.tps, QStringLiteral("TP= --- [%]"));
    setText(c_.supplyVoltage, QStringLiteral("U = --- [V]"));
    for (int j = 0; j < 8; ++j)
        setText(c_.test[j], QStringLiteral("Test%1 = ---").arg(j + 1));
    setGauge(c_.rpmGauge, 0);
    setGauge(c_.tpsGauge, 0);
    setShown(c_.version, false);
    setShown(c_.dataError, false);
    for (QLabel* label : {c_.rpm, c_.tps, c_.supplyVoltage, c_.blocking, c_.pilotLight,
                          c_.servoDesired, c_.servoMeasured, c_.clutch, c_.killSwitch})
        setLabelColour(label, LiveColour::Normal);
    for (QLabel* label : c_.advance)
        setLabelColour(label, LiveColour::Normal);
    for (int i = 0; i < 2; ++i) {
        setLabelColour(c_.pickups[i], LiveColour::Normal);
        setLabelColour(c_.input[i], LiveColour::Normal);
    }
}

void LiveColumn::mark(const OperatingMarks& marks) {
    // The marks move a few times a second at most; every other tick ends here.
    if (marksShown_ && marks == shownMarks_)
        return;
    for (int i = 0; i < kBreakpoints; ++i) {
        setEditMarked(rpmAdv_[i], marks.rpmAdv[i]);
        setLabelColour(tpsRow_[i], marks.tpsRow[i] ? LiveColour::Lime : LiveColour::Normal);
        setEditMarked(servoRpmEdits_[i], marks.servoPoints[i]);
        setEditMarked(servoMvEdits_[i], marks.servoPoints[i]);
    }
    mapCells_->setOperatingCell(marks.map);
    shownMarks_ = marks;
    marksShown_ = true;
}

QStringList LiveColumn::controlNames() {
    QStringList names{QString::fromLatin1(kRpmGauge), QString::fromLatin1(kTpsGauge)};
    for (const char* name : kFoundLabels)
        names << QString::fromLatin1(name);
    for (int n = 1; n <= kChannels; ++n)
        names << kAdvancePattern.arg(n);
    for (int p = 1; p <= 2; ++p)
        names << kPickupPattern.arg(p) << kInputPattern.arg(p);
    return names;
}
