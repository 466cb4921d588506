#pragma once
// The controls of the main window that the program reads or changes at run time, and the
// control tables of the repeated ones. Every control also carries its name as objectName.

#include "model/DisplayRules.h"
#include "model/FormMapping.h"
#include "model/MapBulkEdits.h"
#include "model/Messages.h"

#include <QString>
#include <array>
#include <vector>

class MapCellGrid;
class NumberPair;
class AdvanceCurveChart;
class LivePlot;
class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QSpinBox;
class QTabWidget;
class QWidget;

struct MainWindowUi {
    QWidget* client = nullptr;
    QTabWidget* pageControl = nullptr;

    // Parents of the repeated controls.
    QWidget* miscPage = nullptr;
    QWidget* bikePage = nullptr;
    QWidget* mapGroup = nullptr;
    QGroupBox* groupTps = nullptr;
    QGroupBox* groupRpm = nullptr;
    QGroupBox* groupSpecial = nullptr;
    QGroupBox* servoGroup = nullptr;
    std::array<QGroupBox*, varko::kChannels> channelGroups{};

    // Control tables, indexed as FormMapping's pair and check tables.
    std::array<NumberPair*, varko::kPairCount> pairs{};
    std::array<QCheckBox*, varko::kCheckCount> checks{};
    std::array<QLabel*, varko::kBreakpoints> throttleLabels{};
    std::array<QWidget*, varko::kBreakpoints> spinButtons{};
    // The map's cells as one grid: selection, keys and backgrounds.
    MapCellGrid* mapCells = nullptr;

    // The map and curve tools' buttons; the arrows of each spin button are up first.
    struct ToolButtons {
        QAbstractButton* advanceMinus = nullptr;
        QAbstractButton* advancePlus = nullptr;
        QCheckBox* advanceAll = nullptr;
        std::array<std::array<QAbstractButton*, 2>, varko::kBreakpoints> columnArrows{};
        QAbstractButton* servoMinus = nullptr;
        QAbstractButton* servoPlus = nullptr;
        QCheckBox* servoAll = nullptr;
        QAbstractButton* tps0 = nullptr;
        QAbstractButton* tps100 = nullptr;
    } tools;

    QComboBox* comboBike = nullptr;
    QComboBox* comboSynchro = nullptr;
    QComboBox* comboIgnitionsPerRev = nullptr;
    QGroupBox* radioGroupInput1 = nullptr;
    QGroupBox* radioGroupInput2 = nullptr;
    QButtonGroup* input1 = nullptr;
    QButtonGroup* input2 = nullptr;
    QCheckBox* programAfterChange = nullptr;

    QLabel* connectionLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QProgressBar* programGauge = nullptr;
    QLabel* dataErrorLabel = nullptr;
    QLabel* versionWarningLabel = nullptr;
    QLabel* fileLabel = nullptr;
    std::array<QLabel*, 3> unitVersionLabels{};
    std::array<QLabel*, 8> testLabels{};
    QLabel* comLabel = nullptr;
    QMenu* portMenu = nullptr;

    // The menu items the program acts on.
    struct MenuActions {
        QAction* newImage = nullptr;
        QAction* open = nullptr;
        QAction* openFromProgramFolder = nullptr;
        QAction* history = nullptr;
        QAction* compareFile = nullptr;
        QAction* openLiveDataLog = nullptr;
        QAction* save = nullptr;
        QAction* saveToProgramFolder = nullptr;
        QAction* print = nullptr;
        QAction* printAll = nullptr;
        QAction* exit = nullptr;
        QAction* read = nullptr;
        QAction* verify = nullptr;
        QAction* program = nullptr;
        QAction* compareUnit = nullptr;
        QAction* recordLiveData = nullptr; // checkable
        QAction* advanceMinus = nullptr;
        QAction* advancePlus = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* backupBeforeProgramming = nullptr; // checkable
        // The docks' own show-and-hide items (checkable).
        QAction* livePlot = nullptr;
        QAction* advanceCurves = nullptr;
        // Tools > Map, also the map's context menu.
        struct MapItems {
            QMenu* menu = nullptr;
            std::array<QAction*, varko::kBulkEditCount> edits{}; // in BulkEdit's order
            QAction* copy = nullptr;
            QAction* paste = nullptr;
            QAction* selectAll = nullptr;
            std::array<QAction*, 3> scales{}; // checkable, in CellScale's order
            QAction* resetTime = nullptr;
        } map;
        std::array<QAction*, varko::kLanguageCount> languages{};
        QAction* contents = nullptr;
        QAction* about = nullptr;
    } menu;

    // The toolbar's buttons.
    struct ToolbarButtons {
        QAbstractButton* newImage = nullptr;
        QAbstractButton* open = nullptr;
        QAbstractButton* save = nullptr;
        QAbstractButton* print = nullptr;
        QAbstractButton* undo = nullptr;
        QAbstractButton* redo = nullptr;
        QAbstractButton* read = nullptr;
        QAbstractButton* verify = nullptr;
        QAbstractButton* program = nullptr;
        QAbstractButton* recordLiveData = nullptr; // checkable
    } toolbar;

    // The live plot and the advance-curve chart, each in a dock of its own.
    struct ChartDocks {
        QDockWidget* livePlotDock = nullptr;
        LivePlot* livePlot = nullptr;
        QAbstractButton* pause = nullptr; // checkable
        QSpinBox* seconds = nullptr;      // the time shown
        QAbstractButton* save = nullptr;
        QDockWidget* curveDock = nullptr;
        AdvanceCurveChart* curveChart = nullptr;
    } charts;

    // Controls grouped by the display decision that shows or enables them, filled by
    // buildControlTables from the names of the rule table.
    struct RuleBinding {
        bool (*decide)(const varko::UiDecisions&);
        bool enables; // false: the decision shows or hides
        std::vector<QWidget*> widgets;
    };
    std::vector<RuleBinding> ruleBindings;
};
