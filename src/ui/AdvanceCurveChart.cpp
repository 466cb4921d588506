#include "ui/AdvanceCurveChart.h"

#include "ui/ChartPainting.h"
#include "ui/Texts.h"

#include <QPainter>
#include <algorithm>

using namespace varko;

namespace {

constexpr double kTopGap = 4;
constexpr double kLegendGap = 8;
constexpr int kAxisTicks = 6;
constexpr double kMarkRadius = 5;

} // namespace

struct AdvanceCurveChart::Layout {
    std::vector<LegendEntry> legend;
    QRectF legendBounds;
    std::optional<ChartArea> chart;
};

AdvanceCurveChart::AdvanceCurveChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AdvanceCurveChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 260);
}

QSize AdvanceCurveChart::sizeHint() const {
    return {460, 520};
}

void AdvanceCurveChart::setCurves(const std::vector<AdvanceCurve>& curves) {
    if (curves == curves_)
        return;
    curves_ = curves;
    backgroundValid_ = false;
    update();
}

void AdvanceCurveChart::setOperatingPoint(std::optional<int> row, std::optional<QPointF> mark) {
    if (row == row_ && mark == mark_)
        return;
    row_ = row;
    mark_ = mark;
    update();
}

void AdvanceCurveChart::setLanguage(Language language) {
    language_ = language;
    backgroundValid_ = false;
    update();
}

AdvanceCurveChart::Layout AdvanceCurveChart::layOut() const {
    Layout layout;
    for (const AdvanceCurve& curve : curves_)
        layout.legend.push_back(
            {lineColour(curve.row),
             chartText(ChartText::ThrottleRow, language_).arg(curve.throttlePercent),
             curve.row == row_});
    layout.legendBounds =
        QRectF(kChartLeftMargin, kTopGap, width() - kChartLeftMargin - kChartRightMargin, 0);
    layout.legendBounds.setHeight(drawLegend(nullptr, font(), layout.legendBounds, layout.legend));
    double lowRpm = 0;
    double highRpm = 1000;
    double highAdvance = 10;
    for (const AdvanceCurve& curve : curves_) {
        for (const QPointF& point : curve.points) {
            highRpm = std::max(highRpm, point.x());
            highAdvance = std::max(highAdvance, point.y());
        }
    }
    const double top = layout.legendBounds.bottom() + kLegendGap;
    const QRectF area(kChartLeftMargin, top, width() - kChartLeftMargin - kChartRightMargin,
                      std::max(10.0, height() - top - kChartBottomMargin));
    layout.chart.emplace(area, roundAxis(lowRpm, highRpm, kAxisTicks),
                         roundAxis(0, highAdvance, kAxisTicks));
    return layout;
}

void AdvanceCurveChart::paintBackground(const Layout& layout) {
    background_ = chartCanvas(*this);
    QPainter painter(&background_);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const ChartArea& chart = *layout.chart;
    drawGrid(
        painter, chart, chartText(ChartText::Advance, language_),
        [&chart](double value) { return tickText(value, chart.y().step); },
        [&chart](double value) { return tickText(value, chart.x().step); },
        chartText(ChartText::Speed, language_));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(chart.area().adjusted(-kMarkRadius, -kMarkRadius, kMarkRadius, 0));
    for (const AdvanceCurve& curve : curves_) {
        QPolygonF line;
        for (const QPointF& point : curve.points)
            line << chart.toPixel(point);
        painter.setPen(QPen(lineColour(curve.row), 1.5));
        painter.drawPolyline(line);
    }
    backgroundValid_ = true;
}

void AdvanceCurveChart::paintEvent(QPaintEvent*) {
    const Layout layout = layOut();
    if (!backgroundValid_ || !fitsWidget(background_, *this))
        paintBackground(layout);
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    const ChartArea& chart = *layout.chart;
    // The legend names the highlighted row in bold: drawn again over the cached one.
    painter.fillRect(layout.legendBounds, palette().color(QPalette::Window));
    drawLegend(&painter, font(), layout.legendBounds, layout.legend);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto highlighted = std::find_if(curves_.begin(), curves_.end(),
                                          [this](const auto& c) { return c.row == row_; });
    if (highlighted != curves_.end()) {
        QPolygonF line;
        for (const QPointF& point : highlighted->points)
            line << chart.toPixel(point);
        painter.setPen(QPen(lineColour(highlighted->row), 3.5));
        painter.drawPolyline(line);
    }
    if (mark_) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(0, 255, 0));
        painter.drawEllipse(chart.toPixel(*mark_), kMarkRadius, kMarkRadius);
    }
}

void AdvanceCurveChart::resizeEvent(QResizeEvent* event) {
    backgroundValid_ = false;
    QWidget::resizeEvent(event);
}
