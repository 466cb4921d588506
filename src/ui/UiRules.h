#pragma once
// The display decisions applied to the widgets. Every call sets the full state, so the look
// depends only on the decisions, never on what was applied before.

#include "model/DisplayRules.h"

#include <QString>
#include <array>

class QMainWindow;
struct MainWindowUi;

// The unit's texts (firmware name, date, time) go to the three version labels.
void applyUiDecisions(QMainWindow* window, MainWindowUi& ui, const varko::UiDecisions& d,
                      const std::array<QString, 3>& unitTexts);
