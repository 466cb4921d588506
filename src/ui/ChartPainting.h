#pragma once
// What the live plot and the advance-curve chart draw alike: a plotting area with its value
// ranges, the grid with tick labels and axis titles around it, and a legend.

#include "model/AxisScale.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPixmap;
class QWidget;

// Room around a plotting area for tick labels and axis titles.
constexpr double kChartLeftMargin = 58;
constexpr double kChartBottomMargin = 34;
constexpr double kChartRightMargin = 24; // half the last x label sticks out

// A plotting area on the widget and the values it spans; maps values to pixels and back.
class ChartArea {
public:
    ChartArea(QRectF area, varko::AxisRange x, varko::AxisRange y) : area_(area), x_(x), y_(y) {}

    QRectF area() const { return area_; }
    const varko::AxisRange& x() const { return x_; }
    const varko::AxisRange& y() const { return y_; }
    QPointF toPixel(QPointF value) const;
    double xValueAt(double pixel) const;

private:
    QRectF area_;
    varko::AxisRange x_;
    varko::AxisRange y_;
};

using TickLabel = std::function<QString(double value)>;

// The grid at the ticks of both axes, the y axis' labels left of the area and its title turned
// along it; the x axis' labels and title below, when xLabel is given.
void drawGrid(QPainter& painter, const ChartArea& chart, const QString& yTitle,
              const TickLabel& yLabel, const TickLabel& xLabel = {}, const QString& xTitle = {});

struct LegendEntry {
    QColor colour;
    QString text;
    bool emphasised = false; // drawn bold, with a thicker line
};

// The entries left to right in font, wrapping within the width of bounds; returns the height
// used. With no painter it only measures.
double drawLegend(QPainter* painter, const QFont& font, const QRectF& bounds,
                  const std::vector<LegendEntry>& entries);

// A chart's cached layer: a picture of the widget's size at its pixel ratio, in the widget's
// background colour; and whether a cached layer still fits the widget.
QPixmap chartCanvas(const QWidget& widget);
bool fitsWidget(const QPixmap& canvas, const QWidget& widget);

// A colour for the n-th line of a chart, easy to tell from its neighbours.
QColor lineColour(int n);

// A number as a tick label: as many decimals as the step needs.
QString tickText(double value, double step);
