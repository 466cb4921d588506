// The repeated controls: every number pair is made by one loop over the pair table, placed by
// its group's rule; the display rules find their controls by name once, here.

#include "ui/ControlTables.h"

#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/NamedControls.h"
#include "ui/NumberPair.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <QtMath>
#include <algorithm>
#include <tuple>

namespace {

using namespace varko;

struct Placement {
    QWidget* parent;
    int x;
    int y;
    int editWidth;
};

int gridX(int base, int column) {
    return qRound(base + 59.2 * column);
}

// Where each pair sits: single pairs at their own place, rows and the map on the page grid.
Placement placePair(int p, const MainWindowUi& ui) {
    constexpr int kWide = 57;     // up to "25,000"
    constexpr int kNarrow = 33;   // two or three digits
    constexpr int kGridHead = 44; // "20,100" in a column of the 59-pixel grid
    if (p >= Pair::advance && p < Pair::advance + 100) {
        const int k = p - Pair::advance;
        return {ui.mapGroup, gridX(51, k % 10), 69 + 33 * (k / 10), 30};
    }
    if (p >= Pair::rpmAdv && p < Pair::rpmAdv + kBreakpoints) {
        return {ui.mapGroup, gridX(44, p - Pair::rpmAdv), 29, kGridHead};
    }
    if (p >= Pair::servoRpm && p < Pair::servoRpm + kBreakpoints) {
        return {ui.servoGroup, gridX(44, p - Pair::servoRpm), 29, kGridHead};
    }
    if (p >= Pair::servoMv && p < Pair::servoMv + kBreakpoints) {
        return {ui.servoGroup, gridX(44, p - Pair::servoMv), 64, kGridHead};
    }
    if (p >= Pair::maxAdvLobe && p < Pair::startAdvLobe + kChannels) {
        const int n = (p - Pair::maxAdvLobe) % kChannels;
        return {ui.channelGroups[n], 120, p < Pair::startAdvLobe ? 19 : 47, kNarrow};
    }
    if (p >= Pair::compensation && p < Pair::compensation + kChannels) {
        constexpr int columns[] = {296, 368, 432, 504};
        return {ui.miscPage, columns[p - Pair::compensation], 131, 41};
    }
    switch (p) {
    case Pair::lobeCount:
        return {ui.groupSpecial, 16, 69, kNarrow};
    case Pair::channelCount:
        return {ui.groupSpecial, 208, 69, kNarrow};
    case Pair::revsWithoutIgnition:
        return {ui.miscPage, 16, 155, kWide};
    case Pair::tachoPulses:
        return {ui.groupRpm, 16, 28, 41};
    case Pair::tachoCorrection:
        return {ui.groupRpm, 16, 68, 41};
    case Pair::pilotLight:
        return {ui.miscPage, 16, 51, kWide};
    case Pair::limiter:
        return {ui.miscPage, 16, 17, kWide};
    case Pair::clutchTime:
        return {ui.miscPage, 16, 86, kWide};
    case Pair::clutchPause:
        return {ui.miscPage, 16, 120, kWide};
    case Pair::tps0:
        return {ui.groupTps, 96, 34, 49};
    case Pair::tps100:
        return {ui.groupTps, 96, 74, 49};
    case Pair::baseAdv:
        return {ui.mapGroup, 432, 437, 41};
    default: // Pair::servoHyster
        return {ui.servoGroup, 44, 98, 49};
    }
}

// Names of the controls a display decision rules, from the pair table where they are pairs.
QStringList pairNames(int first, int count, bool upDowns) {
    QStringList names;
    for (int p = first; p < first + count; ++p) {
        names << (upDowns ? pairTable()[p].upDownName : pairTable()[p].editName);
    }
    return names;
}

QStringList checkNames(int first, int count) {
    QStringList names;
    for (int c = first; c < first + count; ++c) {
        names << checkTable()[c].name;
    }
    return names;
}

QStringList numberedNames(const QString& pattern, int count) {
    QStringList names;
    for (int n = 1; n <= count; ++n) {
        names << QString(pattern).arg(n);
    }
    return names;
}

// The child of page that holds widget (the widget itself when it sits on the page).
const QWidget* groupOnPage(const QWidget* widget, const QWidget* page) {
    while (widget->parentWidget() != page)
        widget = widget->parentWidget();
    return widget;
}

// Tab and Enter follow the layout: groups (and single controls) top to bottom, then left to
// right; within a group its controls the same way. Qt itself skips hidden and disabled ones.
void orderTabsByLayout(QWidget* page) {
    std::vector<QWidget*> stops;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.push_back(widget);
    }
    const auto place = [page](const QWidget* widget) {
        const QWidget* group = groupOnPage(widget, page);
        const QPoint inGroup = widget->mapTo(group, QPoint(0, 0));
        return std::tuple(group->y(), group->x(), inGroup.y(), inGroup.x());
    };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

struct RuleSpec {
    bool (*decide)(const UiDecisions&);
    bool enables;
    QStringList names;
};

constexpr int kMapRows9 = 90; // the cells of rows 0..8

std::vector<RuleSpec> ruleSpecs() {
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
                  pairNames(Pair::baseAdv, 1, true) + pairNames(Pair::limiter, 1, true) +
                  pairNames(Pair::tps0, 2, true) + pairNames(Pair::servoHyster, 1, true) +
                  pairNames(Pair::rpmAdv, kBreakpoints, true) +
                  pairNames(Pair::servoRpm, kBreakpoints, true) +
                  pairNames(Pair::servoMv, kBreakpoints, true) +
                  pairNames(Pair::advance + kMapRows9, kBreakpoints, true)),
        shows([](const UiDecisions& d) { return d.mapRowsShown; },
              numberedNames("LabelTps%1", kBreakpoints) +
                  pairNames(Pair::advance, kMapRows9, false)),
        shows([](const UiDecisions& d) { return d.mapUpDownsShown; },
              numberedNames("CSpinButton%1", kBreakpoints) + QStringList{"CGaugeTps"} +
                  pairNames(Pair::advance, kMapRows9, true)),
        enables([](const UiDecisions& d) { return d.tpsMonEnabled; }, {"LabelTpsMon"}),
        shows([](const UiDecisions& d) { return d.servoShown; },
              {"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"}),
        enables([](const UiDecisions& d) { return d.specialEnabled; },
                QStringList{"GroupBoxSpecial", "ComboBoxSynchro", "ComboBoxNasobekPalcu",
                            "CheckBoxBuzDlouhe", "LabelSynchro", "LabelPocPalcu", "LabelPocKanalu",
                            "LabelLobe", "LabelHrana2", "LabelSnimac2", "LabelKompenz"} +
                    numberedNames("GroupBoxPalec%1", kChannels) +
                    numberedNames("LabelPalec%1Zac", kChannels) +
                    numberedNames("LabelPalec%1End", kChannels) +
                    pairNames(Pair::channelCount, 1, false) +
                    pairNames(Pair::compensation, kChannels, false)),
        enables([](const UiDecisions& d) { return d.lobeEditsEnabled; },
                pairNames(Pair::lobeCount, 1, false) +
                    pairNames(Pair::maxAdvLobe, 2 * kChannels, false)),
        enables([](const UiDecisions& d) { return d.channelChecksEnabled; },
                checkNames(Check::maxAdvEdge2, 4 * kChannels)),
        shows([](const UiDecisions& d) { return d.lobeCountUpDownShown; },
              pairNames(Pair::lobeCount, 1, true)),
        shows([](const UiDecisions& d) { return d.channelCountUpDownShown; },
              pairNames(Pair::channelCount, 1, true)),
        shows([](const UiDecisions& d) { return d.lobeUpDownsShown; },
              pairNames(Pair::maxAdvLobe, 2 * kChannels, true)),
        shows([](const UiDecisions& d) { return d.noLobeCheckShown; }, {"CheckBoxNehlidaPalec"}),
        shows([](const UiDecisions& d) { return d.invInput2Shown; }, {"CheckBoxInvInput2"}),
        shows([](const UiDecisions& d) { return d.pickup2ChecksShown; },
              checkNames(Check::maxAdvPickup2, 2 * kChannels)),
        shows([](const UiDecisions& d) { return d.monPickup2Shown; }, {"LabelMonSnimac2"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[0]; }, {"GroupBoxPalec1"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[1]; }, {"GroupBoxPalec2"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[2]; }, {"GroupBoxPalec3"}),
        shows([](const UiDecisions& d) { return d.channelGroupShown[3]; }, {"GroupBoxPalec4"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[1]; }, {"LabelAdvance2"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[2]; }, {"LabelAdvance3"}),
        shows([](const UiDecisions& d) { return d.advanceLabelShown[3]; }, {"LabelAdvance4"}),
        shows([](const UiDecisions& d) { return d.compensationShown; },
              QStringList{"LabelKompenz"} + pairNames(Pair::compensation, kChannels, false) +
                  pairNames(Pair::compensation, kChannels, true)),
        enables([](const UiDecisions& d) { return d.killEnabled; }, {"LabelKillSwitch"}),
        enables([](const UiDecisions& d) { return d.blockingEnabled; }, {"LabelBlocking1"}),
        enables([](const UiDecisions& d) { return d.clutchEnabled; },
                QStringList{"LabelClutchMon", "LabelClutchTime", "LabelClutchPause"} +
                    pairNames(Pair::clutchTime, 2, false)),
        shows([](const UiDecisions& d) { return d.clutchUpDownsShown; },
              pairNames(Pair::clutchTime, 2, true)),
        enables([](const UiDecisions& d) { return d.inputGroupsEnabled; },
                {"RadioGroupInput1", "RadioGroupInput2"}),
    };
}

} // namespace

