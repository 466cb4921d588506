// The editing handlers as a user reaches them: focus changes, keys, clicks, lists and hints.

#include "CodeNames.h"
#include "Controls.h"
#include "PaintedColour.h"
#include "WindowFixture.h"
#include "model/Presets.h"
#include "ui/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

using namespace varko;

class TestWindowHandlers : public QObject {
    Q_OBJECT
private slots:
    void editExitOnlyWhenFocusStaysInTheWindow();
    void enterCommitsAndMovesOn();
    void otherKeysRunNothing();
    void checkBoxActsOnMouseReleaseOnly();
    void noReadingClick();
    void radioGroupStoresItsSelection();
    void modelListAppliesThePreset();
    void hintsAndTexts();
};

namespace {

// A left click near the box or button, where a user clicks it.
void clickBox(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

void sendFocusOut(QWidget* widget, Qt::FocusReason reason) {
    QFocusEvent focusOut(QEvent::FocusOut, reason);
    QApplication::sendEvent(widget, &focusOut);
}

} // namespace

void TestWindowHandlers::editExitOnlyWhenFocusStaysInTheWindow() {
    WindowFixture window;
    QLineEdit* limiter = window.edit(Control::limiterEdit);
    limiter->setText("1234");
    for (auto reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        sendFocusOut(limiter, reason);
        QCOMPARE(int(window.document().image().limiter()), 110);
        QCOMPARE(limiter->text(), QString("1234"));
    }
    sendFocusOut(limiter, Qt::MouseFocusReason);
    QCOMPARE(int(window.document().image().limiter()), 12);
    QCOMPARE(limiter->text(), QString("1,200"));
}

void TestWindowHandlers::enterCommitsAndMovesOn() {
    WindowFixture window;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QLineEdit* limiter = window.edit(Control::limiterEdit);
    window.find<QTabWidget>(Control::pages)->setCurrentIndex(Page::miscellaneous);
    limiter->setFocus(Qt::OtherFocusReason);
    QVERIFY(limiter->hasFocus());
    limiter->selectAll();
    QTest::keyClicks(limiter, "12000");
    QTest::keyClick(limiter, Qt::Key_Return);
    QCOMPARE(int(window.document().image().limiter()), 120);
    QVERIFY(!limiter->hasFocus());
    QCOMPARE(limiter->text(), QString("12,000"));
}

void TestWindowHandlers::otherKeysRunNothing() {
    WindowFixture window;
    QLineEdit* baseAdv = window.edit(Control::baseAdvanceEdit);
    baseAdv->selectAll();
    QTest::keyClicks(baseAdv, "25");
    QTest::keyClick(baseAdv, Qt::Key_Tab);
    QCOMPARE(int(window.document().image().baseAdv()), 10);
    QTest::keyClick(baseAdv, Qt::Key_Up); // a step takes the typed 25 first
    QCOMPARE(int(window.document().image().baseAdv()), 26);
}

void TestWindowHandlers::checkBoxActsOnMouseReleaseOnly() {
    WindowFixture window;
    window->show();
    auto* tpsMap = window.find<QCheckBox>(Control::throttleMapBox);
    tpsMap->setFocus();
    QTest::keyClick(tpsMap, Qt::Key_Space);
    QVERIFY(tpsMap->isChecked());
    QCoreApplication::processEvents();
    QCOMPARE(int(window.document().image().throttleMap()), 0);

    clickBox(tpsMap);
    QVERIFY(!tpsMap->isChecked());
    QTRY_VERIFY(window.find(Control::throttleRowLabel(0))->isHidden() &&
                window.document().image().throttleMap() == 0);
    clickBox(tpsMap);
    QTRY_COMPARE(int(window.document().image().throttleMap()), 1);
    QVERIFY(!window.find(Control::throttleRowLabel(0))->isHidden());
}

void TestWindowHandlers::noReadingClick() {
    WindowFixture window;
    window->show();
    auto* box = window.find<QCheckBox>(Control::noReadingBox);
    clickBox(box);
    QCOMPARE(int(window.document().image().noReading()), 1);
    QVERIFY(paintedShare(box, QColor(Qt::red)) > 0.6);
}

void TestWindowHandlers::radioGroupStoresItsSelection() {
    WindowFixture window;
    window->show();
    auto* clutch =
        window.find<QRadioButton>(Control::inputFunctionButton(2, InputFunction::clutchMaster));
    clickBox(clutch);
    QCOMPARE(int(window.document().image().input2()), InputFunction::clutchMaster);
    QVERIFY(window.edit(Control::clutchTimeEdit)->isEnabled());
}

void TestWindowHandlers::modelListAppliesThePreset() {
    WindowFixture window;
    auto* bike = window.find<QComboBox>(Control::bikeList);
    const int vfr750 = bikeListPosition(BikeCode::hondaVfr750);
    bike->setCurrentIndex(vfr750);
    emit bike->activated(vfr750);
    QCOMPARE(int(window.document().image().bike()), BikeCode::hondaVfr750);
    QCOMPARE(int(window.document().image().lobeCount()), 11);
    QCOMPARE(window.edit(Control::channelCountEdit)->text(), QString("4"));

    // The special setting keeps the geometry of the model before and makes it editable.
    bike->setCurrentIndex(BikePosition::special);
    emit bike->activated(BikePosition::special);
    QCOMPARE(int(window.document().image().bike()), int(kBikeSpecial));
    QCOMPARE(int(window.document().image().lobeCount()), 11);
    QVERIFY(window.find(Control::specialSynchroGroup)->isEnabled());

    auto* synchro = window.find<QComboBox>(Control::synchroList);
    synchro->setCurrentIndex(Synchro::singleLobe);
    emit synchro->activated(Synchro::singleLobe);
    QCOMPARE(int(window.document().image().synchroMethod()), Synchro::singleLobe);
    QCOMPARE(int(window.document().image().lobeCount()), 1);
    QVERIFY(!window.find(Control::noLobeCheckBox)->isHidden());
}

void TestWindowHandlers::hintsAndTexts() {
    WindowFixture window;
    QCOMPARE(window->windowTitle(), QString("Programming of VARKO unit"));
    QVERIFY(window->findChild<QAction*>(Control::englishItem)->isChecked());
    QCOMPARE(window.find<QComboBox>(Control::bikeList)->itemText(BikePosition::special),
             QString("Special setting"));
    QCOMPARE(window.find<QLabel>(Control::pilotLightLabel)->text(),
             QString("Gear Shift Light [rpm]"));

    QWidget* rpm = window.find(Control::rpmCaption);
    QVERIFY(rpm->toolTip().isEmpty());
    QCOMPARE(rpm->statusTip(), QString("Speed - Round per Minute"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(rpm, &enter);
    QCOMPARE(window->statusBar()->currentMessage(), QString("Speed - Round per Minute"));

    QCOMPARE(window.find(Control::openButton)->toolTip(), QString("Open file with parametrs"));
    QCOMPARE(window->findChild<QAction*>(Control::advanceMinusItem)->statusTip(),
             QString("Take off 1 degree of curve A"));
    QCOMPARE(window->findChild<QAction*>(Control::redoItem)->shortcut(),
             QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));

    // While a unit answers, a change of language leaves the live labels alone except the first
    // two advance labels, which show their caption until the next frame.
    window.find(Control::connectionLabel)->hide();
    window.find<QLabel>(Control::liveKillSwitch)->setText("live");
    applyTexts(&*window, varko::Language::English);
    QCOMPARE(window.find<QLabel>(Control::liveAdvance1)->text(), QString::fromUtf8("Advance [°]"));
    QCOMPARE(window.find<QLabel>(Control::liveAdvance2)->text(), QString::fromUtf8("Advance [°]"));
    QCOMPARE(window.find<QLabel>(Control::liveKillSwitch)->text(), QString("live"));
}

QTEST_MAIN(TestWindowHandlers)
#include "tst_window_handlers.moc"
