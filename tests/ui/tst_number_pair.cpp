// The number pair widget on its own: stepping, clamping, typed text and the focus and key
// signals that drive the window's handlers.

#include "model/FormMapping.h"
#include "ui/NumberPair.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace varko;

namespace {

// Where a pair sits does not matter here; its width is the window's for such a pair.
constexpr int kLeft = 0;
constexpr int kTop = 0;
constexpr int kWideEdit = 57;     // up to "25,000"
constexpr int kMapCellEdit = 30;  // a cell of the advance map
constexpr int kGridHeadEdit = 44; // a speed above the map
constexpr int kShortEdit = 41;    // a few digits and a sign

} // namespace

class TestNumberPair : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsAndClampsWithoutWrap();
    void arrowButtonsAndKeysStep();
    void groupingOnlyFromAThousand();
    void rejectedTextKeepsTheValueUntilWritten();
    void focusLossCountsOnlyWithinTheWindow_data();
    void focusLossCountsOnlyWithinTheWindow();
    void enterIsSwallowedOtherKeysPass();

private:
    QWidget parent;
};

void TestNumberPair::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestNumberPair::stepsAndClampsWithoutWrap() {
    NumberPair limiter(pairTable()[Pair::limiter], &parent, kLeft, kTop, kWideEdit);
    QSignalSpy stepped(&limiter, &NumberPair::stepped);
    limiter.writePair(999);
    QCOMPARE(limiter.edit()->text(), QString("999"));
    limiter.stepBy(+1);
    QCOMPARE(limiter.value(), 1099);
    QCOMPARE(limiter.edit()->text(), QString("1,099"));
    limiter.stepBy(-1);
    limiter.stepBy(-1);
    QCOMPARE(limiter.value(), 999);
    limiter.writePair(25000);
    limiter.stepBy(+1);
    QCOMPARE(limiter.value(), 25000);
    QCOMPARE(stepped.count(), 4);
    limiter.writePair(-70000);
    QCOMPARE(limiter.value(), 999);
}

void TestNumberPair::arrowButtonsAndKeysStep() {
    NumberPair cell(pairTable()[Pair::advance], &parent, kLeft, kTop, kMapCellEdit);
    cell.writePair(10);
    const auto arrows = cell.upDown()->findChildren<QToolButton*>();
    QCOMPARE(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QCOMPARE(cell.value(), 11);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QCOMPARE(cell.value(), 9);
    QTest::keyClick(cell.edit(), Qt::Key_Up);
    QCOMPARE(cell.value(), 10);
    QTest::keyClick(cell.edit(), Qt::Key_Down);
    QCOMPARE(cell.value(), 9);
    // A step starts from a valid number the user has typed but not yet left.
    cell.edit()->setText("40");
    QTest::keyClick(cell.edit(), Qt::Key_Up);
    QCOMPARE(cell.edit()->text(), QString("41"));
}

void TestNumberPair::groupingOnlyFromAThousand() {
    NumberPair speed(pairTable()[Pair::rpmAdv + 9], &parent, kLeft, kTop, kGridHeadEdit);
    speed.writePair(20100);
    QCOMPARE(speed.edit()->text(), QString("20,100"));
    speed.writePair(900);
    QCOMPARE(speed.edit()->text(), QString("900"));
    NumberPair correction(pairTable()[Pair::tachoCorrection], &parent, kLeft, kTop, kShortEdit);
    correction.writePair(-60);
    QCOMPARE(correction.edit()->text(), QString("-60"));
}

void TestNumberPair::rejectedTextKeepsTheValueUntilWritten() {
    NumberPair baseAdv(pairTable()[Pair::baseAdv], &parent, kLeft, kTop, kShortEdit);
    baseAdv.writePair(12);
    for (const char* typed : {"70", "abc", "-5", ""}) {
        baseAdv.edit()->setText(typed);
        QCOMPARE(baseAdv.readPair(), 12);
        QCOMPARE(baseAdv.edit()->text(), QString(typed));
    }
    baseAdv.writePair(baseAdv.value());
    QCOMPARE(baseAdv.edit()->text(), QString("12"));
    baseAdv.edit()->setText("33");
    QCOMPARE(baseAdv.readPair(), 33);
}

void TestNumberPair::focusLossCountsOnlyWithinTheWindow_data() {
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("left");
    QTest::newRow("tab") << Qt::TabFocusReason << true;
    QTest::newRow("backtab") << Qt::BacktabFocusReason << true;
    QTest::newRow("mouse") << Qt::MouseFocusReason << true;
    QTest::newRow("shortcut") << Qt::ShortcutFocusReason << true;
    QTest::newRow("other") << Qt::OtherFocusReason << true;
    QTest::newRow("another window") << Qt::ActiveWindowFocusReason << false;
    QTest::newRow("popup") << Qt::PopupFocusReason << false;
    QTest::newRow("menu bar") << Qt::MenuBarFocusReason << false;
}

void TestNumberPair::focusLossCountsOnlyWithinTheWindow() {
    QFETCH(Qt::FocusReason, reason);
    NumberPair pair(pairTable()[Pair::limiter], &parent, kLeft, kTop, kWideEdit);
    QSignalSpy left(&pair, &NumberPair::left);
    QFocusEvent focusOut(QEvent::FocusOut, reason);
    QApplication::sendEvent(pair.edit(), &focusOut);
    QTEST(left.count() == 1, "left");
}

void TestNumberPair::enterIsSwallowedOtherKeysPass() {
    NumberPair pair(pairTable()[Pair::limiter], &parent, kLeft, kTop, kWideEdit);
    QSignalSpy enter(&pair, &NumberPair::enterPressed);
    QSignalSpy stepped(&pair, &NumberPair::stepped);
    pair.edit()->clear();
    QTest::keyClicks(pair.edit(), "1234");
    QCOMPARE(pair.edit()->text(), QString("1234"));
    QCOMPARE(enter.count(), 0);
    QTest::keyClick(pair.edit(), Qt::Key_Return);
    QTest::keyClick(pair.edit(), Qt::Key_Enter);
    QCOMPARE(enter.count(), 2);
    QCOMPARE(stepped.count(), 0);
    QCOMPARE(pair.edit()->text(), QString("1234"));
}

QTEST_MAIN(TestNumberPair)
#include "tst_number_pair.moc"
