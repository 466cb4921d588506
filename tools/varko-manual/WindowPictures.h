#pragma once
// Pictures of the program's own window for the manual: the four pages of the main window and the
// about box, as the real classes draw them in one language.

#include "model/Language.h"
#include <QImage>
#include <QMap>
#include <QString>
#include <cstdint>

// Picture name (as the manual's text refers to it) -> picture. The window runs offscreen in the
// current settings folder, connected to a unit that the simulator program plays; without that
// unit (it failed to start or to answer, which is told on stderr) the pictures show no live data.
QMap<QString, QImage> renderWindowPictures(varko::Language language, const QString& simulator);
