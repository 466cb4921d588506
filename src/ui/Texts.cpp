#include "ui/Texts.h"

#include "model/Messages.h"
#include "ui/NamedControls.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <array>

namespace {

using varko::kLanguageCount;

enum class Target {
    Caption,     // caption, title, tab text or menu text
    Hint,        // status bar text only
    HintAndTip,  // status bar text and tooltip
    ListEntry,   // one entry of a drop-down list
    RadioItems,  // all entries of a radio group, one per line
    LiveCaption, // a live-data label's text while no unit answers
};

struct TextRow {
    const char* name;
    Target target;
    std::array<const char*, kLanguageCount> text{}; // English, German, French, Czech
    int message = -1;        // take the text from this numbered message instead
    const char* suffix = ""; // the same in every language
    int entry = 0;           // list entry of a ListEntry row
    int count = 0;           // when set, %1 in name and suffix runs from 1 to count
};

using enum Target;

const TextRow kTextTable[] = {
    {"FormHlav", Caption, {"Programming of VARKO unit"}},
    // Menus and the toolbar's push buttons.
    {"MenuFile", Caption, {"&File"}},
    {"MenuNew", Caption, {"&New"}},
    {"MenuOpen", Caption, {"&Open"}},
    {"MenuOpenExeDir", Caption, {"Open from exe dir"}},
    {"MenuSave", Caption, {"&Save"}},
    {"MenuSaveExeDir", Caption, {"Save to exe dir"}},
    {"MenuPrint", Caption, {"&Print"}},
    {"MenuPrintAll", Caption, {"Print all"}},
    {"MenuExit", Caption, {"E&xit"}},
    {"MenuCom", Caption, {"&Com"}},
    {"MenuDevice", Caption, {"&Ignition"}},
    {"MenuRead", Caption, {"&Read"}},
    {"ButtonRead", Caption, {"&Read"}},
    {"MenuVerify", Caption, {"&Verify"}},
    {"BitBtnVerify", Caption, {"&Verify"}},
    {"MenuProgram", Caption, {"&Program"}},
    {"BitBtnProgram", Caption, {"&Program"}},
    {"MenuTools", Caption, {"Tools"}},
    {"AdvanceMinus", Caption, {"Advance -"}},
    {"AdvancePlus", Caption, {"Advance +"}},
    {"MenuZpet", Caption, {"Undo"}},
    {"MenuZnovu", Caption, {"Redo"}},
    {"MenuLanguage", Caption, {"&Language"}},
    {"MenuEnglish", Caption, {"&English"}},
    {"MenuGerman", Caption, {"&German"}},
    {"MenuFrench", Caption, {"&French"}},
    {"MenuCzech", Caption, {"&Czech"}},
    {"MenuHelp", Caption, {"&Help"}},
    {"MenuContens", Caption, {"&Contents..."}},
    {"MenuAbout", Caption, {"&About..."}},
    // Model, method and ignition lists.
    {"ComboBoxBike", ListEntry, {"Classic (1 lobe, 1 or 2 pick-up) "}, -1, "", 12},
    {"ComboBoxBike", ListEntry, {"Classic (2 lobe per revolution, 1 or 2 pick-up)"}, -1, "", 13},
    {"ComboBoxBike", ListEntry, {"Classic (3 lobe per revolution, 1 pick-up)"}, -1, "", 14},
    {"ComboBoxBike", ListEntry, {"Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)"}, -1, "", 15},
    {"ComboBoxBike", ListEntry, {"Special setting"}, -1, "", 32},
    {"ComboBoxSynchro", ListEntry, {"1 lobe, 1 or 2 pick-up"}, -1, "", 0},
    {"ComboBoxSynchro", ListEntry, {"Short gap between lobes (inserted lobe)"}, -1, "", 1},
    {"ComboBoxSynchro", ListEntry, {"Wide lobe"}, -1, "", 2},
    {"ComboBoxSynchro", ListEntry, {"Long gap between lobes (missing lobe)"}, -1, "", 3},
    {"ComboBoxSynchro", ListEntry, {"2 pick-ups, missing lobe"}, -1, "", 4},
    {"ComboBoxSynchro", ListEntry, {"2 Short gaps between lobes (inserted lobe)"}, -1, "", 5},
    {"ComboBoxSynchro", ListEntry, {"Cam (CMPS)"}, -1, "", 6},
    {"ComboBoxSynchro", ListEntry, {"Long gap between lobes - more lobes (48-2)"}, -1, "", 8},
    {"ComboBoxNasobekPalcu", ListEntry, {"1 ignition per revolution"}, -1, "", 0},
    {"ComboBoxNasobekPalcu", ListEntry, {"2 ignitions per revolution"}, -1, "", 1},
    {"ComboBoxNasobekPalcu", ListEntry, {"3 ignitions per revolution"}, -1, "", 2},
    {"ComboBoxNasobekPalcu", ListEntry, {"1 ignition per 2 revolutions (camshaft)"}, -1, "", 3},
    {"RadioGroupInput1", RadioItems, {"Off\nKill switch\nBlocking"}},
    {"RadioGroupInput2",
     RadioItems,
     {"Off\nKill switch\nBlocking\nClutch master\nClutch master inv. input"}},
    // Captions.
    {"LabelSpojeni", Caption, {"No connection with PC"}},
    {"LabelFile1", Caption, {"File:"}},
    {"TabSheetRuzne", Caption, {"Miscellaneous"}},
    {"TabSheetBike", Caption, {"Bike"}},
    {"TabSheetAdvance", Caption, {"Advance Map"}},
    {"TabSheetServo", Caption, {"Servo"}},
    {"LabelOmez2", Caption, {"Limiter [rpm]"}},
    {"LabelPilotLight", Caption, {}, varko::Msg::gearShiftLight, " [rpm]"},
    {"LabelClutchTime", Caption, {"Clutch master time [ms]"}},
    {"LabelClutchPause", Caption, {"Clutch master pause [ms]"}},
    {"LabelPocSynchro", Caption, {"Revolutions without ignition"}},
    {"CheckBoxBuzDlouhe", Caption, {"Excitation Long"}},
    {"CheckBoxZakazCteni", Caption, {"No Reading"}},
    {"LabelKompenz", Caption, {"Compensation "}},
    {"CheckBoxInNeutralSs", Caption, {"Inputs for neutral side and stand"}},
    {"RadioGroupInput%1", Caption, {}, varko::Msg::input, " %1", 0, 2},
    {"LabelBike", Caption, {"Motorbike type"}},
    {"GroupBoxRpm", Caption, {"Tachometer output"}},
    {"LabelRpmPulsu", Caption, {"Pulses per revolution"}},
    {"LabelRpmKorekce", Caption, {"Correction [%]"}},
    {"CheckBoxInvInput%1", Caption, {"Inverse polarity of pick-up"}, -1, " %1", 0, 2},
    {"CheckBoxZamenaPickup", Caption, {"Pickups interchange (pin 9 a 20)"}},
    {"CheckBoxNehlidaPalec", Caption, {"No lobe lenght check"}},
    {"GroupBoxSpecial",
     Caption,
     {"Specification of synchronization - Caution - For experienced user only!"}},
    {"LabelSynchro", Caption, {"Synchronization method"}},
    {"LabelPocPalcu", Caption, {"Number of lobe at rotor"}},
    {"LabelPocKanalu", Caption, {"Number of outputs (coils)"}},
    {"GroupBoxPalec%1", Caption, {"Channel"}, -1, " %1", 0, 4},
    {"LabelPalec%1Zac", Caption, {"Maximum advance"}, -1, "", 0, 4},
    {"LabelPalec%1End", Caption, {"Start advance"}, -1, "", 0, 4},
    {"LabelLobe", Caption, {"Lobe"}},
    {"LabelHrana2", Caption, {"2nd Edge"}},
    {"LabelSnimac2", Caption, {"2nd Pick-up"}},
    {"LabelBaseAdv", Caption, {"Base advance [°]"}},
    {"CheckBoxIgnAll", Caption, {"All"}},
    {"GroupBoxPrivera", Caption, {"Servo"}},
    {"LabelServoHyster", Caption, {"Servo Hysteresis [mV]"}},
    {"CheckBoxPrivEnable", Caption, {"Servo enable"}},
    {"CheckBoxServoAll", Caption, {"All"}},
    {"CheckBoxProgHned", Caption, {"Programming after change"}},
    // A unit that answers puts its live values over this caption with the next frame.
    {"LabelAdvance%1", Caption, {"Advance [°]"}, -1, "", 0, 2},
    // Hints.
    {"LabelRpm1", Hint, {"Round per Minute|Speed - Round per Minute"}},
    {"LabelVerze1", HintAndTip, {"Version of program in ignition"}},
    {"LabelVerze2", HintAndTip, {"Date of program in ignition"}},
    {"LabelVerze3", HintAndTip, {"Time of program in ignition"}},
    {"SpeedButton5", HintAndTip, {"Open file with parametrs"}},
    {"MenuOpen", Hint, {"Open file with parametrs"}},
    {"SpeedButton7", HintAndTip, {"Save parametrs to file"}},
    {"MenuSave", Hint, {"Save parametrs to file"}},
    {"SpeedButtonPrint", HintAndTip, {"Print parametrs"}},
    {"MenuPrint", Hint, {"Print parametrs"}},
    {"SpeedButton6", HintAndTip, {"Set default parametrs"}},
    {"MenuNew", Hint, {"Set default parameters "}},
    {"BitBtnProgram", HintAndTip, {"Programing  set parametrs to ignition"}},
    {"MenuProgram", Hint, {"Programing  set parametrs to ignition"}},
    {"BitBtnVerify", HintAndTip, {"Compare set parametrs  with parametrs of ignition"}},
    {"MenuVerify", Hint, {"Compare set parametrs  with parametrs of ignition"}},
    {"ButtonRead", HintAndTip, {"Reading parametrs from ignition"}},
    {"MenuRead", Hint, {"Reading parametrs from ignition"}},
    {"BitBtnAdvMinus", HintAndTip, {"Take off 1 degree of Advance"}},
    {"BitBtnAdvPlus", HintAndTip, {"Add 1 degree of Advance"}},
    {"MenuExit", Hint, {"End of program"}},
    {"MenuLanguage", Hint, {"Set English or German or French or Czech "}},
    {"MenuCom", Hint, {"Set number of com"}},
    {"CheckBoxProgHned", HintAndTip, {"Programing at once after change"}},
    // No-data texts of the live labels.
    {"LabelMonInput%1In", LiveCaption, {}, varko::Msg::input, " %1: ---", 0, 2},
    {"LabelPocetProgramovani", LiveCaption, {}, varko::Msg::programCount, "---"},
    {"LabelAdvance%1", LiveCaption, {}, varko::Msg::advance, " %1 = --- [\xB0]", 0, 4},
    {"LabelMonSnimac%1", LiveCaption, {}, varko::Msg::pickup, " %1 = ---", 0, 2},
    {"LabelPriveraPoz", LiveCaption, {}, varko::Msg::servoDesired, " ---"},
    {"LabelPriveraMer", LiveCaption, {}, varko::Msg::servoMeasured, " ---"},
    {"LabelBlocking1", LiveCaption, {}, varko::Msg::motorOff, " - ---"},
    {"LabelMonPilotLight", LiveCaption, {}, varko::Msg::gearShiftLight, " - ---"},
    {"LabelClutchMon", LiveCaption, {}, varko::Msg::clutchMaster, " - ---"},
    {"LabelKillSwitch", LiveCaption, {}, varko::Msg::killSwitch, ": ---"},
};

constexpr const char* kLanguageItems[kLanguageCount] = {"MenuEnglish", "MenuGerman", "MenuFrench",
                                                        "MenuCzech"};

QString rowText(const TextRow& row, std::uint8_t language) {
    if (row.message >= 0) {
        return varko::messageText(row.message, language);
    }
    const char* text = language < kLanguageCount ? row.text[language] : nullptr;
    if (text == nullptr || *text == '\0') {
        text = row.text[0];
    }
    return QString::fromUtf8(text);
}

void setCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* window = qobject_cast<QMainWindow*>(target)) {
        window->setWindowTitle(text);
    } else if (auto* page = qobject_cast<QWidget*>(target)) {
        // A notebook page: its caption is the text of its tab.
        for (QObject* up = page->parent(); up != nullptr; up = up->parent()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
                tabs->setTabText(tabs->indexOf(page), text);
                break;
            }
        }
    }
}

