#include "ui/Logo.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString kLogoPath = QStringLiteral(":/varko/varko.svg");

QPixmap render(QSize size, qreal devicePixelRatio, const QString& element) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(kLogoPath);
    QPainter painter(&pixmap);
    if (element.isEmpty())
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
    else
        renderer.render(&painter, element, QRectF(QPointF(0, 0), size));
    return pixmap;
}

} // namespace

QPixmap logoPixmap(QSize size, qreal devicePixelRatio) {
    return render(size, devicePixelRatio, {});
}

QIcon logoIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(QSize(side, side), 1.0, QStringLiteral("emblem")));
    return icon;
}
