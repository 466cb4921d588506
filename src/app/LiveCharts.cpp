#include "app/LiveCharts.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "link/AdvanceCurves.h"
#include "link/LiveHistory.h"
#include "ui/AdvanceCurveChart.h"
#include "ui/LivePlot.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"
#include "ui/Texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDockWidget>
#include <QMainWindow>
#include <QSpinBox>
#include <QTimer>

using namespace varko;

namespace {

constexpr int kPointPaceMs = 200;

} // namespace

LiveCharts::LiveCharts(QMainWindow& window, MainWindowUi& ui, const Document& document,
                       WindowLink& link)
    : QObject(&window), window_(window), ui_(ui), document_(document), link_(link),
      pointPace_(new QTimer(this)) {
    connect(&document, &Document::imageChanged, this, &LiveCharts::imageShown);
    clock_.start();
    imageDialog_.kind = FileDialog::Kind::Save;
    imageDialog_.defaultExt = QStringLiteral("png");
    MainWindowUi::ChartDocks& charts = ui_.charts;
    connect(&link_, &WindowLink::readingDecoded, this, &LiveCharts::addReading);
    connect(charts.pause, &QAbstractButton::toggled, charts.livePlot, &LivePlot::setPaused);
    connect(charts.seconds, &QSpinBox::valueChanged, charts.livePlot,
            [plot = charts.livePlot](int seconds) { plot->setWindowMs(qint64(seconds) * 1000); });
    connect(charts.save, &QAbstractButton::clicked, this, &LiveCharts::saveImage);

    pointPace_->setInterval(kPointPaceMs);
    connect(pointPace_, &QTimer::timeout, this, &LiveCharts::followOperatingPoint);
    connect(charts.curveDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            followOperatingPoint();
            pointPace_->start();
        } else {
            pointPace_->stop();
        }
    });
}

void LiveCharts::imageShown() {
    const ParamImage& image = document_.image();
    ui_.charts.curveChart->setCurves(advanceCurves(image, image.throttleMap() != 0));
    followOperatingPoint();
}

void LiveCharts::addReading(const LiveReading& reading, std::optional<qint64> logTimeMs) {
    lastReadingMs_ = clock_.elapsed();
    ui_.charts.livePlot->add(plotSampleOf(plotClock_.timeOf(lastReadingMs_, logTimeMs), reading));
}

void LiveCharts::followOperatingPoint() {
    // Only a unit heard from lately has an operating point to show.
    const bool live =
        lastReadingMs_ >= 0 && clock_.elapsed() - lastReadingMs_ <= LiveHistory::kGapMs;
    if (!live) {
        ui_.charts.curveChart->setOperatingPoint(std::nullopt, std::nullopt);
        return;
    }
    const OperatingPoint& point = link_.operatingPoint();
    ui_.charts.curveChart->setOperatingPoint(
        point.opRow, operatingMark(document_.image(), point, link_.live().liveRpm));
}

void LiveCharts::saveImage() {
    const Language language = document_.language();
    imageDialog_.filter = chartText(ChartText::ImageFilter, language);
    if (!FileDialogs::current().execute(&window_, imageDialog_))
        return;
    if (!ui_.charts.livePlot->grab().save(imageDialog_.fileName, "PNG"))
        MessageBoxes::current().inform(&window_, chartText(ChartText::SaveFailed, language));
}
