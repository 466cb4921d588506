#pragma once
// Pictures of the program's own window for the manual: the four pages of the main window and the
// about box, as the real classes draw them in one language.

#include <QImage>
#include <QMap>
#include <QString>
#include <cstdint>

// Picture name (as the manual's text refers to it) -> picture. The window runs offscreen with a
// settings folder of its own, so the user's settings are neither read nor written.
QMap<QString, QImage> renderWindowPictures(std::uint8_t language);