void setRadioItems(QObject* target, const QString& lines) {
    const QStringList items = lines.split('\n');
    const auto buttons = target->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < buttons.size() && i < items.size(); ++i) {
        buttons[i]->setText(items[i]);
    }
}

void applyRow(QMainWindow* window, const TextRow& row, const QString& name, const QString& text,
              bool noConnection) {
    QObject* target = namedControl(window, name);
    if (target == nullptr)
        return;
    switch (row.target) {
    case Caption:
        setCaption(target, text);
        break;
    case Hint:
    case HintAndTip:
        setHint(target, text, row.target == HintAndTip);
        break;
    case ListEntry:
        if (auto* list = qobject_cast<QComboBox*>(target)) {
            list->setItemText(row.entry, text);
        }
        break;
    case RadioItems:
        setRadioItems(target, text);
        break;
    case LiveCaption:
        if (noConnection) {
            setCaption(target, text);
        }
        break;
    }
}

// Calls apply(name, number) for each control a row names: once, or once per number 1..count.
template <typename Apply> void forEachRowControl(const TextRow& row, Apply apply) {
    const QString name = QString::fromLatin1(row.name);
    if (row.count == 0) {
        apply(name, QString());
        return;
    }
    for (int n = 1; n <= row.count; ++n) {
        const QString number = QString::number(n);
        apply(QString(name).replace("%1", number), number);
    }
}

} // namespace

