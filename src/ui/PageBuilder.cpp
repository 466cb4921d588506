#include "ui/PageBuilder.h"

#include "model/Presets.h"
#include "ui/Arrows.h"
#include "ui/MainWindowUi.h"
#include "ui/Place.h"
#include "ui/Texts.h"
#include "ui/WrappingComboBox.h"

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

QWidget* addPage(MainWindowUi& ui, const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    ui.pageControl->addTab(page, QString());
    return page;
}

QLabel* placeLabel(QWidget* parent, const QString& name, int x, int y, int width) {
    return placeWidget<QLabel>(parent, name, x, y, width, kLabelHeight);
}

QCheckBox* placeCheck(QWidget* parent, const QString& name, int x, int y, int width) {
    return placeWidget<QCheckBox>(parent, name, x, y, width, kCheckHeight);
}

template <typename List = QComboBox>
List* placeList(QWidget* parent, const char* name, int x, int y, int width, int entries,
                int height = 21) {
    auto* list = placeWidget<List>(parent, name, x, y, width, height);
    for (int i = 0; i < entries; ++i) {
        list->addItem(QString());
    }
    setHint(list, "Type of keying", true);
    return list;
}

QPushButton* placeSmallButton(QWidget* parent, const char* name, int x, int y, const char* text) {
    auto* button = placeWidget<QPushButton>(parent, name, x, y, 20, 20);
    button->setText(text);
    setPixelFont(button, 19, false);
    return button;
}

QGroupBox* placeRadioGroup(QWidget* parent, const char* name, QButtonGroup*& buttons, int x, int y,
                           int width, int height, int entries) {
    auto* group = placeWidget<QGroupBox>(parent, name, x, y, width, height);
    buttons = new QButtonGroup(group);
    const int pitch = (height - 22) / entries;
    for (int i = 0; i < entries; ++i) {
        auto* radio = placeWidget<QRadioButton>(group, QString("%1Item%2").arg(name).arg(i), 10,
                                                20 + i * pitch, width - 20, kCheckHeight);
        buttons->addButton(radio, i);
    }
    return group;
}

// Two stacked arrows without a value of their own; the map tools act on their clicks.
QWidget* placeSpinButton(QWidget* parent, const QString& name, int x, int y,
                         std::array<QAbstractButton*, 2>& arrows) {
    auto* spin = placeWidget<QWidget>(parent, name, x, y, 15, 21);
    const auto [up, down] = addArrows(spin);
    up->setObjectName(name + "Up");
    down->setObjectName(name + "Down");
    arrows = {up, down};
    return spin;
}

void buildMiscellaneousPage(MainWindowUi& ui) {
    QWidget* page = addPage(ui, "TabSheetRuzne");
    ui.miscPage = page;
    placeLabel(page, "LabelOmez2", 96, 20, 220);
    placeLabel(page, "LabelPilotLight", 96, 54, 220);
    placeLabel(page, "LabelClutchTime", 96, 89, 220);
    placeLabel(page, "LabelClutchPause", 96, 123, 220);
    placeLabel(page, "LabelPocSynchro", 96, 158, 220);
    placeCheck(page, "CheckBoxBuzDlouhe", 16, 197, 220);
    placeCheck(page, "CheckBoxZakazCteni", 16, 232, 110);

    ui.groupTps = placeWidget<QGroupBox>(page, "GroupBoxTps", 352, 4, 289, 117);
    ui.groupTps->setTitle("TPS");
    placeLabel(ui.groupTps, "LabelTps0", 12, 37, 80)->setText("0%  [mV]");
    placeLabel(ui.groupTps, "LabelTps100", 12, 77, 80)->setText("100%  [mv]");
    ui.tools.tps0 = placeWidget<QPushButton>(ui.groupTps, "BitBtnTps0", 178, 32, 98, 25);
    ui.tools.tps0->setText("Set TPS 0 %");
    ui.tools.tps100 = placeWidget<QPushButton>(ui.groupTps, "BitBtnTps100", 178, 72, 98, 25);
    ui.tools.tps100->setText("Set TPS 100 %");

    placeLabel(page, "LabelKompenz", 571, 135, 72);
    placeCheck(page, "CheckBoxInNeutralSs", 16, 304, 280);
    ui.radioGroupInput1 = placeRadioGroup(page, "RadioGroupInput1", ui.input1, 8, 329, 289, 100,
                                          varko::kInput1Entries);
    ui.radioGroupInput2 = placeRadioGroup(page, "RadioGroupInput2", ui.input2, 344, 305, 289, 128,
                                          varko::kInput2Entries);
    for (const auto& [name, x] : {std::pair{"LabelMonInput1In", 18}, {"LabelMonInput2In", 354}}) {
        setPixelFont(placeLabel(page, name, x, 437, 250), 13, false);
    }
}

