// The repeated controls: every number pair is made by one loop over the pair table, placed by
// its group's rule; the display rules find their controls by name once, here.

#include "ui/MainWindowUi.h"
#include "ui/NumberPair.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QtMath>

namespace {

using namespace varko;

struct Placement {
    QWidget* parent;
    int x;
    int y;
    int editWidth;
};

int GridX(int base, int column) {
    return qRound(base + 59.2 * column);
}

// Where each pair sits: single pairs at their own place, rows and the map on the page grid.
Placement PlacePair(int p, const MainWindowUi& ui) {
    constexpr int kWide = 57;     // up to "25,000"
    constexpr int kNarrow = 33;   // two or three digits
    constexpr int kGridHead = 44; // "20,100" in a column of the 59-pixel grid
    if (p >= Pair::map && p < Pair::map + 100) {
        const int k = p - Pair::map;
        return {ui.mapGroup, GridX(51, k % 10), 69 + 33 * (k / 10), 30};
    }
    if (p >= Pair::rpmAdv && p < Pair::rpmAdv + kBreakpoints) {
        return {ui.mapGroup, GridX(44, p - Pair::rpmAdv), 29, kGridHead};
    }
    if (p >= Pair::rpmPriv && p < Pair::rpmPriv + kBreakpoints) {
        return {ui.groupPrivera, GridX(44, p - Pair::rpmPriv), 29, kGridHead};
    }
    if (p >= Pair::napPriv && p < Pair::napPriv + kBreakpoints) {
        return {ui.groupPrivera, GridX(44, p - Pair::napPriv), 64, kGridHead};
    }
    if (p >= Pair::palecZac && p < Pair::palecEnd + kChannels) {
        const int n = (p - Pair::palecZac) % kChannels;
        return {ui.groupPalec[n], 120, p < Pair::palecEnd ? 19 : 47, kNarrow};
    }
    if (p >= Pair::kompenz && p < Pair::kompenz + kChannels) {
        constexpr int columns[] = {296, 368, 432, 504};
        return {ui.tabRuzne, columns[p - Pair::kompenz], 131, 41};
    }
    switch (p) {
    case Pair::lobeCount:
        return {ui.groupSpecial, 16, 69, kNarrow};
    case Pair::channelCount:
        return {ui.groupSpecial, 208, 69, kNarrow};
    case Pair::pocSynchro:
        return {ui.tabRuzne, 16, 155, kWide};
    case Pair::rpmPulsu:
        return {ui.groupRpm, 16, 28, 41};
    case Pair::rpmKorekce:
        return {ui.groupRpm, 16, 68, 41};
    case Pair::pilotLight:
        return {ui.tabRuzne, 16, 51, kWide};
    case Pair::limiter:
        return {ui.tabRuzne, 16, 17, kWide};
    case Pair::clutchTime:
        return {ui.tabRuzne, 16, 86, kWide};
    case Pair::clutchPause:
        return {ui.tabRuzne, 16, 120, kWide};
    case Pair::tps0:
        return {ui.groupTps, 96, 34, 49};
    case Pair::tps100:
        return {ui.groupTps, 96, 74, 49};
    case Pair::baseAdv:
        return {ui.mapGroup, 432, 437, 41};
    default: // Pair::privHyster
        return {ui.groupPrivera, 44, 98, 49};
    }
}

// Names of the controls a display decision rules, from the pair table where they are pairs.
QStringList PairNames(int first, int count, bool upDowns) {
    QStringList names;
    for (int p = first; p < first + count; ++p) {
        names << (upDowns ? PairTable()[p].upDownName : PairTable()[p].editName);
    }
    return names;
}

QStringList CheckNames(int first, int count) {
    QStringList names;
    for (int c = first; c < first + count; ++c) {
        names << CheckTable()[c].name;
    }
    return names;
}

QStringList Numbered(const QString& pattern, int count) {
    QStringList names;
    for (int n = 1; n <= count; ++n) {
        names << QString(pattern).arg(n);
    }
    return names;
}

struct RuleSpec {
    bool (*decide)(const UiDecisions&);
    bool enables;
    QStringList names;
};

constexpr int kMapRows9 = 90; // the cells of rows 0..8

std::vector<RuleSpec> RuleSpecs() {
    const auto shows = [](bool (*decide)(const UiDecisions&), QStringList names) {
        return RuleSpec{decide, false, std::move(names)};
    };
    const auto enables = [](bool (*decide)(const UiDecisions&), QStringList names) {
        return RuleSpec{decide, true, std::move(names)};
    };
    return {
        shows([](const UiDecisions& d) { return d.notPrinting; },
              QStringList{"CheckBoxProgHned", "StatusBar1", "GroupBoxToolBar", "BitBtnAdvMinus",
                          "BitBtnAdvPlus", "CheckBoxIgnAll", "BitBtnTps0", "BitBtnTps100",
                          "CGaugeRpm", "LabelPocetProgramovani", "CheckBoxTpsMapa",
                          "BitBtnServoMinus", "BitBtnServoPlus", "CheckBoxServoAll",
                          "LabelMonSnimac1"} +
                  PairNames(Pair::baseAdv, 1, true) + PairNames(Pair::limiter, 1, true) +
                  PairNames(Pair::tps0, 2, true) + PairNames(Pair::privHyster, 1, true) +
                  PairNames(Pair::rpmAdv, kBreakpoints, true) +
                  PairNames(Pair::rpmPriv, kBreakpoints, true) +
                  PairNames(Pair::napPriv, kBreakpoints, true) +
                  PairNames(Pair::map + kMapRows9, kBreakpoints, true)),
        shows([](const UiDecisions& d) { return d.mapRowsShown; },
              Numbered("LabelTps%1", kBreakpoints) + PairNames(Pair::map, kMapRows9, false)),
        shows([](const UiDecisions& d) { return d.mapUpDownsShown; },
              Numbered("CSpinButton%1", kBreakpoints) + QStringList{"CGaugeTps"} +
                  PairNames(Pair::map, kMapRows9, true)),
        enables([](const UiDecisions& d) { return d.tpsMonEnabled; }, {"LabelTpsMon"}),
        shows([](const UiDecisions& d) { return d.servoShown; },
              {"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"}),
        enables(
            [](const UiDecisions& d) { return d.specialEnabled; },
            QStringList{"GroupBoxSpecial", "ComboBoxSynchro", "ComboBoxNasobekPalcu",
                        "CheckBoxBuzDlouhe", "LabelSynchro", "LabelPocPalcu", "LabelPocKanalu",
                        "LabelLobe", "LabelHrana2", "LabelSnimac2", "LabelKompenz"} +
                Numbered("GroupBoxPalec%1", kChannels) + Numbered("LabelPalec%1Zac", kChannels) +
                Numbered("LabelPalec%1End", kChannels) + PairNames(Pair::channelCount, 1, false) +
                PairNames(Pair::kompenz, kChannels, false)),
        enables([](const UiDecisions& d) { return d.lobeEditsEnabled; },
                PairNames(Pair::lobeCount, 1, false) +
                    PairNames(Pair::palecZac, 2 * kChannels, false)),
        enables([](const UiDecisions& d) { return d.channelChecksEnabled; },
                CheckNames(Check::palecZacH2, 4 * kChannels)),
        shows([](const UiDecisions& d) { return d.lobeCountUpDownShown; },
              PairNames(Pair::lobeCount, 1, true)),
        shows([](const UiDecisions& d) { return d.channelCountUpDownShown; },
              PairNames(Pair::channelCount, 1, true)),
        shows([](const UiDecisions& d) { return d.lobeUpDownsShown; },
              PairNames(Pair::palecZac, 2 * kChannels, true)),
        shows([](const UiDecisions& d) { return d.noLobeCheckShown; }, {"CheckBoxNehlidaPalec"}),
        shows([](const UiDecisions& d) { return d.invInput2Shown; }, {"CheckBoxInvInput2"}),
        shows([](const UiDecisions& d) { return d.pickup2ChecksShown; },
              CheckNames(Check::palecZacP2, 2 * kChannels)),
        shows([](const UiDecisions& d) { return d.monPickup2Shown; }, {"LabelMonSnimac2"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[0]; }, {"GroupBoxPalec1"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[1]; }, {"GroupBoxPalec2"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[2]; }, {"GroupBoxPalec3"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[3]; }, {"GroupBoxPalec4"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[1]; }, {"LabelAdvance2"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[2]; }, {"LabelAdvance3"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[3]; }, {"LabelAdvance4"}),
        shows([](const UiDecisions& d) { return d.compensationShown; },
              QStringList{"LabelKompenz"} + PairNames(Pair::kompenz, kChannels, false) +
                  PairNames(Pair::kompenz, kChannels, true)),
        enables([](const UiDecisions& d) { return d.killEnabled; }, {"LabelKillSwitch"}),
        enables([](const UiDecisions& d) { return d.blockingEnabled; }, {"LabelBlocking1"}),
        enables([](const UiDecisions& d) { return d.clutchEnabled; },
                QStringList{"LabelClutchMon", "LabelClutchTime", "LabelClutchPause"} +
                    PairNames(Pair::clutchTime, 2, false)),
        shows([](const UiDecisions& d) { return d.clutchUpDownsShown; },
              PairNames(Pair::clutchTime, 2, true)),
        enables([](const UiDecisions& d) { return d.inputGroupsEnabled; },
                {"RadioGroupInput1", "RadioGroupInput2"}),
    };
}

} // namespace

void BuildControlTables(QMainWindow* window, MainWindowUi& ui) {
    const auto& pairs = PairTable();
    for (int p = 0; p < kPairCount; ++p) {
        const Placement place = PlacePair(p, ui);
        ui.pairs[p] = new NumberPair(pairs[p], place.parent, place.x, place.y, place.editWidth);
    }
    // The map page's focus order: the speed row, then the cells row by row.
    for (int p = Pair::rpmAdv + 1; p < Pair::map + 100; ++p) {
        QWidget::setTabOrder(ui.pairs[p - 1]->edit(), ui.pairs[p]->edit());
    }

    const auto& checks = CheckTable();
    for (int c = 0; c < kCheckCount; ++c) {
        ui.checks[c] = window->findChild<QCheckBox*>(checks[c].name);
    }

    // Controls of a later part of the window that do not exist yet are left out.
    for (const RuleSpec& spec : RuleSpecs()) {
        MainWindowUi::RuleBinding binding{spec.decide, spec.enables, {}};
        for (const QString& name : spec.names) {
            if (auto* widget = window->findChild<QWidget*>(name)) {
                binding.widgets.push_back(widget);
            }
        }
        ui.ruleBindings.push_back(std::move(binding));
    }
}
