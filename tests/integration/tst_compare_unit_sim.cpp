// Comparing with the unit: the unit's set is read without changing the window's, and the compare
// view opens on the difference, from the menu and after a verify that found another set. With
// VARKO_SCREENSHOT_DIR set, the view and the window are written there as pictures.

#include "Controls.h"
#include "SimulatorProcess.h"
#include "WindowFixture.h"
#include "app/WindowLink.h"
#include "ui/CompareView.h"

#include <QAction>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace varko;

namespace {

constexpr int kWaitMs = 10000;

CompareView* view(const WindowFixture& window) {
    return window.find<CompareView>(Control::compareView);
}

bool viewShown(const WindowFixture& window) {
    return QTest::qWaitFor([&] { return view(window) && view(window)->isVisible(); }, kWaitMs);
}

// The rows' second and third columns: the value's name is in the first, the window's value in
// the third, the unit's in the fourth.
QStringList rowNames(const WindowFixture& window) {
    QStringList names;
    const QTreeWidget* rows = view(window)->rowList();
    for (int row = 0; row < rows->topLevelItemCount(); ++row)
        names << rows->topLevelItem(row)->text(1);
    return names;
}

} // namespace

class TestCompareUnitSim : public QObject {
    Q_OBJECT
private slots:
    void compareWithUnit_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("Compare with unit") << Control::compareUnitItem;
        QTest::newRow("after a verify error") << Control::verifyItem;
    }
    void compareWithUnit() {
        QFETCH(QString, menuItem);
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "7"}));
        window.find<QAction>(Control::portItem(kSimulatorPort))->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !window.shown(Control::connectionLabel); }, kWaitMs));
        // The unit holds the R6 preset; the window differs from it in the limiter alone.
        window.showWith([](ParamImage& image) { image.limiter() = image.limiter() + 5; });
        const ParamImage before = window.document().image();

        window.find<QAction>(menuItem)->trigger();
        QVERIFY(viewShown(window));
        if (menuItem == Control::verifyItem) { // the message stays, in red
            QCOMPARE(window.find<QLabel>(Control::statusLine)->text(), "Verify error!");
            QVERIFY(window.find<QLabel>(Control::statusLine)->autoFillBackground());
        }
        QCOMPARE(window.document().image(), before);
        QVERIFY2(view(window)->windowTitle().contains("the unit"),
                 qPrintable(view(window)->windowTitle()));
        const QStringList names = rowNames(window);
        QCOMPARE(names.size(), 1);
        QVERIFY2(names.first().contains("Limiter"), qPrintable(names.join(" | ")));
        const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QVERIFY(window->grab().save(dir + "/compare-" + menuItem + "-window.png"));
            QVERIFY(view(window)->grab().save(dir + "/compare-" + menuItem + ".png"));
        }
        QVERIFY(simulator.stop());
    }

    // A program started after "Verify error!", before the compare that follows it has begun (as
    // a click or a timer that waited in the same pass of the event loop), runs to its end: the
    // compare, which would have taken its place, gives way.
    void programStartedBeforeTheCompareRunsToItsEnd() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "8", "--log-requests"}));
        window.find<QAction>(Control::backupBeforeProgrammingItem)->setChecked(false);
        window.find<QAction>(Control::portItem(kSimulatorPort))->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !window.shown(Control::connectionLabel); }, kWaitMs));
        window.showWith([](ParamImage& image) { image.limiter() = image.limiter() + 5; });
        std::vector<std::pair<TransferMode, TransferResult>> outcomes;
        QObject::connect(&window.link(), &WindowLink::transferFinished, &window.link(),
                         [&](TransferMode started, TransferResult result) {
                             outcomes.emplace_back(started, result);
                         });
        // The test ticks the link; the event loop runs only where it says.
        window.link().findChild<QTimer*>(Control::linkTimer)->stop();
        LinkEngine& engine = window.link().engine();
        const auto tickUntilIdle = [&] {
            for (int t = 0; t < 200; ++t) {
                QThread::msleep(kTickMs);
                engine.tick();
                if (engine.state().transferMode() == TransferMode::Idle)
                    return true;
            }
            return false;
        };

        window.find<QAction>(Control::verifyItem)->trigger();
        QVERIFY(tickUntilIdle());
        QCOMPARE(outcomes.size(), std::size_t(1));
        QCOMPARE(outcomes[0].second, TransferResult::VerifyError);
        window.find<QAction>(Control::programItem)->trigger();
        QCoreApplication::sendPostedEvents(); // the compare's start, queued by the verify's end
        QVERIFY(tickUntilIdle());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(outcomes.size(), std::size_t(2));
        QCOMPARE(outcomes[1], std::pair(TransferMode::Program, TransferResult::Ok));
        QVERIFY(simulator.requests().contains("0x02"));
        QVERIFY(simulator.stop());
    }
};

QTEST_MAIN(TestCompareUnitSim)
#include "tst_compare_unit_sim.moc"