void buildChannelGroups(MainWindowUi& ui) {
    constexpr int tops[] = {114, 194, 274, 355};
    for (int n = 0; n < varko::kChannels; ++n) {
        const QString channel = QString::number(n + 1);
        auto* group =
            placeWidget<QGroupBox>(ui.groupSpecial, "GroupBoxPalec" + channel, 8, tops[n], 378, 80);
        ui.channelGroups[n] = group;
        for (const auto& [row, y] : {std::pair{"Zac", 19}, {"End", 47}}) {
            const QString stem = "Palec" + channel + row;
            placeLabel(group, "Label" + stem, 8, y + 3, 110);
            placeCheck(group, "CheckBox" + stem + "H2", 220, y + 2, 16);
            placeCheck(group, "CheckBox" + stem + "P2", 310, y + 2, 16);
        }
    }
    // Initial state of the window definition; the display rules decide from then on.
    ui.channelGroups[0]->setEnabled(false);
    ui.channelGroups[3]->hide();
}

void buildBikePage(MainWindowUi& ui) {
    QWidget* page = addPage(ui, "TabSheetBike");
    ui.bikePage = page;
    placeLabel(page, "LabelBike", 16, 8, 220);
    // The "Classic" entries take two lines in every language: the page has no more width.
    ui.comboBike = placeList<WrappingComboBox>(page, "ComboBoxBike", 8, 30, 232, 0, 34);
    for (const char* entry : varko::BikeListTexts) {
        ui.comboBike->addItem(QString::fromLatin1(entry));
    }
    ui.comboBike->setMaxVisibleItems(40);

    ui.groupRpm = placeWidget<QGroupBox>(page, "GroupBoxRpm", 0, 72, 247, 113);
    placeLabel(ui.groupRpm, "LabelRpmPulsu", 76, 31, 165);
    placeLabel(ui.groupRpm, "LabelRpmKorekce", 76, 71, 165);

    placeCheck(page, "CheckBoxInvInput1", 8, 200, 240);
    placeCheck(page, "CheckBoxInvInput2", 8, 224, 240);
    placeCheck(page, "CheckBoxZamenaPickup", 8, 249, 240);
    placeCheck(page, "CheckBoxNehlidaPalec", 8, 274, 240);
    constexpr int versionTops[] = {303, 331, 359};
    for (int v = 0; v < 3; ++v) {
        ui.unitVersionLabels[v] =
            placeLabel(page, QString("LabelVerze%1").arg(v + 1), 8, versionTops[v], 235);
    }
    setPixelFont(ui.unitVersionLabels[1], 13, false);
    placeLabel(page, "LabelPocetProgramovani", 10, 395, 235)->hide();

    ui.groupSpecial = placeWidget<QGroupBox>(page, "GroupBoxSpecial", 251, 0, 394, 469);
    placeLabel(ui.groupSpecial, "LabelSynchro", 16, 16, 300);
    // As wide as the group allows: the German method names are the longest entries.
    ui.comboSynchro =
        placeList(ui.groupSpecial, "ComboBoxSynchro", 8, 36, 382, varko::kSynchroEntries);
    ui.comboSynchro->setItemText(7, "Harley");
    ui.comboSynchro->setMaxVisibleItems(20);
    for (const auto& [name, x] : {std::pair{"LabelPocPalcu", 68}, {"LabelPocKanalu", 260}}) {
        auto* label = placeWidget<QLabel>(ui.groupSpecial, name, x, 63, 128, 30);
        label->setWordWrap(true);
    }
    placeLabel(ui.groupSpecial, "LabelLobe", 128, 96, 70);
    placeLabel(ui.groupSpecial, "LabelHrana2", 206, 96, 86);
    placeLabel(ui.groupSpecial, "LabelSnimac2", 296, 96, 90);
    buildChannelGroups(ui);
    // The camshaft entry needs more than the designed 233 pixels.
    ui.comboIgnitionsPerRev = placeList(ui.groupSpecial, "ComboBoxNasobekPalcu", 8, 440, 382,
                                        varko::kIgnitionsPerRevEntries);
}

