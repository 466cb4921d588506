#include "app/EditingTools.h"

#include "app/MainWindow.h"
#include "app/WindowLink.h"
#include "ui/MainWindowUi.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <tuple>

using namespace varko;

EditingTools::EditingTools(MainWindow& window, MainWindowUi& ui)
    : QObject(&window), window_(window), ui_(ui) {
    const MainWindowUi::ToolButtons& tools = ui.tools;
    for (const auto& [button, item, step] :
         {std::tuple{tools.advanceMinus, ui.menu.advanceMinus, ToolStep::Down},
          std::tuple{tools.advancePlus, ui.menu.advancePlus, ToolStep::Up}}) {
        const auto run = [this, step] { stepAdvance(step); };
        connect(button, &QAbstractButton::clicked, this, run);
        connect(item, &QAction::triggered, this, run);
    }
    for (int column = 0; column < kBreakpoints; ++column) {
        const auto& [up, down] = tools.columnArrows[column];
        connect(up, &QAbstractButton::clicked, this,
                [this, column] { stepColumn(column, ToolStep::Up); });
        connect(down, &QAbstractButton::clicked, this,
                [this, column] { stepColumn(column, ToolStep::Down); });
    }
    connect(tools.servoMinus, &QAbstractButton::clicked, this,
            [this] { stepServo(ToolStep::Down); });
    connect(tools.servoPlus, &QAbstractButton::clicked, this, [this] { stepServo(ToolStep::Up); });
    connect(tools.tps0, &QAbstractButton::clicked, this, &EditingTools::takeTps0);
    connect(tools.tps100, &QAbstractButton::clicked, this, &EditingTools::takeTps100);
}

void EditingTools::stepAdvance(ToolStep step) {
    window_.collectImage();
    window_.normalizeImage();
    const OperatingPoint& point = window_.deviceLink().operatingPoint();
    std::optional<MapCell> cell;
    if (!point.opBelowMap)
        cell = MapCell{point.opRow, point.opColumn};
    varko::stepAdvance(window_.image(), step, ui_.tools.advanceAll->isChecked(), cell);
    window_.normalizeImage();
    window_.refreshAfterChange();
}

void EditingTools::stepColumn(int column, ToolStep step) {
    window_.collectImage();
    stepAdvanceColumn(window_.image(), column, step);
    window_.refreshAfterChange();
}

void EditingTools::stepServo(ToolStep step) {
    window_.collectImage();
    varko::stepServo(window_.image(), step, ui_.tools.servoAll->isChecked(),
                     window_.deviceLink().operatingPoint().opServoPoint);
    window_.refreshAfterChange();
}

void EditingTools::takeTps0() {
    takeTps(varko::takeTps0);
}

void EditingTools::takeTps100() {
    takeTps(varko::takeTps100);
}

// Unlike the other tools these do not collect the controls first: the refresh shows the image
// again, over any value typed but not yet committed.
void EditingTools::takeTps(bool (*take)(ParamImage&, std::uint32_t)) {
    if (take(window_.image(), window_.deviceLink().live().liveTpsMillivolts))
        window_.refreshAfterChange();
}
