// The main window on the device link: a unit simulated by varko-sim on a pseudo-terminal, chosen
// in the Com menu, read with F7, and its live data moving in the live-data column.

#include "CodeNames.h"
#include "Controls.h"
#include "SimulatedUnit.h"
#include "SimulatorProcess.h"
#include "WholeText.h"
#include "WindowFixture.h"
#include "app/WindowLink.h"
#include "ui/Texts.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace varko;

namespace {

constexpr int kWaitMs = 10000;

QString localizedText(const WindowFixture& window, const char* label) {
    return window.find<QLabel>(label)->text();
}

// The simulator starts after the window's fixture, so both use the fixture's configuration folder.

// Chooses COMn in the port menu and waits for the unit's first answer.
bool connectTo(WindowFixture& window, int com) {
    window.find<QAction>(Control::portItem(com))->trigger();
    return QTest::qWaitFor([&] { return !window.shown(Control::connectionLabel); }, kWaitMs);
}

int greenMapCells(const WindowFixture& window) {
    int green = 0;
    for (int k = 0; k < 100; ++k) {
        const QLineEdit* cell = window.edit(Control::mapCellEdit(k));
        green += cell->palette().color(QPalette::Base) == QColor(0, 255, 0) ? 1 : 0;
    }
    return green;
}

} // namespace

class TestWindowLink : public QObject {
    Q_OBJECT
private slots:
    void noConnectionWithoutUnit() {
        WindowFixture window;
        QVERIFY(QTest::qWaitFor([&] { return window.shown(Control::connectionLabel); }, 1000));
        QCOMPARE(localizedText(window, Control::connectionLabel), "No connection with PC");
        // The live labels show their no-data texts meanwhile.
        QCOMPARE(localizedText(window, Control::liveRpm), "RPM = ---");
        QCOMPARE(localizedText(window, Control::liveKillSwitch), "Kill switch: ---");
        QCOMPARE(localizedText(window, Control::liveAdvance1),
                 QString::fromUtf8("Advance 1 = --- [\u00B0]"));
        applyTexts(&*window, varko::Language::German);
        QCOMPARE(localizedText(window, Control::liveAdvance1),
                 QString::fromUtf8("Vorzündung 1 = --- [\u00B0]"));
        QCOMPARE(localizedText(window, Control::liveShiftLight), "Schaltblitz - ---");
    }

    // The window's tick runs on the same precise timer as the command line's, never early.
    void tickTimerIsPrecise() {
        WindowFixture window;
        const auto* timer = window.link().findChild<QTimer*>(Control::linkTimer);
        QVERIFY(timer);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QCOMPARE(timer->interval(), kTickMs);
    }

    void portMenu() {
        WindowFixture window;
        window.find<QAction>(Control::portItem(3))->trigger();
        const QList<QAction*> items = window.find<QMenu>(Control::portMenu)->actions();
        QCOMPARE(items.size(), 21);
        QCOMPARE(items[0]->text(), "Com 1");
        QCOMPARE(items[20]->text(), "Com Auto");
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(items[i]->isChecked(), i == 2);
        QVERIFY(items[2]->statusTip().contains("COM3"));
        QCOMPARE(localizedText(window, Control::portLabel), "COM= COM3");
    }

