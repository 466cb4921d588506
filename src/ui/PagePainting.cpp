#include "ui/PagePainting.h"

#include "model/PageFit.h"
#include "storage/FileIo.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

void paintPage(QPainter& painter, const QPicture& page, const QSizeF& printable) {
    const QRectF picture = page.boundingRect();
    const QRectF target = varko::fitOnPage(picture.size(), printable);
    if (target.isEmpty())
        return;
    // A picture plays itself enlarged by the device's resolution over its own.
    const QPaintDevice* device = painter.device();
    const qreal playedX = qreal(device->logicalDpiX()) / page.logicalDpiX();
    const qreal playedY = qreal(device->logicalDpiY()) / page.logicalDpiY();
    painter.save();
    painter.scale(target.width() / picture.width() / playedX,
                  target.height() / picture.height() / playedY);
    painter.drawPicture(-picture.topLeft(), page);
    painter.restore();
}

} // namespace

bool paintPages(QPagedPaintDevice& device, const QList<QPicture>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSizeF printable = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage())
            return false;
        paintPage(painter, pages[p], printable);
    }
    return painter.end();
}

bool writePdfFile(const QString& path, const QList<QPicture>& pages, QString* reason) {
    // Drawn whole into memory, never into a file: the file is then replaced by the checked
    // writer, only once every byte is on the disk.
    const auto fail = [reason](const QString& why) {
        if (reason != nullptr)
            *reason = why;
        return false;
    };
    QBuffer document;
    if (!document.open(QIODevice::WriteOnly))
        return fail(document.errorString());
    {
        QPdfWriter writer(&document);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("VARKO Tool"));
        if (!paintPages(writer, pages))
            return fail(QStringLiteral("The pages could not be drawn"));
    }
    return varko::replaceFile(path, document.data(), varko::MissingFolder::Fail, reason);
}