void buildControlTables(QMainWindow* window, MainWindowUi& ui) {
    const auto& pairs = pairTable();
    for (int p = 0; p < kPairCount; ++p) {
        const Placement place = placePair(p, ui);
        ui.pairs[p] = new NumberPair(pairs[p], place.parent, place.x, place.y, place.editWidth);
    }
    for (int page = 0; page < ui.pageControl->count(); ++page) {
        if (ui.pageControl->widget(page) != ui.mapGroup->parentWidget())
            orderTabsByLayout(ui.pageControl->widget(page));
    }
    // The map page's focus order: the speed row, then the cells row by row.
    for (int p = Pair::rpmAdv + 1; p < Pair::advance + 100; ++p) {
        QWidget::setTabOrder(ui.pairs[p - 1]->edit(), ui.pairs[p]->edit());
    }

    const auto& checks = checkTable();
    for (int c = 0; c < kCheckCount; ++c) {
        ui.checks[c] = namedControl<QCheckBox>(window, checks[c].name);
    }

    for (const RuleSpec& spec : ruleSpecs()) {
        MainWindowUi::RuleBinding binding{spec.decide, spec.enables, {}};
        for (const QString& name : spec.names) {
            if (auto* widget = namedControl<QWidget>(window, name))
                binding.widgets.push_back(widget);
        }
        ui.ruleBindings.push_back(std::move(binding));
    }
    ui.mapCells = new MapCellGrid(ui);
}

QStringList ruleControlNames() {
    QStringList names;
    for (const RuleSpec& spec : ruleSpecs())
        names += spec.names;
    return names;
}