void buildAdvancePage(MainWindowUi& ui) {
    QWidget* page = addPage(ui, "TabSheetAdvance");
    auto* group = placeWidget<QGroupBox>(page, "GroupBox6", 0, 0, 645, 469);
    ui.mapGroup = group;
    placeLabel(group, "LabelRpm1", 13, 32, 30)->setText("RPM");
    constexpr const char* rows[] = {"0%",  "2%",  "5%",  "10%", "20%",
                                    "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < varko::kBreakpoints; ++r) {
        ui.throttleLabels[r] =
            placeLabel(group, QString("LabelTps%1").arg(r + 1), 8, 73 + 33 * r, 36);
        ui.throttleLabels[r]->setText(rows[r]);
    }
    for (int c = 0; c < varko::kBreakpoints; ++c) {
        ui.spinButtons[c] = placeSpinButton(group, QString("CSpinButton%1").arg(c + 1),
                                            qRound(63 + 59.2 * c), 405, ui.tools.columnArrows[c]);
    }
    placeCheck(group, "CheckBoxTpsMapa", 17, 437, 60)->setText("TPS");
    ui.tools.advanceMinus = placeSmallButton(group, "BitBtnAdvMinus", 173, 437, "-");
    ui.tools.advancePlus = placeSmallButton(group, "BitBtnAdvPlus", 221, 437, "+");
    ui.tools.advanceAll = placeCheck(group, "CheckBoxIgnAll", 264, 439, 60);
    placeLabel(group, "LabelBaseAdv", 491, 440, 140);
}

void buildServoPage(MainWindowUi& ui) {
    QWidget* page = addPage(ui, "TabSheetServo");
    placeCheck(page, "CheckBoxPrivEnable", 24, 29, 200);
    ui.servoGroup = placeWidget<QGroupBox>(page, "GroupBoxPrivera", 2, 56, 641, 201);
    placeLabel(ui.servoGroup, "Label6", 10, 33, 32)->setText("RPM");
    placeLabel(ui.servoGroup, "Label5", 10, 68, 32)->setText("[mV]");
    placeLabel(ui.servoGroup, "LabelServoHyster", 110, 101, 200);
    ui.tools.servoMinus = placeSmallButton(ui.servoGroup, "BitBtnServoMinus", 357, 127, "-");
    setHint(ui.tools.servoMinus, "Take off 20 mV", true);
    ui.tools.servoPlus = placeSmallButton(ui.servoGroup, "BitBtnServoPlus", 389, 127, "+");
    setHint(ui.tools.servoPlus, "Add 20 mV", true);
    ui.tools.servoAll = placeCheck(ui.servoGroup, "CheckBoxServoAll", 448, 129, 60);
}

} // namespace

void buildPages(MainWindowUi& ui) {
    buildMiscellaneousPage(ui);
    buildBikePage(ui);
    buildAdvancePage(ui);
    buildServoPage(ui);
    ui.pageControl->setCurrentWidget(ui.bikePage);
}
