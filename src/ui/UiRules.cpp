#include "ui/UiRules.h"

#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/NumberPair.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

namespace {

void setBackground(QWidget* widget, const QColor& colour) {
    if (widget->palette().color(QPalette::Window) == colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}

// A box painted red while its setting needs attention, else drawn like its neighbours. A check
// box paints no palette background of its own, so the colour comes through a style sheet, set
// only when the state changes (a new sheet re-polishes the box).
void setWarning(QWidget* box, bool red) {
    const QString sheet = red ? QStringLiteral("background-color: red;") : QString();
    if (box->styleSheet() != sheet)
        box->setStyleSheet(sheet);
}

// Row 9 is the only row in use without the throttle axis: it then moves up into the place of
// the first row.
void placeLastMapRow(MainWindowUi& ui, int alignRow) {
    const int top = ui.throttleLabels[alignRow]->y() - 4;
    for (int c = 0; c < varko::kBreakpoints; ++c) {
        NumberPair* cell = ui.pairs[varko::Pair::advance + 90 + c];
        if (cell->edit()->y() != top) {
            cell->edit()->move(cell->edit()->x(), top);
            cell->upDown()->move(cell->upDown()->x(), top);
        }
    }
}

} // namespace

void applyUiDecisions(QMainWindow* window, MainWindowUi& ui, const varko::UiDecisions& d,
                      const std::array<QString, 3>& unitTexts) {
    window->setAutoFillBackground(true);
    setBackground(window, d.whiteBackground ? QColor(Qt::white) : buttonFace());
    setWarning(ui.checks[varko::Check::noReading], d.noReadingRed);
    setWarning(ui.programAfterChange, d.progAfterChangeRed);

    for (const MainWindowUi::RuleBinding& binding : ui.ruleBindings) {
        const bool on = binding.decide(d);
        for (QWidget* widget : binding.widgets) {
            if (binding.enables) {
                widget->setEnabled(on);
            } else {
                widget->setVisible(on);
            }
        }
    }
    placeLastMapRow(ui, d.row9AlignRow);
    ui.mapCells->setThrottleRowsShown(d.mapRowsShown);
    ui.mapCells->setPrinting(!d.notPrinting);

    for (int v = 0; v < 3; ++v) {
        if (ui.unitVersionLabels[v]->text() != unitTexts[v]) {
            ui.unitVersionLabels[v]->setText(unitTexts[v]);
        }
    }
}
