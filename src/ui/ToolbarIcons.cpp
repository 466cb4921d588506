#include "ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void drawFolder(QPainter& p) {
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 5, 2);
}

void drawDisk(QPainter& p) {
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.drawRect(3, 9, 9, 5);
}

void drawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);
}

// A curved arrow, pointing left for undo and right for redo.
void drawTurn(QPainter& p, bool toRight) {
    if (toRight) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    QPen pen(QColor(30, 110, 40), 2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(8, 3, 14, 5, 13, 12);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 40));
    p.drawPolygon(QPolygonF({QPointF(1, 7), QPointF(7, 3), QPointF(7, 11)}));
}

QIcon drawn(ToolbarPicture picture) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(40, 40, 40));
    switch (picture) {
    case ToolbarPicture::New:
        drawPage(p);
        break;
    case ToolbarPicture::Open:
        drawFolder(p);
        break;
    case ToolbarPicture::Save:
        drawDisk(p);
        break;
    case ToolbarPicture::Print:
        drawPrinter(p);
        break;
    case ToolbarPicture::Undo:
    case ToolbarPicture::Redo:
        drawTurn(p, picture == ToolbarPicture::Redo);
        break;
    case ToolbarPicture::Record:
        p.setBrush(QColor(210, 30, 30));
        p.drawEllipse(3, 3, 10, 10);
        break;
    }
    return QIcon(pixmap);
}

const char* themeName(ToolbarPicture picture) {
    switch (picture) {
    case ToolbarPicture::New:
        return "document-new";
    case ToolbarPicture::Open:
        return "document-open";
    case ToolbarPicture::Save:
        return "document-save";
    case ToolbarPicture::Print:
        return "document-print";
    case ToolbarPicture::Undo:
        return "edit-undo";
    case ToolbarPicture::Redo:
        return "edit-redo";
    case ToolbarPicture::Record:
        return "media-record";
    }
    return "";
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture) {
    return QIcon::fromTheme(themeName(picture), drawn(picture));
}
