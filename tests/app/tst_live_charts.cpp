// The live plot's and the advance-curve chart's place in the window: the View menu shows and
// hides their docks, and the chart follows the map through edits, tools, undo and redo.

#include "Controls.h"
#include "FlowsFixture.h"
#include "ui/AdvanceCurveChart.h"
#include "ui/LivePlot.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace varko;

namespace {

// The advance the chart draws for map cell (row, column).
double charted(const FlowsFixture& f, int row, int column) {
    for (const AdvanceCurve& curve :
         f.window.find<AdvanceCurveChart>(Control::advanceCurveChart)->curves()) {
        if (curve.row == row)
            return curve.points[column].y();
    }
    return -1;
}

QList<int> chartedRows(const FlowsFixture& f) {
    QList<int> rows;
    for (const AdvanceCurve& curve :
         f.window.find<AdvanceCurveChart>(Control::advanceCurveChart)->curves())
        rows << curve.row;
    return rows;
}

} // namespace

class TestLiveCharts : public QObject {
    Q_OBJECT
private slots:
    void viewMenuShowsAndHidesTheDocks_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dock");
        QTest::newRow("live plot") << Control::livePlotItem << Control::livePlotDock;
        QTest::newRow("advance curves") << Control::advanceCurvesItem << Control::advanceCurveDock;
    }
    void viewMenuShowsAndHidesTheDocks() {
        QFETCH(QString, item);
        QFETCH(QString, dock);
        FlowsFixture f;
        f.window->show();
        auto* action = f.window.find<QAction>(item);
        QVERIFY(action->isCheckable());
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(f.window.find(dock)->isVisible());
        f.window.find<QDockWidget>(dock)->close();
        QVERIFY(!action->isChecked());
    }

    void chartFollowsEditsAndUndo() {
        FlowsFixture f;
        f.trigger(Control::advanceCurvesItem);
        // Edit140 is row 9, column 0: the map when the throttle rows are not in use.
        const double before = charted(f, 9, 0);
        const QString typed = QString::number(int(before) + 7);
        f.type(Control::mapCellEdit(9, 0), typed);
        QCOMPARE(charted(f, 9, 0), before + 7);
        f.window.find<QCheckBox>(Control::advanceAllBox)->setChecked(true);
        f.trigger(Control::advanceMinusItem); // F4 takes a degree off the whole map
        QCOMPARE(charted(f, 9, 0), before + 6);
        f.trigger(Control::undoItem);
        QCOMPARE(charted(f, 9, 0), before + 7);
        f.trigger(Control::undoItem);
        QCOMPARE(charted(f, 9, 0), before);
        f.trigger(Control::redoItem);
        QCOMPARE(charted(f, 9, 0), before + 7);
    }

    void chartShowsTheRowsInUse() {
        FlowsFixture f;
        f.window.showWith([](ParamImage& image) { image.throttleMap() = 0; });
        QCOMPARE(chartedRows(f), QList<int>{9});
        f.window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
        QCOMPARE(chartedRows(f), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    void plotWindowFollowsItsSpinBox() {
        FlowsFixture f;
        auto* seconds = f.window.find<QSpinBox>(Control::livePlotSeconds);
        QCOMPARE(seconds->value(), 60);
        seconds->setValue(600);
        QCOMPARE(f.window.find<LivePlot>(Control::livePlot)->history().windowMs(), 600'000);
        seconds->setValue(5); // below the spin box's range
        QCOMPARE(f.window.find<LivePlot>(Control::livePlot)->history().windowMs(), 10'000);
    }

    // A written image is checked with live data in it (tst_live_charts_sim); here the other ends.
    void imageNotSaved_data() {
        QTest::addColumn<QString>("name"); // in a fresh folder; empty: the dialog is cancelled
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("cancelled") << QString() << QStringList{};
        QTest::newRow("no such folder")
            << "missing/plot.png" << QStringList{"The image could not be saved."};
    }
    void imageNotSaved() {
        QFETCH(QString, name);
        FlowsFixture f;
        QTemporaryDir folder;
        f.dialogs.paths << (name.isEmpty() ? QString() : folder.filePath(name));
        f.window.find<QAbstractButton>(Control::livePlotSave)->click();
        QTEST(f.window.boxes.shown, "boxes");
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

QTEST_MAIN(TestLiveCharts)
#include "tst_live_charts.moc"
