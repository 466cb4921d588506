#include "ui/ChartDocks.h"

#include "link/LiveHistory.h"
#include "ui/AdvanceCurveChart.h"
#include "ui/LivePlot.h"
#include "ui/MainWindowUi.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using varko::LiveHistory;

namespace {

template <typename W> W* named(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

QDockWidget* addDock(QMainWindow* window, const char* name, const char* menuItemName,
                     Qt::DockWidgetArea area, QWidget* content) {
    auto* dock = named<QDockWidget>(window, name);
    dock->setWidget(content);
    window->addDockWidget(area, dock);
    dock->hide();
    dock->toggleViewAction()->setObjectName(menuItemName);
    window->findChild<QMenu*>("MenuView")->addAction(dock->toggleViewAction());
    return dock;
}

QWidget* buildLivePlotPane(MainWindowUi::ChartDocks& charts) {
    auto* pane = new QWidget;
    auto* controls = new QHBoxLayout;
    auto* pause = named<QToolButton>(pane, "LivePlotPause");
    pause->setCheckable(true);
    auto* label = named<QLabel>(pane, "LabelLivePlotWindow");
    auto* seconds = named<QSpinBox>(pane, "LivePlotWindow");
    seconds->setRange(int(LiveHistory::kMinWindowMs / 1000), int(LiveHistory::kMaxWindowMs / 1000));
    seconds->setValue(int(LiveHistory::kDefaultWindowMs / 1000));
    seconds->setSuffix(QStringLiteral(" s"));
    label->setBuddy(seconds);
    auto* save = named<QToolButton>(pane, "LivePlotSave");
    controls->addWidget(pause);
    controls->addSpacing(12);
    controls->addWidget(label);
    controls->addWidget(seconds);
    controls->addStretch();
    controls->addWidget(save);
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(controls);
    charts.livePlot = new LivePlot(pane);
    column->addWidget(charts.livePlot, 1);
    charts.pause = pause;
    charts.seconds = seconds;
    charts.save = save;
    return pane;
}

} // namespace

void buildChartDocks(QMainWindow* window, MainWindowUi& ui) {
    MainWindowUi::ChartDocks& charts = ui.charts;
    charts.livePlotDock = addDock(window, "LivePlotDock", "MenuLivePlot", Qt::BottomDockWidgetArea,
                                  buildLivePlotPane(charts));
    // Below the window there is seldom room: the plot starts as a window of its own.
    charts.livePlotDock->setFloating(true);
    charts.livePlotDock->resize(820, 560);
    charts.curveChart = new AdvanceCurveChart;
    charts.curveDock = addDock(window, "AdvanceCurveDock", "MenuAdvanceCurves",
                               Qt::RightDockWidgetArea, charts.curveChart);
    ui.menu.livePlot = charts.livePlotDock->toggleViewAction();
    ui.menu.advanceCurves = charts.curveDock->toggleViewAction();
}
