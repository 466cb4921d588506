// The live plot and the advance-curve chart on a running engine: varko-sim holds the engine at a
// chosen speed and throttle, the plot collects what the live frames carry, pauses without losing
// them and saves a still image, and the chart marks the operating point on its row.

#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
#include "app/WindowLink.h"
#include "link/AdvanceCurves.h"
#include "ui/AdvanceCurveChart.h"
#include "ui/LivePlot.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

bool connectToUnit(FlowsFixture& f) {
    f.trigger(Control::portItem(kSimulatorPort));
    return QTest::qWaitFor([&] { return f.window.find(Control::connectionLabel)->isHidden(); },
                           kWaitMs);
}

int sampleCount(const LivePlot* plot) {
    return plot->history().viewSamples().size();
}

} // namespace

class TestLiveChartsSim : public QObject {
    Q_OBJECT
private slots:
    void plotCollectsPausesAndSaves() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "4000", "--throttle", "45"}));
        f.trigger(Control::livePlotItem);
        QVERIFY(f.window.find<QDockWidget>(Control::livePlotDock)->isVisible());
        auto* plot = f.window.find<LivePlot>(Control::livePlot);
        QVERIFY(connectToUnit(f));
        QVERIFY(QTest::qWaitFor([&] { return sampleCount(plot) >= 10; }, kWaitMs));
        const PlotSample newest = plot->history().viewSamples().newest();
        QCOMPARE(newest.value(PlotSeries::Speed), 4000.0f);
        QCOMPARE(newest.value(PlotSeries::Throttle), 45.0f);
        QVERIFY(newest.value(PlotSeries::Supply) > 5);
        QVERIFY(!std::isnan(newest.value(PlotSeries::Advance1)));

        // Paused, the view holds still; the frames that came meanwhile are there on resume.
        auto* pause = f.window.find<QAbstractButton>(Control::livePlotPause);
        pause->click();
        const int frozen = sampleCount(plot);
        const qint64 frozenEnd = plot->history().viewEndMs();
        QTest::qWait(600);
        QCOMPARE(sampleCount(plot), frozen);
        QCOMPARE(plot->history().viewEndMs(), frozenEnd);
        pause->click();
        QVERIFY(sampleCount(plot) > frozen);

        QTemporaryDir folder;
        const QString path = folder.filePath("plot.png");
        f.dialogs.paths << path;
        f.window.find<QAbstractButton>(Control::livePlotSave)->click();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown.front().filter, "PNG image|*.png");
        const QImage saved(path);
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.size(), plot->size() * plot->devicePixelRatio());
    }

    void chartMarksTheOperatingPoint() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "4000", "--throttle", "45"}));
        f.window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
        f.window->show();
        f.trigger(Control::advanceCurvesItem);
        auto* chart = f.window.find<AdvanceCurveChart>(Control::advanceCurveChart);
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->highlightedRow(), std::nullopt); // no unit yet
        QVERIFY(connectToUnit(f));
        // 45 % lies nearer the 40 % row (6) than the 60 % row.
        QVERIFY(QTest::qWaitFor([&] { return chart->highlightedRow() == 6; }, kWaitMs));
        const OperatingPoint& point = f.window.link().operatingPoint();
        QCOMPARE(chart->mark(), operatingMark(f.window.document().image(), point, 4000));
        QCOMPARE(chart->mark()->x(), 4000.0);
        // The unit gone, the chart no longer claims an operating point.
        simulator.kill();
        QVERIFY(QTest::qWaitFor([&] { return !chart->highlightedRow(); }, kWaitMs));
        QCOMPARE(chart->mark(), std::nullopt);
    }
};

QTEST_MAIN(TestLiveChartsSim)
#include "tst_live_charts_sim.moc"
