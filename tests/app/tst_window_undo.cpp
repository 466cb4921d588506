// Undo and redo in the main window: the buttons' states, the history's reach, the page of a
// snapshot, and programming after change.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "app/WindowLink.h"

#include <QCheckBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace varko;

namespace {

struct UndoControlsState {
    bool undo;
    bool redo;
};

// The toolbar buttons follow the menu items.
UndoControlsState undoControls(const FlowsFixture& f) {
    const bool undo = f.canUndo();
    const bool redo = f.canRedo();
    if (f.window.find(Control::undoButton)->isEnabled() != undo ||
        f.window.find(Control::redoButton)->isEnabled() != redo)
        qFatal("toolbar and menu disagree");
    return {undo, redo};
}

TransferMode runningTransfer(const FlowsFixture& f) {
    return f.window.link().engine().state().transferMode();
}

// The test runs the link's ticks itself, so a transfer that was started stays visible until the
// test lets it fail (no unit answers here).
void stopTicks(FlowsFixture& f) {
    f.window.link().findChild<QTimer*>(Control::linkTimer)->stop();
}

bool ticksUntilIdle(FlowsFixture& f) {
    for (int tick = 0; tick < 100 && runningTransfer(f) != TransferMode::Idle; ++tick)
        f.window.link().engine().tick();
    return runningTransfer(f) == TransferMode::Idle;
}

} // namespace

class TestWindowUndo : public QObject {
    Q_OBJECT
private slots:
    void disabledAfterStartUp() {
        FlowsFixture f;
        QVERIFY(!undoControls(f).undo);
        QVERIFY(!undoControls(f).redo);
        const ParamImage before = f.window.document().image();
        f.trigger(Control::undoItem);
        f.trigger(Control::redoItem);
        QCOMPARE(f.window.document().image(), before);
    }

    void leavingAnEditUnchangedRecordsNothing() {
        FlowsFixture f;
        f.type(Control::limiterEdit, "11000");
        QVERIFY(!undoControls(f).undo);
    }

    void hundredNinetyNineStepsBack() {
        FlowsFixture f;
        const ParamImage start = f.window.document().image();
        for (int change = 1; change <= 199; ++change)
            f.type(Control::limiterEdit, change % 2 == 1 ? "9000" : "8000");
        for (int step = 0; step < 199; ++step) {
            QVERIFY(undoControls(f).undo);
            f.window.find<QToolButton>(Control::undoButton)->click();
        }
        QVERIFY(!undoControls(f).undo);
        QCOMPARE(f.window.document().image(), start);
        QCOMPARE(f.window.edit(Control::limiterEdit)->text(), "11,000");
        for (int step = 0; step < 199; ++step)
            f.window.find<QToolButton>(Control::redoButton)->click();
        QVERIFY(!undoControls(f).redo);
        QCOMPARE(int(f.window.document().image().limiter()), 90);
    }

    void twoHundredthChangeDropsTheStart() {
        FlowsFixture f;
        for (int change = 1; change <= 200; ++change)
            f.type(Control::mapCellEdit(0, 0), QString::number(change % 2 == 1 ? 40 : 41));
        for (int step = 0; step < 199; ++step)
            f.trigger(Control::undoItem);
        QVERIFY(!undoControls(f).undo);
        QCOMPARE(int(f.window.document().image().advance(0, 0)),
                 40); // the state after the first change
    }

    void newChangeAfterUndoDropsRedo() {
        FlowsFixture f;
        f.type(Control::limiterEdit, "9000");
        f.type(Control::limiterEdit, "8000");
        f.trigger(Control::undoItem);
        QVERIFY(undoControls(f).undo);
        QVERIFY(undoControls(f).redo);
        f.type(Control::baseAdvanceEdit, "12");
        QVERIFY(!undoControls(f).redo);
        f.trigger(Control::undoItem);
        QCOMPARE(int(f.window.document().image().limiter()), 90);
        QCOMPARE(int(f.window.document().image().baseAdv()), 10);
    }

