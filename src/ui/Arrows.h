#pragma once
// An up arrow above a down arrow filling a small box, as beside every number edit and under
// every map column. The arrows never take the keyboard focus.

#include <QWidget>
#include <array>

class QToolButton;

// Fills holder with the two arrows and returns them, up first.
std::array<QToolButton*, 2> addArrows(QWidget* holder);
