#pragma once
// The docks of the live plot and of the advance-curve chart, hidden until chosen in the View
// menu: the plot with its pause, time and save controls above it, floating beside the window;
// the chart docked at the window's right, beside the pages.

class QMainWindow;
struct MainWindowUi;

// Run after the menus are built: the View menu gets the docks' items.
void buildChartDocks(QMainWindow* window, MainWindowUi& ui);