    void undoShowsTheSnapshotsPage() {
        FlowsFixture f;
        f.pages()->setCurrentIndex(Page::miscellaneous);
        f.type(Control::limiterEdit, "9000");
        f.pages()->setCurrentIndex(Page::advanceMap);
        f.type(Control::mapCellEdit(0, 0), "30");
        f.pages()->setCurrentIndex(Page::servo);
        f.trigger(Control::undoItem); // back to the limiter's snapshot
        QCOMPARE(f.pages()->currentIndex(), Page::miscellaneous);
        QCOMPARE(int(f.window.document().image().limiter()), 90);
        f.pages()->setCurrentIndex(Page::bike);
        f.trigger(Control::redoItem);
        QCOMPARE(f.pages()->currentIndex(), Page::advanceMap);
        QCOMPARE(int(f.window.document().image().advance(0, 0)), 30);
    }

    // Ctrl+Z undoes and Ctrl+Alt+Z redoes wherever the focus is, in an edit field as well.
    void shortcuts_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("window") << QString();
        QTest::newRow("edit field") << Control::limiterEdit;
    }
    void shortcuts() {
        QFETCH(QString, focus);
        FlowsFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(&*f.window));
        f.pages()->setCurrentIndex(Page::miscellaneous);
        f.type(Control::baseAdvanceEdit, "15");
        QWidget* target = &*f.window;
        if (!focus.isEmpty()) {
            target = f.window.edit(focus);
            target->setFocus();
            QVERIFY(target->hasFocus());
        }
        QTest::keySequence(target, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(int(f.window.document().image().baseAdv()), 10);
        QTest::keySequence(target, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
        QCOMPARE(int(f.window.document().image().baseAdv()), 15);
    }

    // With "Programming after change" ticked every undo and redo that moves starts a program
    // transfer; one that cannot move starts none.
    void programmingAfterUndoAndRedo() {
        FlowsFixture f;
        stopTicks(f);
        f.programWithoutBackup();
        f.type(Control::baseAdvanceEdit, "15");
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        QCOMPARE(runningTransfer(f), TransferMode::Idle);
        for (const char* step : {Control::undoItem, Control::redoItem, Control::undoItem}) {
            f.trigger(step);
            QCOMPARE(runningTransfer(f), TransferMode::Program);
            QVERIFY(ticksUntilIdle(f));
        }
        f.trigger(Control::undoItem); // nothing to move to
        QCOMPARE(runningTransfer(f), TransferMode::Idle);
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(false);
        f.trigger(Control::redoItem);
        QCOMPARE(runningTransfer(f), TransferMode::Idle);
    }

    void programAfterChangeArming_data() {
        QTest::addColumn<bool>("changeFirst");
        QTest::addColumn<bool>("firstPushPrograms");
        QTest::newRow("first push with a change") << true << true;
        QTest::newRow("first push without a change") << false << false;
    }
    void programAfterChangeArming() {
        QFETCH(bool, changeFirst);
        QFETCH(bool, firstPushPrograms);
        FlowsFixture f;
        stopTicks(f);
        f.programWithoutBackup();
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        f.type(Control::baseAdvanceEdit, changeFirst ? "15" : "10");
        QCOMPARE(runningTransfer(f) == TransferMode::Program, firstPushPrograms);
        // Every later push programs, changed or not.
        QVERIFY(ticksUntilIdle(f));
        f.type(Control::baseAdvanceEdit, changeFirst ? "15" : "10");
        QCOMPARE(runningTransfer(f), TransferMode::Program);
        // Unticked, nothing programs and the arming is gone.
        QVERIFY(ticksUntilIdle(f));
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(false);
        f.type(Control::baseAdvanceEdit, "20");
        QCOMPARE(runningTransfer(f), TransferMode::Idle);
        f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
        f.type(Control::baseAdvanceEdit, "20");
        QCOMPARE(runningTransfer(f), TransferMode::Idle);
    }
};

QTEST_MAIN(TestWindowUndo)
#include "tst_window_undo.moc"
