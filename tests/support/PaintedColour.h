#pragma once
// What a control looks like on screen, for tests of colours that the style must really paint.

#include <QColor>
#include <QImage>
#include <QWidget>

// The share of the control's painted pixels that are exactly colour.
inline double paintedShare(QWidget* widget, const QColor& colour) {
    const QImage picture = widget->grab().toImage();
    int matching = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            matching += picture.pixelColor(x, y) == colour ? 1 : 0;
    return double(matching) / (picture.width() * picture.height());
}
