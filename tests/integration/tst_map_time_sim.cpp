// Where the engine spends its time, counted from the live frames of a unit simulated by varko-sim:
// held at one speed and throttle every frame counts at the one green cell; in the simulator's
// rev cycle the counts spread over several cells, which the time scale colours while the cell
// the engine is at stays green; each cell's hint gives its count, and a reset clears them all.
// With VARKO_SCREENSHOT_DIR set, the map with the time scale is written there as a picture.

#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
#include "UnitConnection.h"
#include "app/MapWorkbench.h"
#include "app/WindowLink.h"
#include "ui/MapCellGrid.h"

#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;
const QColor kGreen(0, 255, 0);

const CellTime& times(const FlowsFixture& f) {
    return f.window.link().cellTime();
}

QLineEdit* cellEdit(const FlowsFixture& f, int cell) {
    return f.window->findChild<MapCellGrid*>()->edit({cell / 10, cell % 10});
}

QList<int> countedCells(const FlowsFixture& f) {
    QList<int> counted;
    for (int cell = 0; cell < 100; ++cell)
        if (times(f).frames(cell / 10, cell % 10) > 0)
            counted << cell;
    return counted;
}

// The window showing the time scale on the map page, linked to a simulator run with options.
bool startWithTimeScale(FlowsFixture& f, SimulatorProcess& simulator, const QStringList& options) {
    if (!simulator.start(kSimulatorPort, options))
        return false;
    f.window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
    f.pages()->setCurrentIndex(2);
    f.trigger(Control::mapColoursByTimeItem);
    return connectToUnit(f);
}

} // namespace

class TestMapTimeSim : public QObject {
    Q_OBJECT
private slots:
    void heldEngineCountsAtOneCell() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(startWithTimeScale(f, simulator, {"--rpm", "4000", "--throttle", "45"}));
        QVERIFY(QTest::qWaitFor([&] { return times(f).mostFrames() >= 10; }, kWaitMs));
        const QList<int> counted = countedCells(f);
        QCOMPARE(counted.size(), 1);
        const int cell = counted[0];
        const OperatingPoint point = f.window.link().operatingPoint();
        QCOMPARE(cell, 10 * point.opRow + point.opColumn);
        QCOMPARE(cellEdit(f, cell)->palette().color(QPalette::Base), kGreen);
        const std::uint32_t frames = times(f).frames(cell / 10, cell % 10);
        QVERIFY2(cellEdit(f, cell)->toolTip().contains(QString("%1 frames").arg(frames)),
                 qPrintable(cellEdit(f, cell)->toolTip()));

        f.trigger(Control::mapResetTimeItem);
        QCOMPARE(times(f).mostFrames(), 0u);
        QVERIFY(cellEdit(f, cell)->toolTip().contains("0 frames, 0.0 s"));
        // Counting goes on after the reset.
        QVERIFY(QTest::qWaitFor([&] { return times(f).mostFrames() >= 2; }, kWaitMs));
        QVERIFY(simulator.stop());
    }

    void cycleSpreadsTheCounts() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(startWithTimeScale(f, simulator, {}));
        QVERIFY(QTest::qWaitFor([&] { return countedCells(f).size() >= 3; }, kWaitMs));
        f.window.link().findChild<QTimer*>(Control::linkTimer)->stop(); // hold the picture still
        const QColor plain = QApplication::palette().color(QPalette::Base);
        const OperatingPoint point = f.window.link().operatingPoint();
        const int operating = point.opBelowMap ? -1 : 10 * point.opRow + point.opColumn;
        for (int cell = 0; cell < 100; ++cell) {
            const QColor shown = cellEdit(f, cell)->palette().color(QPalette::Base);
            const QString where = QString("cell %1").arg(cell);
            if (cell == operating)
                QVERIFY2(shown == kGreen, qPrintable(where));
            else if (times(f).frames(cell / 10, cell % 10) > 0)
                QVERIFY2(shown != plain && shown != kGreen, qPrintable(where));
            else if (cellEdit(f, cell)->isVisible())
                QVERIFY2(shown == plain, qPrintable(where));
        }
        const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(f.window->grab().save(dir + "/map_time_scale.png"));
        // Without the scale only the green cell is coloured; the counting goes on underneath.
        f.trigger(Control::mapColoursOffItem);
        for (int cell : countedCells(f))
            if (cell != operating)
                QCOMPARE(cellEdit(f, cell)->palette().color(QPalette::Base), plain);
        QVERIFY(simulator.stop());
    }
};

QTEST_MAIN(TestMapTimeSim)
#include "tst_map_time_sim.moc"
