// The map and curve tools on a running engine: a unit simulated by varko-sim holds the engine at a
// chosen speed and throttle, advance + steps the map cell the window marks, programming after
// change puts the new value into the unit, and the throttle buttons take the live sensor voltage.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
#include "UnitConnection.h"
#include "app/WindowLink.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

QString statusText(const FlowsFixture& f) {
    return f.window.find<QLabel>(Control::statusLine)->text();
}

// The one map cell (10 r + c) shown on lime green; -1 while none or more than one is.
int markedCell(const FlowsFixture& f) {
    int marked = -1;
    for (int cell = 0; cell < 100; ++cell) {
        const QLineEdit* edit = f.window.edit(Control::mapCellEdit(cell));
        if (edit->palette().color(QPalette::Base) != QColor(0, 255, 0))
            continue;
        if (marked >= 0)
            return -1;
        marked = cell;
    }
    return marked;
}

void click(FlowsFixture& f, const char* button) {
    f.window.find<QAbstractButton>(button)->click();
}

} // namespace

class TestEditingToolsSim : public QObject {
    Q_OBJECT
private slots:
    void advanceReachesTheUnit_data() {
        QTest::addColumn<bool>("throttleRows");
        QTest::addColumn<int>("row");
        // 45 % lies nearer the 40 % row (6) than the 60 % row.
        QTest::newRow("throttle rows in use") << true << 6;
        QTest::newRow("throttle rows off") << false << 9;
    }
    void advanceReachesTheUnit() {
        QFETCH(bool, throttleRows);
        QFETCH(int, row);
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "4000", "--throttle", "45"}));
        // Before any live data, so the first cell marked already counts the rows as set here.
        f.window.showWith(
            [throttleRows](ParamImage& image) { image.throttleMap() = throttleRows; });
        f.pages()->setCurrentIndex(Page::advanceMap);
        QVERIFY(connectToUnit(f));
        QVERIFY(QTest::qWaitFor([&] { return markedCell(f) >= 0; }, kWaitMs));
        const int cell = markedCell(f);
        QCOMPARE(cell / 10, row);

        f.programWithoutBackup();
        // Ticking the box changes nothing, so nothing is programmed yet.
        auto* box = f.window.find<QCheckBox>(Control::programAfterChange);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Idle);

        const ParamImage before = f.window.document().image();
        const int value = before[Field::advance + cell];
        QVERIFY(value < 60);
        click(f, Control::advancePlusButton);
        ParamImage expected = before;
        expected[Field::advance + cell] = std::uint8_t(value + 1);
        QCOMPARE(f.window.document().image(), expected);
        QCOMPARE(markedCell(f), cell);
        QCOMPARE(f.window.edit(Control::mapCellEdit(cell))->text(), QString::number(value + 1));
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Program);
        QVERIFY2(QTest::qWaitFor([&] { return statusText(f) == "Program device:: OK"; }, kWaitMs),
                 qPrintable(statusText(f)));

        // What the unit stores comes back with a read, over a window that forgot the value.
        box->setChecked(false);
        f.window.showWith([cell](ParamImage& image) { image[Field::advance + cell] = 0; });
        f.trigger(Control::readItem);
        QVERIFY(QTest::qWaitFor([&] { return statusText(f) == "Verify:: OK"; }, kWaitMs));
        QCOMPARE(int(f.window.document().image()[Field::advance + cell]), value + 1);
        QVERIFY(simulator.stop());
    }

    // The unit's sensor gives the voltage of its calibration (700 mV at 0 %, 3790 mV at 100 %),
    // which reaches the PC through the 10-bit reading as 698 and 3787 mV.
    void throttleButtonsTakeTheLiveVoltage_data() {
        QTest::addColumn<QString>("throttle");
        QTest::addColumn<QString>("outOfRange"); // the button that leaves this voltage alone
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("stored");
        QTest::newRow("closed") << "0" << Control::tps100Button << Control::tps0Button
                                << Field::tps0 << 69;
        QTest::newRow("open") << "100" << Control::tps0Button << Control::tps100Button
                              << Field::tps100 << 128;
    }
    void throttleButtonsTakeTheLiveVoltage() {
        QFETCH(QString, throttle);
        QFETCH(QString, outOfRange);
        QFETCH(QString, button);
        QFETCH(int, field);
        QFETCH(int, stored);
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000", "--throttle", throttle}));
        QVERIFY(connectToUnit(f));
        QVERIFY(QTest::qWaitFor([&] { return f.window.link().live().liveTpsMillivolts != 0; },
                                kWaitMs));
        const ParamImage before = f.window.document().image();

        click(f, qPrintable(outOfRange));
        QCOMPARE(f.window.document().image(), before);
        QVERIFY(!f.canUndo());
        click(f, qPrintable(button));
        ParamImage expected = before;
        expected[field] = std::uint8_t(stored);
        QCOMPARE(f.window.document().image(), expected);
        f.trigger(Control::undoItem);
        QCOMPARE(f.window.document().image(), before);
        QVERIFY(!f.canUndo());
        QVERIFY(simulator.stop());
    }
};

QTEST_MAIN(TestEditingToolsSim)
#include "tst_editing_tools_sim.moc"
