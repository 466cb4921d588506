#pragma once
// The four pages of the notebook with their groups, lists, labels and single check boxes. The
// number pairs and the other repeated controls are added by buildControlTables.

struct MainWindowUi;

void buildPages(MainWindowUi& ui);
