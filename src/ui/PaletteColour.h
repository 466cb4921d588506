#pragma once
// Colours set through a widget's palette, changed only where they differ: a steady display then
// costs no repaint.

#include <QPalette>

class QWidget;

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
