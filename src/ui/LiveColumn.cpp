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

QColor ColourOf(LiveColour colour) {
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

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A label on its normal colour paints no background of its own, so it always matches the window
// behind it (white while printing, the face colour otherwise).
void SetLabelColour(QWidget* label, LiveColour colour) {
    const bool filled = colour != LiveColour::Normal;
    if (filled)
        SetPaletteColour(label, QPalette::Window, ColourOf(colour));
    if (label->autoFillBackground() != filled)
        label->setAutoFillBackground(filled);
}

void SetEditMarked(QWidget* edit, bool marked) {
    SetPaletteColour(edit, QPalette::Base,
                     marked ? ColourOf(LiveColour::Lime)
                            : QApplication::palette().color(QPalette::Base));
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

void SetShown(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

void SetLabel(QLabel* label, const LiveLabel& live) {
    SetText(label, live.text);
    SetLabelColour(label, live.colour);
}

void SetGauge(QProgressBar* gauge, int position) {
    if (gauge->value() != position)
        gauge->setValue(position);
}

QProgressBar* PlaceGauge(QWidget* client, const char* name, int y, const QString& barStyle) {
    auto* gauge = Place<QProgressBar>(client, name, kColumnX, y, kColumnWidth, kGaugeHeight);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    if (!barStyle.isEmpty())
        gauge->setStyleSheet(barStyle);
    return gauge;
}

template <typename W> W* Find(const QWidget* root, const char* name) {
    return root->findChild<W*>(QString::fromLatin1(name));
}

} // namespace

void LiveColumn::Build(QWidget* client) {
    for (const LabelPlace& place : kLabels) {
        auto* label =
            Place<QLabel>(client, place.name, kColumnX, place.y, kColumnWidth, place.pixels + 6);
        SetPixelFont(label, place.pixels, place.bold);
        if (place.fixedText != nullptr)
            label->setText(QString::fromLatin1(place.fixedText));
    }
    Find<QLabel>(client, "LabelAdvance2")->hide();
    PlaceGauge(client, "CGaugeRpm", 85, "QProgressBar::chunk { background-color: fuchsia; }");
    PlaceGauge(client, "CGaugeTps", 144, QString());
}

LiveColumn::LiveColumn(const MainWindowUi& ui) {
    const QWidget* root = ui.client;
    c_.rpm = Find<QLabel>(root, "LabelRpm");
    c_.rpmGauge = Find<QProgressBar>(root, "CGaugeRpm");
    c_.tps = Find<QLabel>(root, "LabelTpsMon");
    c_.tpsGauge = Find<QProgressBar>(root, "CGaugeTps");
    c_.napeti = Find<QLabel>(root, "LabelNapeti");
    c_.blocking = Find<QLabel>(root, "LabelBlocking1");
    for (int n = 0; n < kChannels; ++n)
        c_.advance[n] = root->findChild<QLabel*>(QStringLiteral("LabelAdvance%1").arg(n + 1));
    c_.pilotLight = Find<QLabel>(root, "LabelMonPilotLight");
    for (int p = 0; p < 2; ++p) {
        c_.snimac[p] = root->findChild<QLabel*>(QStringLiteral("LabelMonSnimac%1").arg(p + 1));
        c_.input[p] = root->findChild<QLabel*>(QStringLiteral("LabelMonInput%1In").arg(p + 1));
    }
    c_.priveraPoz = Find<QLabel>(root, "LabelPriveraPoz");
    c_.priveraMer = Find<QLabel>(root, "LabelPriveraMer");
    c_.groupPrivera = ui.groupPrivera;
    c_.version = ui.labelVersion;
    c_.dataError = ui.labelEeDataErr;
    c_.programCount = Find<QLabel>(root, "LabelPocetProgramovani");
    c_.test = ui.labelTest;
    c_.clutch = Find<QLabel>(root, "LabelClutchMon");
    c_.killSwitch = Find<QLabel>(root, "LabelKillSwitch");

    for (int i = 0; i < kBreakpoints; ++i) {
        rpmAdv_[i] = ui.pairs[Pair::rpmAdv + i]->edit();
        rpmPriv_[i] = ui.pairs[Pair::rpmPriv + i]->edit();
        napPriv_[i] = ui.pairs[Pair::napPriv + i]->edit();
        tpsRow_[i] = ui.labelTps[i];
    }
    for (int k = 0; k < 100; ++k)
        map_[k] = ui.pairs[Pair::map + k]->edit();
}

void LiveColumn::Show(const LiveDisplay& d) {
    SetLabel(c_.rpm, d.rpm);
    SetGauge(c_.rpmGauge, d.rpmGauge);
    SetLabel(c_.napeti, d.napeti);
    SetLabel(c_.blocking, d.blocking);
    for (int n = 0; n < d.advanceLabels; ++n)
        SetLabel(c_.advance[n], d.advance[n]);
    SetLabel(c_.pilotLight, d.pilotLight);
    for (int p = 0; p < 2; ++p)
        SetLabel(c_.snimac[p], d.snimac[p]);
    SetLabel(c_.tps, d.tps);
    SetGauge(c_.tpsGauge, d.tpsGauge);
    const bool servoShown = !c_.groupPrivera->isHidden();
    SetShown(c_.priveraPoz, servoShown);
    SetShown(c_.priveraMer, servoShown);
    SetLabel(c_.priveraPoz, d.priveraPoz);
    SetLabel(c_.priveraMer, d.priveraMer);
    SetShown(c_.version, d.versionVisible);
    if (d.versionVisible)
        SetText(c_.version, d.versionText);
    SetShown(c_.dataError, d.dataErrorVisible);
    SetText(c_.programCount, d.programCount);
    for (int j = 0; j < 8; ++j)
        SetText(c_.test[j], d.test[j]);
    for (int i = 0; i < 2; ++i)
        SetLabel(c_.input[i], d.input[i]);
    SetLabel(c_.clutch, d.clutch);
    SetLabel(c_.killSwitch, d.killSwitch);
}

void LiveColumn::Mark(const OperatingMarks& marks) {
    // The marks move a few times a second at most; every other tick ends here.
    if (marksShown_ && marks == shownMarks_)
        return;
    for (int i = 0; i < kBreakpoints; ++i) {
        SetEditMarked(rpmAdv_[i], marks.rpmAdv[i]);
        SetLabelColour(tpsRow_[i], marks.tpsRow[i] ? LiveColour::Lime : LiveColour::Normal);
        SetEditMarked(rpmPriv_[i], marks.rpmPriv[i]);
        SetEditMarked(napPriv_[i], marks.rpmPriv[i]);
    }
    for (int k = 0; k < 100; ++k)
        SetEditMarked(map_[k], marks.map[k]);
    shownMarks_ = marks;
    marksShown_ = true;
}
