#include "model/PageFit.h"

namespace varko {

QRectF fitOnPage(const QSizeF& picture, const QSizeF& page) {
    if (picture.isEmpty() || page.isEmpty())
        return {};
    return QRectF(QPointF(0, 0), picture.scaled(page, Qt::KeepAspectRatio));
}

} // namespace varko
