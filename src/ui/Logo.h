#pragma once
// The VARKO logo, drawn from the picture compiled into the program.

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSize>

// The whole logo at the given size, sharp on a screen of the given pixel ratio.
QPixmap logoPixmap(QSize size, qreal devicePixelRatio);
// The emblem part of the logo, filling the area; kEmblemSide is its side in the logo's own units.
constexpr int kEmblemSide = 81;
void paintEmblem(QPainter& painter, const QRectF& area);
// The emblem in the sizes window managers and icon themes ask for.
QIcon logoIcon();
