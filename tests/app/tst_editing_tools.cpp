// The map and curve tools in the window: every button, menu item and key reaches its tool, each
// change is one undo step, a tool that changes nothing records nothing but still refreshes (so it
// programs the unit once programming after change is armed), and a throttle button outside its
// voltage range does nothing at all. No unit answers here, so the engine counts as stopped: below
// the map, servo point 0, throttle voltage 0 mV.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "app/WindowLink.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTimer>
#include <QtTest>

using namespace varko;

namespace {

TransferMode runningTransfer(const FlowsFixture& f) {
    return f.window.link().engine().state().transferMode();
}

// A push button, a menu item or a key, by its name; a key goes to the widget with the focus.
void trigger(FlowsFixture& f, const QString& name) {
    if (name.startsWith('F')) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : &*f.window, QKeySequence(name));
    } else if (auto* item = f.window.find<QAction>(name)) {
        item->trigger();
    } else {
        f.window.find<QAbstractButton>(name)->click();
    }
}

// Records a map of one value and a servo curve of another as the step before the tool's.
void recordMapAndCurve(FlowsFixture& f, int cell, int servo) {
    f.window.change([cell, servo](ParamImage& image) {
        for (int offset = Field::advance; offset < kImageSize; ++offset)
            image[offset] = std::uint8_t(cell);
        for (int point = 0; point < kBreakpoints; ++point)
            image.servoMv(point) = std::uint8_t(servo);
    });
}

void tick(FlowsFixture& f, const char* box, bool ticked) {
    f.window.find<QCheckBox>(box)->setChecked(ticked);
}

// The image after the tool, and that one undo takes it back to the image before.
void verifyOneUndoStep(FlowsFixture& f, const ParamImage& before) {
    QVERIFY(f.canUndo());
    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);
    QVERIFY(f.canRedo());
}

} // namespace

class TestEditingTools : public QObject {
    Q_OBJECT
private slots:
    void advance_data();
    void advance();
    void columnSpinButtons_data();
    void columnSpinButtons();
    void servo_data();
    void servo();
    void refreshWithoutChange_data();
    void refreshWithoutChange();
};

void TestEditingTools::advance_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("focus"); // an edit that holds the focus meanwhile
    QTest::newRow("button -") << Control::advanceMinusButton << -1 << QString();
    QTest::newRow("button +") << Control::advancePlusButton << 1 << QString();
    QTest::newRow("menu Advance -") << Control::advanceMinusItem << -1 << QString();
    QTest::newRow("menu Advance +") << Control::advancePlusItem << 1 << QString();
    QTest::newRow("F4") << "F4" << -1 << QString();
    QTest::newRow("F5") << "F5" << 1 << QString();
    QTest::newRow("F4 in a map cell") << "F4" << -1 << Control::mapCellEdit(9, 0);
    QTest::newRow("F5 in a map cell") << "F5" << 1 << Control::mapCellEdit(9, 0);
}

// Below the map only "All" moves anything; then the whole map moves as one undo step.
void TestEditingTools::advance() {
    QFETCH(QString, trigger);
    QFETCH(int, step);
    QFETCH(QString, focus);
    FlowsFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    f.pages()->setCurrentIndex(Page::advanceMap);
    recordMapAndCurve(f, 30, 100);
    if (!focus.isEmpty()) {
        f.window.edit(focus)->setFocus();
        QVERIFY(f.window.edit(focus)->hasFocus());
    }
    const ParamImage before = f.window.document().image();

    ::trigger(f, trigger);
    QCOMPARE(f.window.document().image(), before);
    f.trigger(Control::undoItem); // the recorded map was the last step
    QCOMPARE(f.window.document().image() == before, false);
    f.trigger(Control::redoItem);

    tick(f, Control::advanceAllBox, true);
    ::trigger(f, trigger);
    for (int offset = Field::advance; offset < kImageSize; ++offset)
        QCOMPARE(int(f.window.document().image()[offset]), 30 + step);
    QCOMPARE(f.window.edit(Control::mapCellEdit(9, 9))->text(), QString::number(30 + step));
    verifyOneUndoStep(f, before);
}

