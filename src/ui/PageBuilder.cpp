#include "ui/PageBuilder.h"

#include "model/Presets.h"
#include "ui/Arrows.h"
#include "ui/MainWindowUi.h"
#include "ui/Place.h"
#include "ui/Texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

constexpr int kLabelHeight = 17;
constexpr int kCheckHeight = 17;

QWidget* AddPage(MainWindowUi& ui, const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    ui.pageControl->addTab(page, QString());
    return page;
}

QLabel* PlaceLabel(QWidget* parent, const QString& name, int x, int y, int width) {
    return Place<QLabel>(parent, name, x, y, width, kLabelHeight);
}

QCheckBox* PlaceCheck(QWidget* parent, const QString& name, int x, int y, int width) {
    return Place<QCheckBox>(parent, name, x, y, width, kCheckHeight);
}

QComboBox* PlaceList(QWidget* parent, const char* name, int x, int y, int width, int entries) {
    auto* list = Place<QComboBox>(parent, name, x, y, width, 21);
    for (int i = 0; i < entries; ++i) {
        list->addItem(QString());
    }
    SetHint(list, "Type of keying", true);
    return list;
}

QPushButton* PlaceSmallButton(QWidget* parent, const char* name, int x, int y, const char* text) {
    auto* button = Place<QPushButton>(parent, name, x, y, 20, 20);
    button->setText(text);
    SetPixelFont(button, 19, false);
    return button;
}

QGroupBox* PlaceRadioGroup(QWidget* parent, const char* name, QButtonGroup*& buttons, int x, int y,
                           int width, int height, int entries) {
    auto* group = Place<QGroupBox>(parent, name, x, y, width, height);
    buttons = new QButtonGroup(group);
    const int pitch = (height - 22) / entries;
    for (int i = 0; i < entries; ++i) {
        auto* radio = Place<QRadioButton>(group, QString("%1Item%2").arg(name).arg(i), 10,
                                          20 + i * pitch, width - 20, kCheckHeight);
        buttons->addButton(radio, i);
    }
    return group;
}

// Two stacked arrows without a value of their own; the map tools act on their clicks.
QWidget* PlaceSpinButton(QWidget* parent, const QString& name, int x, int y) {
    auto* spin = Place<QWidget>(parent, name, x, y, 15, 21);
    const auto [up, down] = AddArrows(spin);
    up->setObjectName(name + "Up");
    down->setObjectName(name + "Down");
    return spin;
}

void BuildMiscellaneousPage(MainWindowUi& ui) {
    QWidget* page = AddPage(ui, "TabSheetRuzne");
    ui.tabRuzne = page;
    PlaceLabel(page, "LabelOmez2", 96, 20, 220);
    PlaceLabel(page, "LabelPilotLight", 96, 54, 220);
    PlaceLabel(page, "LabelClutchTime", 96, 89, 220);
    PlaceLabel(page, "LabelClutchPause", 96, 123, 220);
    PlaceLabel(page, "LabelPocSynchro", 96, 158, 220);
    PlaceCheck(page, "CheckBoxBuzDlouhe", 16, 197, 220);
    PlaceCheck(page, "CheckBoxZakazCteni", 16, 232, 110);

    ui.groupTps = Place<QGroupBox>(page, "GroupBoxTps", 352, 4, 289, 117);
    ui.groupTps->setTitle("TPS");
    PlaceLabel(ui.groupTps, "LabelTps0", 12, 37, 80)->setText("0%  [mV]");
    PlaceLabel(ui.groupTps, "LabelTps100", 12, 77, 80)->setText("100%  [mv]");
    Place<QPushButton>(ui.groupTps, "BitBtnTps0", 178, 32, 98, 25)->setText("Set TPS 0 %");
    Place<QPushButton>(ui.groupTps, "BitBtnTps100", 178, 72, 98, 25)->setText("Set TPS 100 %");

    PlaceLabel(page, "LabelKompenz", 571, 135, 72);
    PlaceCheck(page, "CheckBoxInNeutralSs", 16, 304, 280);
    ui.radioGroupInput1 = PlaceRadioGroup(page, "RadioGroupInput1", ui.input1, 8, 329, 289, 100,
                                          varko::kInput1Entries);
    ui.radioGroupInput2 = PlaceRadioGroup(page, "RadioGroupInput2", ui.input2, 344, 305, 289, 128,
                                          varko::kInput2Entries);
    for (const auto& [name, x] : {std::pair{"LabelMonInput1In", 18}, {"LabelMonInput2In", 354}}) {
        SetPixelFont(PlaceLabel(page, name, x, 437, 250), 13, false);
    }
}

void BuildChannelGroups(MainWindowUi& ui) {
    constexpr int tops[] = {114, 194, 274, 355};
    for (int n = 0; n < varko::kChannels; ++n) {
        const QString channel = QString::number(n + 1);
        auto* group =
            Place<QGroupBox>(ui.groupSpecial, "GroupBoxPalec" + channel, 8, tops[n], 378, 80);
        ui.groupPalec[n] = group;
        for (const auto& [row, y] : {std::pair{"Zac", 19}, {"End", 47}}) {
            const QString stem = "Palec" + channel + row;
            PlaceLabel(group, "Label" + stem, 8, y + 3, 110);
            PlaceCheck(group, "CheckBox" + stem + "H2", 220, y + 2, 16);
            PlaceCheck(group, "CheckBox" + stem + "P2", 310, y + 2, 16);
        }
    }
    // Initial state of the window definition; the display rules decide from then on.
    ui.groupPalec[0]->setEnabled(false);
    ui.groupPalec[3]->hide();
}

