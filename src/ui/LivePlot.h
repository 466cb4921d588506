#pragma once
// The live plot: speed, throttle, the advance of each shown channel and the supply voltage
// against time, in lanes one above the other, the newest sample at the right edge. The grid,
// labels and legend are drawn once into a cached picture and drawn again only when the lanes'
// ranges or the size change; new samples repaint the lines at the plot's own pace, never faster
// than the lines can move by a pixel, so a steady stream of frames costs little.

#include "link/LiveHistory.h"
#include "model/Language.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <optional>

class QTimer;

class LivePlot final : public QWidget {
    Q_OBJECT
public:
    explicit LivePlot(QWidget* parent = nullptr);

    const varko::LiveHistory& history() const { return history_; }
    void add(const varko::PlotSample& sample);
    void setWindowMs(qint64 windowMs);
    void setPaused(bool paused);
    void setLanguage(varko::Language language);

    // How long a new sample waits at most before it is drawn.
    int paceMs() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Layout;
    Layout layOut() const;
    void paintBackground(const Layout& layout);
    void paintLines(QPainter& painter, const Layout& layout) const;
    void paintHover(QPainter& painter, const Layout& layout) const;
    QString seriesName(varko::PlotSeries series) const;
    void restartPace();

    varko::LiveHistory history_;
    varko::Language language_ = varko::Language::English;
    QTimer* pace_;
    bool unseenSamples_ = false;
    std::optional<double> hoverX_;
    QPixmap background_;
    // What the cached background was drawn for.
    std::array<varko::AxisRange, varko::kPlotLanes> backgroundAxes_{};
    qint64 backgroundWindowMs_ = 0;
    int backgroundChannels_ = 0;
    bool backgroundValid_ = false;
};
