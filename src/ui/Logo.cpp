#include "ui/Logo.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString kLogoPath = QStringLiteral(":/varko/varko.svg");

QPixmap render(QSize size, qreal devicePixelRatio,
               void (*paint)(QPainter& painter, const QRectF& area)) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

void paintLogo(QPainter& painter, const QRectF& area) {
    QSvgRenderer(kLogoPath).render(&painter, area);
}

} // namespace

QPixmap logoPixmap(QSize size, qreal devicePixelRatio) {
    return render(size, devicePixelRatio, paintLogo);
}

void paintEmblem(QPainter& painter, const QRectF& area) {
    QSvgRenderer(kLogoPath).render(&painter, QStringLiteral("emblem"), area);
}

QIcon logoIcon() {
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(QSize(side, side), 1.0, paintEmblem));
    return icon;
}