void BuildBikePage(MainWindowUi& ui) {
    QWidget* page = AddPage(ui, "TabSheetBike");
    ui.tabBike = page;
    PlaceLabel(page, "LabelBike", 16, 8, 220);
    ui.comboBike = PlaceList(page, "ComboBoxBike", 8, 36, 232, 0);
    for (const char* entry : varko::BikeListTexts) {
        ui.comboBike->addItem(QString::fromLatin1(entry));
    }
    ui.comboBike->setMaxVisibleItems(40);

    ui.groupRpm = Place<QGroupBox>(page, "GroupBoxRpm", 0, 72, 247, 113);
    PlaceLabel(ui.groupRpm, "LabelRpmPulsu", 76, 31, 165);
    PlaceLabel(ui.groupRpm, "LabelRpmKorekce", 76, 71, 165);

    PlaceCheck(page, "CheckBoxInvInput1", 8, 200, 240);
    PlaceCheck(page, "CheckBoxInvInput2", 8, 224, 240);
    PlaceCheck(page, "CheckBoxZamenaPickup", 8, 249, 240);
    PlaceCheck(page, "CheckBoxNehlidaPalec", 8, 274, 240);
    constexpr int verzeTops[] = {303, 331, 359};
    for (int v = 0; v < 3; ++v) {
        ui.labelVerze[v] =
            PlaceLabel(page, QString("LabelVerze%1").arg(v + 1), 8, verzeTops[v], 235);
    }
    SetPixelFont(ui.labelVerze[1], 13, false);
    PlaceLabel(page, "LabelPocetProgramovani", 10, 395, 235)->hide();

    ui.groupSpecial = Place<QGroupBox>(page, "GroupBoxSpecial", 251, 0, 394, 469);
    PlaceLabel(ui.groupSpecial, "LabelSynchro", 16, 16, 300);
    ui.comboSynchro =
        PlaceList(ui.groupSpecial, "ComboBoxSynchro", 16, 36, 346, varko::kSynchroEntries);
    ui.comboSynchro->setItemText(7, "Harley");
    ui.comboSynchro->setMaxVisibleItems(20);
    for (const auto& [name, x] : {std::pair{"LabelPocPalcu", 68}, {"LabelPocKanalu", 260}}) {
        auto* label = Place<QLabel>(ui.groupSpecial, name, x, 63, 128, 30);
        label->setWordWrap(true);
    }
    PlaceLabel(ui.groupSpecial, "LabelLobe", 128, 96, 70);
    PlaceLabel(ui.groupSpecial, "LabelHrana2", 206, 96, 86);
    PlaceLabel(ui.groupSpecial, "LabelSnimac2", 296, 96, 90);
    BuildChannelGroups(ui);
    ui.comboNasobekPalcu =
        PlaceList(ui.groupSpecial, "ComboBoxNasobekPalcu", 8, 440, 233, varko::kGeberEntries);
}

void BuildAdvancePage(MainWindowUi& ui) {
    QWidget* page = AddPage(ui, "TabSheetAdvance");
    auto* group = Place<QGroupBox>(page, "GroupBox6", 0, 0, 645, 469);
    ui.mapGroup = group;
    PlaceLabel(group, "LabelRpm1", 13, 32, 30)->setText("RPM");
    constexpr const char* rows[] = {"0%",  "2%",  "5%",  "10%", "20%",
                                    "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < varko::kBreakpoints; ++r) {
        ui.labelTps[r] = PlaceLabel(group, QString("LabelTps%1").arg(r + 1), 8, 73 + 33 * r, 36);
        ui.labelTps[r]->setText(rows[r]);
    }
    for (int c = 0; c < varko::kBreakpoints; ++c) {
        ui.spinButtons[c] =
            PlaceSpinButton(group, QString("CSpinButton%1").arg(c + 1), qRound(63 + 59.2 * c), 405);
    }
    PlaceCheck(group, "CheckBoxTpsMapa", 17, 437, 60)->setText("TPS");
    PlaceSmallButton(group, "BitBtnAdvMinus", 173, 437, "-");
    PlaceSmallButton(group, "BitBtnAdvPlus", 221, 437, "+");
    PlaceCheck(group, "CheckBoxIgnAll", 264, 439, 60);
    PlaceLabel(group, "LabelBaseAdv", 491, 440, 140);
}

void BuildServoPage(MainWindowUi& ui) {
    QWidget* page = AddPage(ui, "TabSheetServo");
    PlaceCheck(page, "CheckBoxPrivEnable", 24, 29, 200);
    ui.groupPrivera = Place<QGroupBox>(page, "GroupBoxPrivera", 2, 56, 641, 201);
    PlaceLabel(ui.groupPrivera, "Label6", 10, 33, 32)->setText("RPM");
    PlaceLabel(ui.groupPrivera, "Label5", 10, 68, 32)->setText("[mV]");
    PlaceLabel(ui.groupPrivera, "LabelServoHyster", 110, 101, 200);
    SetHint(PlaceSmallButton(ui.groupPrivera, "BitBtnServoMinus", 357, 127, "-"), "Take off 20 mV",
            true);
    SetHint(PlaceSmallButton(ui.groupPrivera, "BitBtnServoPlus", 389, 127, "+"), "Add 20 mV", true);
    PlaceCheck(ui.groupPrivera, "CheckBoxServoAll", 448, 129, 60);
}

} // namespace

void BuildPages(MainWindowUi& ui) {
    BuildMiscellaneousPage(ui);
    BuildBikePage(ui);
    BuildAdvancePage(ui);
    BuildServoPage(ui);
    ui.pageControl->setCurrentWidget(ui.tabBike);
}
