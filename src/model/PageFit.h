#pragma once
// Where a printed picture of the window goes on the page.

#include <QRectF>
#include <QSizeF>

namespace varko {

// The largest rectangle with the picture's proportions that fits the printable area, at its
// top-left corner: the full height when the page's proportions allow it, else the full width.
// An empty picture or page gives an empty rectangle.
QRectF fitOnPage(const QSizeF& picture, const QSizeF& page);

} // namespace varko
