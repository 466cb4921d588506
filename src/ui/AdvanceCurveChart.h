#pragma once
// The advance map as a chart: advance against speed, one line per throttle row in use, the row
// of the operating point drawn bold and the operating point itself as a dot on it. The grid and
// the lines are drawn once per map into a cached picture; a moving operating point repaints only
// the highlight over it.

#include "link/AdvanceCurves.h"
#include "model/Language.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

class AdvanceCurveChart final : public QWidget {
    Q_OBJECT
public:
    explicit AdvanceCurveChart(QWidget* parent = nullptr);

    void setCurves(const std::vector<varko::AdvanceCurve>& curves);
    const std::vector<varko::AdvanceCurve>& curves() const { return curves_; }
    // The row drawn bold and the operating point's dot; none while no unit is live.
    void setOperatingPoint(std::optional<int> row, std::optional<QPointF> mark);
    std::optional<int> highlightedRow() const { return row_; }
    std::optional<QPointF> mark() const { return mark_; }
    void setLanguage(varko::Language language);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Layout;
    Layout layOut() const;
    void paintBackground(const Layout& layout);

    std::vector<varko::AdvanceCurve> curves_;
    std::optional<int> row_;
    std::optional<QPointF> mark_;
    varko::Language language_ = varko::Language::English;
    QPixmap background_;
    bool backgroundValid_ = false;
};