void TestEditingTools::columnSpinButtons_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("step");
    QTest::newRow("CSpinButton1 up") << 0 << 1;
    QTest::newRow("CSpinButton4 down") << 3 << -1;
    QTest::newRow("CSpinButton4 up") << 3 << 1;
    QTest::newRow("CSpinButton10 down") << 9 << -1;
}

// Each spin button steps the ten cells of its own column and no other byte.
void TestEditingTools::columnSpinButtons() {
    QFETCH(int, column);
    QFETCH(int, step);
    FlowsFixture f;
    recordMapAndCurve(f, 30, 100);
    const ParamImage before = f.window.document().image();
    const QString arrow = Control::columnArrow(column, step > 0);
    f.window.find<QAbstractButton>(arrow)->click();

    ParamImage expected = before;
    for (int row = 0; row < kBreakpoints; ++row)
        expected.advance(row, column) = std::uint8_t(30 + step);
    QCOMPARE(f.window.document().image(), expected);
    verifyOneUndoStep(f, before);
}

void TestEditingTools::servo_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("step");
    QTest::newRow("- at point 0") << Control::servoMinusButton << false << -1;
    QTest::newRow("+ at point 0") << Control::servoPlusButton << false << 1;
    QTest::newRow("- over all points") << Control::servoMinusButton << true << -1;
    QTest::newRow("+ over all points") << Control::servoPlusButton << true << 1;
}

void TestEditingTools::servo() {
    QFETCH(QString, trigger);
    QFETCH(bool, all);
    QFETCH(int, step);
    FlowsFixture f;
    recordMapAndCurve(f, 30, 100);
    const ParamImage before = f.window.document().image();
    tick(f, Control::servoAllBox, all);
    ::trigger(f, trigger);

    ParamImage expected = before;
    for (int point = 0; point < (all ? kBreakpoints : 1); ++point)
        expected.servoMv(point) = std::uint8_t(100 + step);
    QCOMPARE(f.window.document().image(), expected);
    verifyOneUndoStep(f, before);
}

void TestEditingTools::refreshWithoutChange_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("servo"); // every servo point
    QTest::addColumn<bool>("refreshes");
    QTest::newRow("advance - below the map") << Control::advanceMinusButton << 100 << true;
    QTest::newRow("F5 below the map") << "F5" << 100 << true;
    QTest::newRow("servo + at 249") << Control::servoPlusButton << 249 << true;
    QTest::newRow("servo - at 1") << Control::servoMinusButton << 1 << true;
    QTest::newRow("Set TPS 0 % at 0 mV") << Control::tps0Button << 100 << false;
    QTest::newRow("Set TPS 100 % at 0 mV") << Control::tps100Button << 100 << false;
}

// A tool that changes nothing records nothing. Its refresh still programs the unit once the
// program-after-change rule is armed, except a throttle button's, which runs nothing at all.
void TestEditingTools::refreshWithoutChange() {
    QFETCH(QString, trigger);
    QFETCH(int, servo);
    QFETCH(bool, refreshes);
    FlowsFixture f;
    f.programWithoutBackup();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    f.window.link().findChild<QTimer*>(Control::linkTimer)->stop();
    recordMapAndCurve(f, 30, servo);
    const ParamImage before = f.window.document().image();
    tick(f, Control::programAfterChange, true);
    f.window.edits().commitEditedValue(); // arms the rule without programming: nothing changed
    QCOMPARE(runningTransfer(f), TransferMode::Idle);

    ::trigger(f, trigger);
    QCOMPARE(runningTransfer(f), refreshes ? TransferMode::Program : TransferMode::Idle);
    QCOMPARE(f.window.document().image(), before);
    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image() == before, false); // the recorded map was the last step
}

QTEST_MAIN(TestEditingTools)
#include "tst_editing_tools.moc"
