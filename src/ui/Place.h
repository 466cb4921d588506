#pragma once
// Creating a named control at a fixed place: the window's controls keep their positions from
// the top-left corner and do not follow the window size.

#include <QFont>
#include <QString>
#include <QWidget>

template <typename W>
W* placeWidget(QWidget* parent, const QString& name, int x, int y, int width, int height) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

inline void setPixelFont(QWidget* widget, int pixels, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}
