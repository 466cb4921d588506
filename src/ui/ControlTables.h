#pragma once
// The repeated controls, built by loops into the control tables of MainWindowUi, and the
// controls each display decision rules, bound once by name.

#include <QStringList>

class QMainWindow;
struct MainWindowUi;

// Run once the window is built; every name of the rule table must find exactly one control.
void buildControlTables(QMainWindow* window, MainWindowUi& ui);

// Every control name the rule table holds.
QStringList ruleControlNames();
