#include "ui/ChartPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cmath>

using varko::AxisRange;

namespace {

constexpr double kTickGap = 4;
constexpr double kSwatchWidth = 18;
constexpr double kLegendSpacing = 14;

// The whole multiples of the step within the range, low to high.
std::vector<double> ticksOf(const AxisRange& range) {
    std::vector<double> ticks;
    if (!(range.step > 0) || !(range.high >= range.low))
        return ticks;
    const double first = std::ceil(range.low / range.step - 1e-9);
    const double last = std::floor(range.high / range.step + 1e-9);
    for (double i = first; i <= last && ticks.size() <= 100; ++i)
        ticks.push_back(i * range.step);
    return ticks;
}

double share(const AxisRange& range, double value) {
    const double span = range.high - range.low;
    return span > 0 ? (value - range.low) / span : 0.0;
}

} // namespace

QPointF ChartArea::toPixel(QPointF value) const {
    return {area_.left() + share(x_, value.x()) * area_.width(),
            area_.bottom() - share(y_, value.y()) * area_.height()};
}

double ChartArea::xValueAt(double pixel) const {
    const double width = area_.width();
    return x_.low + (width > 0 ? (pixel - area_.left()) / width : 0.0) * (x_.high - x_.low);
}

void drawGrid(QPainter& painter, const ChartArea& chart, const QString& yTitle,
              const TickLabel& yLabel, const TickLabel& xLabel, const QString& xTitle) {
    const QRectF area = chart.area();
    const QFontMetricsF metrics(painter.font());
    const QColor text = painter.pen().color();
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    for (const double y : ticksOf(chart.y())) {
        const double pixel = std::round(chart.toPixel({0, y}).y()) + 0.5;
        painter.drawLine(QPointF(area.left(), pixel), QPointF(area.right(), pixel));
    }
    for (const double x : ticksOf(chart.x())) {
        const double pixel = std::round(chart.toPixel({x, 0}).x()) + 0.5;
        painter.drawLine(QPointF(pixel, area.top()), QPointF(pixel, area.bottom()));
    }
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));

    painter.setPen(text);
    const double labelRight = area.left() - kTickGap;
    for (const double y : ticksOf(chart.y())) {
        const double pixel = chart.toPixel({0, y}).y();
        const QString label = yLabel(y);
        const double half = metrics.height() / 2;
        painter.drawText(QRectF(labelRight - 200, pixel - half, 200, 2 * half),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.save();
    painter.translate(area.left() - kChartLeftMargin + 2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), metrics.height()),
                     Qt::AlignCenter, yTitle);
    painter.restore();

    if (xLabel) {
        for (const double x : ticksOf(chart.x())) {
            const double pixel = chart.toPixel({x, 0}).x();
            painter.drawText(QRectF(pixel - 40, area.bottom() + kTickGap, 80, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, xLabel(x));
        }
        painter.drawText(QRectF(area.left(), area.bottom() + kTickGap + metrics.height(),
                                area.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, xTitle);
    }
    painter.restore();
}

double drawLegend(QPainter* painter, const QFont& font, const QRectF& bounds,
                  const std::vector<LegendEntry>& entries) {
    QFont bold = font;
    bold.setBold(true);
    const double lineHeight = QFontMetricsF(bold).height() + 2;
    double x = bounds.left();
    double y = bounds.top();
    if (painter != nullptr)
        painter->save();
    for (const LegendEntry& entry : entries) {
        const QFont& entryFont = entry.emphasised ? bold : font;
        const double width =
            kSwatchWidth + kTickGap + QFontMetricsF(entryFont).horizontalAdvance(entry.text);
        if (x > bounds.left() && x + width > bounds.right()) {
            x = bounds.left();
            y += lineHeight;
        }
        if (painter != nullptr) {
            const double middle = y + lineHeight / 2;
            painter->setPen(QPen(entry.colour, entry.emphasised ? 3 : 2));
            painter->drawLine(QPointF(x, middle), QPointF(x + kSwatchWidth, middle));
            painter->setPen(Qt::black);
            painter->setFont(entryFont);
            painter->drawText(QRectF(x + kSwatchWidth + kTickGap, y, width, lineHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        }
        x += width + kLegendSpacing;
    }
    if (painter != nullptr)
        painter->restore();
    return entries.empty() ? 0 : y + lineHeight - bounds.top();
}

QPixmap chartCanvas(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap canvas(widget.size() * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(widget.palette().color(QPalette::Window));
    return canvas;
}

bool fitsWidget(const QPixmap& canvas, const QWidget& widget) {
    return canvas.deviceIndependentSize().toSize() == widget.size() &&
           canvas.devicePixelRatio() == widget.devicePixelRatioF();
}

QColor lineColour(int n) {
    static const std::array<QColor, 10> colours = {
        QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127),
        QColor(188, 189, 34),  QColor(23, 190, 207)};
    return colours[std::size_t(n) % colours.size()];
}

QString tickText(double value, double step) {
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) -
                                    std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    // Rounding may leave -0, which would read oddly.
    const double shown = std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
    return QString::number(shown, 'f', decimals);
}
