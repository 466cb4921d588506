#pragma once
// The VARKO logo, drawn from the picture compiled into the program.

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The whole logo at the given size, sharp on a screen of the given pixel ratio.
QPixmap logoPixmap(QSize size, qreal devicePixelRatio);
// The emblem part of the logo in the sizes window managers ask for.
QIcon logoIcon();
