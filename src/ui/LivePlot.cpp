#include "ui/LivePlot.h"

#include "ui/ChartPainting.h"
#include "ui/Texts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>

using namespace varko;

namespace {

constexpr int kFastestPaceMs = 200;
constexpr int kSlowestPaceMs = 2000;
constexpr double kLaneGap = 10;
constexpr double kTopGap = 4;
constexpr std::array<double, kPlotLanes> kLaneWeights = {3, 2, 3, 2};
constexpr std::array<const char*, kPlotLanes> kLaneUnits = {"rpm", "%", "\u00B0", "V"};
constexpr int kTimeTicks = 6;
constexpr double kHoverDotRadius = 3;

bool seriesShown(PlotSeries series, int channels) {
    const int channel = int(series) - int(PlotSeries::Advance1);
    return laneOf(series) != PlotLane::Advance || channel < channels;
}

AxisRange timeAxis(qint64 windowMs) {
    const double seconds = double(windowMs) / 1000;
    return {-double(windowMs), 0, roundAxis(-seconds, 0, kTimeTicks).step * 1000};
}

QString valueText(PlotSeries series, float value) {
    if (std::isnan(value))
        return QStringLiteral("---");
    return QString::number(value, 'f', series == PlotSeries::Supply ? 1 : 0);
}

} // namespace

struct LivePlot::Layout {
    std::array<AxisRange, kPlotLanes> axes{};
    std::vector<LegendEntry> legend;
    QRectF legendBounds;
    std::vector<ChartArea> lanes;
    int channels = 1;
};

LivePlot::LivePlot(QWidget* parent) : QWidget(parent), pace_(new QTimer(this)) {
    setObjectName(QStringLiteral("LivePlot"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 300);
    connect(pace_, &QTimer::timeout, this, [this] {
        if (unseenSamples_)
            update();
    });
    restartPace();
}

void LivePlot::add(const PlotSample& sample) {
    history_.append(sample);
    unseenSamples_ = unseenSamples_ || !history_.paused();
}

void LivePlot::setWindowMs(qint64 windowMs) {
    history_.setWindowMs(windowMs);
    restartPace();
    update();
}

void LivePlot::setPaused(bool paused) {
    history_.setPaused(paused);
    update();
}

void LivePlot::setLanguage(Language language) {
    language_ = language;
    backgroundValid_ = false;
    update();
}

int LivePlot::paceMs() const {
    const double columns = std::max(1.0, width() - kChartLeftMargin - kChartRightMargin);
    return std::clamp(int(double(history_.windowMs()) / columns), kFastestPaceMs, kSlowestPaceMs);
}

void LivePlot::restartPace() {
    pace_->setInterval(paceMs());
    if (isVisible())
        pace_->start();
}

QString LivePlot::seriesName(PlotSeries series) const {
    switch (series) {
    case PlotSeries::Speed:
        return chartText(ChartText::Speed, language_);
    case PlotSeries::Throttle:
        return chartText(ChartText::Throttle, language_);
    case PlotSeries::Supply:
        return chartText(ChartText::Supply, language_);
    default:
        break;
    }
    const SampleRing& samples = history_.viewSamples();
    if (!samples.empty() && samples.newest().channels == 1)
        return chartText(ChartText::Advance, language_);
    return chartText(ChartText::AdvanceChannel, language_)
        .arg(int(series) - int(PlotSeries::Advance1) + 1);
}

LivePlot::Layout LivePlot::layOut() const {
    Layout layout;
    const SampleRing& samples = history_.viewSamples();
    layout.channels = samples.empty() ? 1 : samples.newest().channels;
    for (int s = 0; s < kPlotSeries; ++s) {
        if (seriesShown(PlotSeries(s), layout.channels))
            layout.legend.push_back({lineColour(s), seriesName(PlotSeries(s))});
    }
    layout.legendBounds =
        QRectF(kChartLeftMargin, kTopGap, width() - kChartLeftMargin - kChartRightMargin, 0);
    layout.legendBounds.setHeight(drawLegend(nullptr, font(), layout.legendBounds, layout.legend));

    const double top = layout.legendBounds.bottom() + kLaneGap;
    const double lanesHeight = height() - top - kChartBottomMargin - kLaneGap * (kPlotLanes - 1);
    double weights = 0;
    for (const double weight : kLaneWeights)
        weights += weight;
    const AxisRange time = timeAxis(history_.windowMs());
    double y = top;
    for (int lane = 0; lane < kPlotLanes; ++lane) {
        layout.axes[lane] = history_.laneAxis(PlotLane(lane));
        const double laneHeight = std::max(10.0, lanesHeight * kLaneWeights[lane] / weights);
        const QRectF area(kChartLeftMargin, y, width() - kChartLeftMargin - kChartRightMargin,
                          laneHeight);
        layout.lanes.emplace_back(area, time, layout.axes[lane]);
        y += laneHeight + kLaneGap;
    }
    return layout;
}

void LivePlot::paintBackground(const Layout& layout) {
    background_ = chartCanvas(*this);
    QPainter painter(&background_);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    drawLegend(&painter, font(), layout.legendBounds, layout.legend);
    const auto secondsLabel = [](double ms) { return QString::number(std::lround(ms / 1000)); };
    for (int lane = 0; lane < kPlotLanes; ++lane) {
        const ChartArea& chart = layout.lanes[lane];
        const QString unit = QString::fromUtf8(kLaneUnits[lane]);
        const auto valueLabel = [&chart](double value) { return tickText(value, chart.y().step); };
        if (lane == kPlotLanes - 1)
            drawGrid(painter, chart, unit, valueLabel, secondsLabel,
                     chartText(ChartText::Time, language_));
        else
            drawGrid(painter, chart, unit, valueLabel);
    }
    backgroundAxes_ = layout.axes;
    backgroundWindowMs_ = history_.windowMs();
    backgroundChannels_ = layout.channels;
    backgroundValid_ = true;
}

void LivePlot::paintLines(QPainter& painter, const Layout& layout) const {
    const SampleRing& samples = history_.viewSamples();
    const qint64 end = history_.viewEndMs();
    const qint64 start = history_.viewStartMs();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int s = 0; s < kPlotSeries; ++s) {
        const PlotSeries series = PlotSeries(s);
        if (!seriesShown(series, layout.channels))
            continue;
        const ChartArea& chart = layout.lanes[int(laneOf(series))];
        painter.setClipRect(chart.area());
        painter.setPen(QPen(lineColour(s), 1.5));
        const int columns = int(chart.area().width());
        for (const TraceRun& run : traceOf(samples, series, start, end, columns)) {
            QPolygonF line;
            line.reserve(qsizetype(run.size()));
            for (const QPointF& point : run)
                line << chart.toPixel({point.x() - double(end), point.y()});
            if (line.size() == 1)
                painter.drawPoint(line.front());
            else
                painter.drawPolyline(line);
        }
    }
    painter.setClipping(false);
}

