// Programming after change end to end: a unit simulated by varko-sim on a pseudo-terminal, the
// box "Programming after change" ticked, one map cell typed, and the unit's store holds the new
// value once the program and its verify have ended.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "SimulatorProcess.h"
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

} // namespace

class TestProgramAfterChangeSim : public QObject {
    Q_OBJECT
private slots:
    void mapCellReachesTheUnit() {
        FlowsFixture f;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "5"}));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*f.window));
        f.trigger(Control::portItem(kSimulatorPort));
        QVERIFY(QTest::qWaitFor([&] { return f.window.find(Control::connectionLabel)->isHidden(); },
                                kWaitMs));

        f.programWithoutBackup();
        // Ticking the box changes nothing, so nothing is programmed yet.
        auto* box = f.window.find<QCheckBox>(Control::programAfterChange);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
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
};

QTEST_MAIN(TestProgramAfterChangeSim)
#include "tst_program_after_change_sim.moc"
