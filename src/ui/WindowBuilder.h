#pragma once
// Builds the main window's frame: menus, toolbar, notebook pages, the link's labels and the
// file area. Every control carries its name as objectName; the ones the program acts on are
// also kept in the typed members of MainWindowUi.

class QMainWindow;
struct MainWindowUi;

void buildMainWindow(QMainWindow* window, MainWindowUi& ui);
