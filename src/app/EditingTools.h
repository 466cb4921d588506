#pragma once
// The map and curve tools of the main window: advance - and + (buttons, Tools menu, F4 and F5) at
// the cell where the engine runs or over the whole map, the spin buttons under the map's speed
// columns, servo - and + at the servo point where the engine runs or over the curve, and the live
// throttle voltage taken as either calibration end. Each is one change of the document: shown,
// recorded as one undo step and programmed when that is on.

#include "model/MapTools.h"
#include "model/ParamImage.h"

#include <QObject>

class FormBinder;
class QMainWindow;
class WindowLink;
struct MainWindowUi;
namespace varko {
class Document;
}

class EditingTools final : public QObject {
    Q_OBJECT
public:
    // Connects the buttons and menu items; the window's link must exist.
    EditingTools(QMainWindow& window, MainWindowUi& ui, varko::Document& document, FormBinder& form,
                 const WindowLink& link);

    void stepAdvance(varko::ToolStep step);
    void stepColumn(int column, varko::ToolStep step);
    void stepServo(varko::ToolStep step);
    // A voltage outside the end's range does nothing at all, not even the refresh.
    void takeTps0();
    void takeTps100();

private:
    void takeTps(bool (*take)(varko::ParamImage&, std::uint32_t));

    MainWindowUi& ui_;
    varko::Document& document_;
    FormBinder& form_;
    const WindowLink& link_;
};