    void readWithF7() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "1"}));
        window.showWith([](ParamImage& image) { image.limiter() = 60; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
        QVERIFY(connectTo(window, kSimulatorPort));

        window.document().setFile("/tmp/opened.ign");
        QTest::keyClick(&*window, Qt::Key_F7);
        QCOMPARE(localizedText(window, Control::fileLabel),
                 QString()); // the image no longer belongs to a file
        QVERIFY(QTest::qWaitFor(
            [&] { return localizedText(window, Control::statusLine) == "Verify:: OK"; }, kWaitMs));
        QVERIFY(window.shown(Control::statusLine));
        QCOMPARE(window.document().image().bytes, sim::SimulatedUnit::factoryImage().bytes);
        QCOMPARE(window.find<QLabel>(Control::unitVersionLabel)->text(), "SIM01");
        QVERIFY(window.boxes.shown.filter("Unmatched").isEmpty());
        QVERIFY(simulator.stop());
    }

    void closingEndsTheLink() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        QVERIFY(connectTo(window, kSimulatorPort));
        window.find<QAction>(Control::readItem)->trigger();
        window->close();
        // Long enough for the tick to re-open a port or re-send a request, were it running.
        QTest::qWait(3500);
        QVERIFY(!window.link().engine().portOpen());
        QVERIFY(simulator.stop());
    }

    void linkRunsWhileTheVersionBoxIsOpen() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--protocol-version", "74"}));
        QVERIFY(connectTo(window, kSimulatorPort));
        QStringList speedsWhileOpen;
        window.boxes.whileOpen = [&] {
            speedsWhileOpen << localizedText(window, Control::liveRpm);
            QTest::qWait(2000);
            speedsWhileOpen << localizedText(window, Control::liveRpm);
        };
        window.find<QAction>(Control::readItem)->trigger();
        QVERIFY(QTest::qWaitFor([&] { return speedsWhileOpen.size() == 2; }, kWaitMs));
        QCOMPARE(window.boxes.shown.last(),
                 "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
        // Live frames kept coming and being shown while the box was open.
        QVERIFY(speedsWhileOpen[0] != speedsWhileOpen[1]);
        QVERIFY(!window.shown(Control::connectionLabel));
        QVERIFY(simulator.stop());
    }

    void programmingAfterChange() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "3"}));
        QVERIFY(connectTo(window, kSimulatorPort));
        window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        // One step of the limiter is a change: the image goes to the unit at once.
        const auto arrows = window.find(Control::limiterUpDown)->findChildren<QToolButton*>();
        QVERIFY(!arrows.isEmpty());
        arrows.first()->click();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return localizedText(window, Control::programCountLabel) ==
                       "Number of Programing= 1";
            },
            kWaitMs));
        QVERIFY(simulator.stop());
    }

    // "In unit" from each transfer that ends well, until the set changes or the unit goes.
    void unitField() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "4"}));
        QVERIFY(connectTo(window, kSimulatorPort));
        const auto unitField = [&] { return localizedText(window, Control::inUnitField); };
        QCOMPARE(unitField(), "Not in unit");
        const auto transfer = [&](const char* item) {
            window.find<QAction>(item)->trigger();
            return QTest::qWaitFor([&] { return unitField() == "In unit"; }, kWaitMs);
        };
        QVERIFY(transfer(Control::readItem));
        QCOMPARE(localizedText(window, Control::statusLine), "Verify:: OK");

        window.find(Control::limiterUpDown)->findChildren<QToolButton*>().first()->click();
        QCOMPARE(unitField(), "Not in unit");
        QVERIFY(transfer(Control::programItem));

        QVERIFY(simulator.stop());
        QVERIFY(QTest::qWaitFor([&] { return window.shown(Control::connectionLabel); }, kWaitMs));
        QCOMPARE(unitField(), "Not in unit");
    }

    void liveValuesMove() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--seed", "2"}));
        QVERIFY(connectTo(window, kSimulatorPort));
        QSet<QString> speeds;
        const bool moving = QTest::qWaitFor(
            [&] {
                speeds.insert(localizedText(window, Control::liveRpm));
                return speeds.size() >= 5;
            },
            kWaitMs);
        QVERIFY2(moving, qPrintable(QStringList(speeds.values()).join(" | ")));
        for (const QString& speed : speeds)
            QVERIFY(speed == "RPM = ---" || speed.startsWith("RPM = "));
        QVERIFY(localizedText(window, Control::liveVoltage).startsWith("U = 1"));
        QCOMPARE(localizedText(window, Control::livePickup1), "Pick-up (CKPS) 1 - is running");
        const QLabel* running = window.find<QLabel>(Control::livePickup1);
        QVERIFY(running->autoFillBackground());
        QCOMPARE(running->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(localizedText(window, Control::liveThrottle).startsWith("TP= "));
        QVERIFY(
            localizedText(window, Control::programCountLabel).startsWith("Number of Programing= "));
        QVERIFY(greenMapCells(window) <= 1);
        QVERIFY(simulator.stop());
    }

    void warningsFromLiveData() {
        WindowFixture window;
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, {"--rpm", "3000", "--throttle", "45",
                                                 "--live-version", "74", "--data-error"}));
        QVERIFY(connectTo(window, kSimulatorPort));
        QVERIFY(QTest::qWaitFor([&] { return window.shown(Control::versionWarning); }, kWaitMs));
        QCOMPARE(localizedText(window, Control::versionWarning),
                 "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
        QVERIFY(window.shown(Control::dataErrorWarning));
        for (const char* warning : {Control::versionWarning, Control::dataErrorWarning})
            QVERIFY2(showsWholeText(*window.find<QLabel>(warning)), warning);
        QCOMPARE(localizedText(window, Control::liveRpm), "RPM = 3000 ");
        QCOMPARE(window.find<QProgressBar>(Control::throttleGauge)->value(), 45);
        // 3000 rpm lies on the map: exactly one cell is marked.
        QVERIFY(QTest::qWaitFor([&] { return greenMapCells(window) == 1; }, kWaitMs));
        QVERIFY(window.find<QLabel>(Control::livePickup1)->autoFillBackground());

        // The unit goes: the connection warning shows, and nothing it last sent looks live any
        // more: the live column shows no data, as before the first frame.
        QVERIFY(simulator.stop());
        QVERIFY(QTest::qWaitFor([&] { return window.shown(Control::connectionLabel); }, kWaitMs));
        QVERIFY(!window.shown(Control::versionWarning));
        QVERIFY(!window.shown(Control::dataErrorWarning));
        QCOMPARE(localizedText(window, Control::liveRpm), "RPM = ---");
        QCOMPARE(localizedText(window, Control::livePickup1), "Pick-up (CKPS) 1 = ---");
        QVERIFY(!window.find<QLabel>(Control::livePickup1)->autoFillBackground());
        QCOMPARE(localizedText(window, Control::programCountLabel), "Number of Programing= ---");
        QCOMPARE(window.find<QProgressBar>(Control::throttleGauge)->value(), 0);
        QCOMPARE(greenMapCells(window), 0);
    }
};

QTEST_MAIN(TestWindowLink)
#include "tst_window_link.moc"
