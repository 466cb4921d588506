#pragma once
// The live-data column of the main window and the live controls elsewhere in it (inputs,
// programming count, warnings, test values), and the operating-point marks in the map and servo
// editors. Each tick changes a control only where its text or colour differs from what it shows,
// and colours go through the palette, so a steady display costs next to nothing.

#include "link/LiveMonitor.h"
#include "link/OperatingPoint.h"

#include <QStringList>
#include <array>

class MapCellGrid;
class QLabel;
class QProgressBar;
class QWidget;
struct MainWindowUi;

class LiveColumn {
public:
    // Creates the column's labels and gauges at x = 676 in the client area, with their names,
    // fonts and the texts that no language changes. Run before the control tables are built.
    static void build(QWidget* client);

    // Finds the live controls of the built window by name, and the 140 marked controls in its
    // control tables; they show no data.
    explicit LiveColumn(const MainWindowUi& ui);

    // Every name by which the column finds a live control.
    static QStringList controlNames();

    void show(const varko::LiveDisplay& display);
    // As before the first frame: no colours, gauges at 0, no warnings from the unit, and the
    // no-data texts that no language changes (applyNoDataTexts writes the others).
    void showNoData();
    void mark(const varko::OperatingMarks& marks);

private:
    struct Controls {
        QLabel* rpm;
        QProgressBar* rpmGauge;
        QLabel* tps;
        QProgressBar* tpsGauge;
        QLabel* supplyVoltage;
        QLabel* blocking;
        std::array<QLabel*, varko::kChannels> advance;
        QLabel* pilotLight;
        std::array<QLabel*, 2> pickups;
        QLabel* servoDesired;
        QLabel* servoMeasured;
        QWidget* servoGroup;
        QLabel* version;
        QLabel* dataError;
        QLabel* programCount;
        std::array<QLabel*, 8> test;
        std::array<QLabel*, 2> input;
        QLabel* clutch;
        QLabel* killSwitch;
    };
    Controls c_;

    std::array<QWidget*, varko::kBreakpoints> rpmAdv_{};
    std::array<QWidget*, varko::kBreakpoints> tpsRow_{};
    std::array<QWidget*, varko::kBreakpoints> servoRpmEdits_{};
    std::array<QWidget*, varko::kBreakpoints> servoMvEdits_{};
    MapCellGrid* mapCells_ = nullptr;
    varko::OperatingMarks shownMarks_;
    bool marksShown_ = false;
};