void LivePlot::paintHover(QPainter& painter, const Layout& layout) const {
    const SampleRing& samples = history_.viewSamples();
    const ChartArea& first = layout.lanes.front();
    if (samples.empty() || *hoverX_ < first.area().left() || *hoverX_ > first.area().right())
        return;
    const qint64 end = history_.viewEndMs();
    const int index = samples.nearest(end + qint64(std::llround(first.xValueAt(*hoverX_))));
    const PlotSample& sample = samples[index];
    if (sample.timeMs < history_.viewStartMs())
        return;
    const double x = first.toPixel({double(sample.timeMs - end), 0}).x();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.drawLine(QPointF(x, first.area().top()),
                     QPointF(x, layout.lanes.back().area().bottom()));

    QStringList lines{QString::number(double(sample.timeMs - end) / 1000, 'f', 1) + " s"};
    painter.setRenderHint(QPainter::Antialiasing);
    for (int s = 0; s < kPlotSeries; ++s) {
        const PlotSeries series = PlotSeries(s);
        if (!seriesShown(series, layout.channels))
            continue;
        lines << seriesName(series) + ": " + valueText(series, sample.values[s]);
        if (std::isnan(sample.values[s]))
            continue;
        const ChartArea& chart = layout.lanes[int(laneOf(series))];
        painter.setPen(QPen(lineColour(s), 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(chart.toPixel({double(sample.timeMs - end), sample.values[s]}),
                            kHoverDotRadius, kHoverDotRadius);
    }
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(font());
    double boxWidth = 0;
    for (const QString& line : lines)
        boxWidth = std::max(boxWidth, metrics.horizontalAdvance(line));
    QRectF box(x + 8, first.area().top() + 4, boxWidth + 12,
               metrics.height() * double(lines.size()) + 8);
    if (box.right() > first.area().right())
        box.moveRight(x - 8);
    painter.fillRect(box, QColor(255, 255, 225, 235));
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop, lines.join('\n'));
}

void LivePlot::paintEvent(QPaintEvent*) {
    const Layout layout = layOut();
    if (!backgroundValid_ || layout.axes != backgroundAxes_ ||
        backgroundWindowMs_ != history_.windowMs() || backgroundChannels_ != layout.channels ||
        !fitsWidget(background_, *this))
        paintBackground(layout);
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    paintLines(painter, layout);
    if (hoverX_)
        paintHover(painter, layout);
    unseenSamples_ = false;
}

void LivePlot::resizeEvent(QResizeEvent* event) {
    backgroundValid_ = false;
    restartPace();
    QWidget::resizeEvent(event);
}

void LivePlot::mouseMoveEvent(QMouseEvent* event) {
    hoverX_ = event->position().x();
    update();
}

void LivePlot::leaveEvent(QEvent* event) {
    hoverX_.reset();
    update();
    QWidget::leaveEvent(event);
}

void LivePlot::showEvent(QShowEvent* event) {
    restartPace();
    QWidget::showEvent(event);
}

void LivePlot::hideEvent(QHideEvent* event) {
    pace_->stop();
    QWidget::hideEvent(event);
}
