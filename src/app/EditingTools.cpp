#include "app/EditingTools.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "model/Normalize.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <tuple>

using namespace varko;

EditingTools::EditingTools(QMainWindow& window, MainWindowUi& ui, Document& document,
                           FormBinder& form, const WindowLink& link)
    : QObject(&window), ui_(ui), document_(document), form_(form), link_(link) {
    const MainWindowUi::ToolButtons& tools = ui.tools;
    for (const auto& [button, item, step] :
         {std::tuple{tools.advanceMinus, ui.menu.advanceMinus, ToolStep::Down},
          std::tuple{tools.advancePlus, ui.menu.advancePlus, ToolStep::Up}}) {
        const auto run = [this, step = step] { stepAdvance(step); };
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
    const OperatingPoint& point = link_.operatingPoint();
    std::optional<MapCell> cell;
    if (!point.opBelowMap)
        cell = MapCell{point.opRow, point.opColumn};
    const bool all = ui_.tools.advanceAll->isChecked();
    form_.commit(ChangeOrigin::Edit, [&](ParamImage& image) {
        normalize(image, document_.settings());
        varko::stepAdvance(image, step, all, cell);
    });
}

void EditingTools::stepColumn(int column, ToolStep step) {
    form_.commit(ChangeOrigin::Edit,
                 [&](ParamImage& image) { stepAdvanceColumn(image, column, step); });
}

void EditingTools::stepServo(ToolStep step) {
    const bool all = ui_.tools.servoAll->isChecked();
    const int point = link_.operatingPoint().opServoPoint;
    form_.commit(ChangeOrigin::Edit,
                 [&](ParamImage& image) { varko::stepServo(image, step, all, point); });
}

void EditingTools::takeTps0() {
    takeTps(varko::takeTps0);
}

void EditingTools::takeTps100() {
    takeTps(varko::takeTps100);
}

// Unlike the other tools these do not take the pending edit: the set is shown again, over any
// value typed but not yet taken.
void EditingTools::takeTps(bool (*take)(ParamImage&, std::uint32_t)) {
    ParamImage taken = document_.image();
    if (take(taken, link_.live().liveTpsMillivolts))
        document_.apply([&taken](ParamImage& image) { image = taken; }, ChangeOrigin::Edit);
}
