#include "ui/LiveColumn.h"

#include "ui/MainWindowUi.h"
#include "ui/NumberPair.h"
#include "ui/Place.h"

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
    const char* fixedText; // texts of the language table are set when the texts are applied
};

constexpr LabelPlace kLabels[] = {
    {"LabelRpm", 54, 19, true, "RPM = ---"},         {"LabelTpsMon", 119, 19, true, "TP= --- [%]"},
    {"LabelAdvance1", 170, 16, true, nullptr},       {"LabelAdvance2", 195, 16, true, nullptr},
    {"LabelAdvance3", 221, 16, true, nullptr},       {"LabelAdvance4", 246, 16, true, nullptr},
    {"LabelMonSnimac1", 272, 16, false, nullptr},    {"LabelMonSnimac2", 297, 16, false, nullptr},
    {"LabelNapeti", 323, 19, true, "U = --- [V]"},   {"LabelPriveraPoz", 349, 16, false, nullptr},
    {"LabelPriveraMer", 374, 16, false, nullptr},    {"LabelBlocking1", 400, 16, false, nullptr},
    {"LabelMonPilotLight", 425, 16, false, nullptr}, {"LabelClutchMon", 451, 16, false, nullptr},
    {"LabelKillSwitch", 476, 16, false, nullptr},
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

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
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

template <typename W> W* findNamed(const QWidget* root, const char* name) {
    return root->findChild<W*>(QString::fromLatin1(name));
}

} // namespace

void LiveColumn::build(QWidget* client) {
    for (const LabelPlace& place : kLabels) {
        auto* label = placeWidget<QLabel>(client, place.name, kColumnX, place.y, kColumnWidth,
                                          place.pixels + 6);
        setPixelFont(label, place.pixels, place.bold);
        if (place.fixedText != nullptr)
            label->setText(QString::fromLatin1(place.fixedText));
    }
    findNamed<QLabel>(client, "LabelAdvance2")->hide();
    placeGauge(client, "CGaugeRpm", 85, "QProgressBar::chunk { background-color: fuchsia; }");
    placeGauge(client, "CGaugeTps", 144, QString());
}

LiveColumn::LiveColumn(const MainWindowUi& ui) {
    const QWidget* root = ui.client;
    c_.rpm = findNamed<QLabel>(root, "LabelRpm");
    c_.rpmGauge = findNamed<QProgressBar>(root, "CGaugeRpm");
    c_.tps = findNamed<QLabel>(root, "LabelTpsMon");
    c_.tpsGauge = findNamed<QProgressBar>(root, "CGaugeTps");
    c_.supplyVoltage = findNamed<QLabel>(root, "LabelNapeti");
    c_.blocking = findNamed<QLabel>(root, "LabelBlocking1");
    for (int n = 0; n < kChannels; ++n)
        c_.advance[n] = root->findChild<QLabel*>(QStringLiteral("LabelAdvance%1").arg(n + 1));
    c_.pilotLight = findNamed<QLabel>(root, "LabelMonPilotLight");
    for (int p = 0; p < 2; ++p) {
        c_.pickups[p] = root->findChild<QLabel*>(QStringLiteral("LabelMonSnimac%1").arg(p + 1));
        c_.input[p] = root->findChild<QLabel*>(QStringLiteral("LabelMonInput%1In").arg(p + 1));
    }
    c_.servoDesired = findNamed<QLabel>(root, "LabelPriveraPoz");
    c_.servoMeasured = findNamed<QLabel>(root, "LabelPriveraMer");
    c_.servoGroup = ui.servoGroup;
    c_.version = ui.versionWarningLabel;
    c_.dataError = ui.dataErrorLabel;
    c_.programCount = findNamed<QLabel>(root, "LabelPocetProgramovani");
    c_.test = ui.testLabels;
    c_.clutch = findNamed<QLabel>(root, "LabelClutchMon");
    c_.killSwitch = findNamed<QLabel>(root, "LabelKillSwitch");

    for (int i = 0; i < kBreakpoints; ++i) {
        rpmAdv_[i] = ui.pairs[Pair::rpmAdv + i]->edit();
        servoRpmEdits_[i] = ui.pairs[Pair::servoRpm + i]->edit();
        servoMvEdits_[i] = ui.pairs[Pair::servoMv + i]->edit();
        tpsRow_[i] = ui.throttleLabels[i];
    }
    for (int k = 0; k < 100; ++k)
        map_[k] = ui.pairs[Pair::advance + k]->edit();
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
        setText(c_.version, d.versionText);
    setShown(c_.dataError, d.dataErrorVisible);
    setText(c_.programCount, d.programCount);
    for (int j = 0; j < 8; ++j)
        setText(c_.test[j], d.test[j]);
    for (int i = 0; i < 2; ++i)
        setLabel(c_.input[i], d.input[i]);
    setLabel(c_.clutch, d.clutch);
    setLabel(c_.killSwitch, d.killSwitch);
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
    for (int k = 0; k < 100; ++k)
        setEditMarked(map_[k], marks.map[k]);
    shownMarks_ = marks;
    marksShown_ = true;
}
