// Programming after change end to end: a unit simulated by varko-sim on a pseudo-terminal, the
// box "Programming after change" ticked, one map cell typed, and the unit's store holds the new
// value once the program and its verify have ended.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
#include "UnitConnection.h"
#include "app/WindowLink.h"

#include <QCheckBox>
#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 15000;

QString statusText(const FlowsFixture& f) {
    return f.window.find<QLabel>(Control::statusLine)->text();
}

void typeAndEnter(FlowsFixture& f, const QString& edit, const QString& text) {
    QLineEdit* field = f.window.edit(edit);
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
}

int storeRequests(SimulatorProcess& simulator) {
    const QStringList requests = simulator.requests();
    return int(requests.count("0x00") + requests.count("0x01") + requests.count("0x02"));
}

// A click on the box, and the step it takes once the click has ended.
void click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCoreApplication::processEvents();
}

} // namespace

class TestProgramAfterChangeSim : public QObject {
    Q_OBJECT
private slots:
    void mapCellReachesTheUnit() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "5"}));
        QVERIFY(connectToUnit(f, kWaitMs));

        f.programWithoutBackup();
        // Ticking the box changes nothing, so nothing is programmed yet.
        auto* box = f.window.find<QCheckBox>(Control::programAfterChange);
        click(box);
        QVERIFY(box->isChecked());
        QTest::qWait(500);
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Idle);

        f.pages()->setCurrentIndex(Page::advanceMap);
        const int cell = f.window.document().image().advance(2, 3) == 41 ? 42 : 41;
        typeAndEnter(f, Control::mapCellEdit(2, 3), QString::number(cell));
        QCOMPARE(int(f.window.document().image().advance(2, 3)), cell);
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Program);
        // The program ends with a verify of what was sent, and then reports its own OK.
        QVERIFY2(QTest::qWaitFor([&] { return statusText(f) == "Program device:: OK"; }, kWaitMs),
                 qPrintable(statusText(f)));

        // What the unit stores comes back with a read, over a window that forgot the value.
        box->setChecked(false);
        f.window.showWith([](ParamImage& image) { image.advance(2, 3) = 0; });
        f.trigger(Control::readItem);
        QVERIFY(QTest::qWaitFor([&] { return statusText(f) == "Verify:: OK"; }, kWaitMs));
        QCOMPARE(int(f.window.document().image().advance(2, 3)), cell);
        QVERIFY(simulator.stop());
    }

    // Undo after a read returns to the set read, not to the one before it. The read programs
    // nothing, nor does the unchanged step after it although the box was ticked before: the unit
    // holds that set.
    void readIsOneUndoStepAndProgramsNothing() {
        FlowsFixture f;
        SimulatorProcess simulator;
        constexpr int kReadCell = 33; // the unit's map cell (2, 3), at offset 123
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "6", "--log-requests", "--set-byte",
                                                 QString("%1=%2").arg(123).arg(kReadCell)}));
        QVERIFY(connectToUnit(f, kWaitMs));
        f.programWithoutBackup();
        QVERIFY(int(f.window.document().image().advance(2, 3)) != kReadCell);
        auto* box = f.window.find<QCheckBox>(Control::programAfterChange);
        const auto readOnPage = [&](int page) {
            f.pages()->setCurrentIndex(page);
            f.trigger(Control::readItem);
            return QTest::qWaitFor([&] { return statusText(f) == "Verify:: OK"; }, kWaitMs);
        };
        const auto changeLimiter = [&] {
            const bool at9000 = f.window.edit(Control::limiterEdit)->text() == "9000";
            f.type(Control::limiterEdit, at9000 ? "8000" : "9000");
        };

        click(box); // nothing changed: nothing programmed, but the next step programs in any case
        QVERIFY(readOnPage(Page::advanceMap));
        const ParamImage read = f.window.document().image();
        QCOMPARE(int(read.advance(2, 3)), kReadCell);
        f.pages()->setCurrentIndex(Page::bike);
        changeLimiter();
        QVERIFY(QTest::qWaitFor([&] { return statusText(f) == "Program device:: OK"; }, kWaitMs));
        click(box); // off: an undo programs nothing
        f.trigger(Control::undoItem);
        QCOMPARE(f.window.document().image(), read);
        QCOMPARE(f.pages()->currentIndex(), int(Page::advanceMap));

        click(box);
        QVERIFY(readOnPage(Page::servo)); // the unit's set has the changed limiter
        const int storesBefore = storeRequests(simulator);
        f.type(Control::limiterEdit, f.window.edit(Control::limiterEdit)->text());
        QTest::qWait(500); // a program would have begun by now
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Idle);
        QCOMPARE(storeRequests(simulator), storesBefore);
        changeLimiter(); // a change still programs
        QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Program);
        QVERIFY(simulator.stop());
    }
};

QTEST_MAIN(TestProgramAfterChangeSim)
#include "tst_program_after_change_sim.moc"