void applyTexts(QMainWindow* window, std::uint8_t language) {
    for (int l = 0; l < kLanguageCount; ++l) {
        if (auto* item = namedControl<QAction>(window, kLanguageItems[l])) {
            item->setChecked(l == language);
        }
    }
    const auto* connectionLabel = namedControl<QWidget>(window, "LabelSpojeni");
    const bool noConnection = connectionLabel != nullptr && !connectionLabel->isHidden();
    for (const TextRow& row : kTextTable) {
        const QString text = rowText(row, language);
        const QString suffix = QString::fromLatin1(row.suffix);
        forEachRowControl(row, [&](const QString& name, const QString& number) {
            applyRow(window, row, name, text + QString(suffix).replace("%1", number), noConnection);
        });
    }
}

QStringList textControlNames() {
    QStringList names;
    for (const TextRow& row : kTextTable)
        forEachRowControl(row, [&names](const QString& name, const QString&) { names << name; });
    for (const char* item : kLanguageItems)
        names << QString::fromLatin1(item);
    return names;
}

void setHint(QObject* target, const QString& hint, bool withTooltip) {
    const qsizetype bar = hint.indexOf('|');
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    const QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        target = menu->menuAction();
    }
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setStatusTip(longPart);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setStatusTip(longPart);
        if (withTooltip) {
            widget->setToolTip(shortPart);
        }
    }
}
