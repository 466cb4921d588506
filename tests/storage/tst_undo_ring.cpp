#include "storage/UndoRing.h"

#include <QTest>

#include <memory>

using namespace varko;

namespace {

// Image number k: distinct for every k, equal for equal k.
ParamImage numberedNames(int k) {
    ParamImage image;
    image[0] = static_cast<std::uint8_t>(k & 0xFF);
    image[199] = static_cast<std::uint8_t>(k >> 8);
    return image;
}

int numberOf(const UndoSnapshot* snapshot) {
    return snapshot ? snapshot->image[0] | snapshot->image[199] << 8 : -1;
}

// The ring is 40 kB; keep it off the test's stack like the window keeps it in its own object.
std::unique_ptr<UndoRing> ringAfterChanges(int changes) {
    auto ring = std::make_unique<UndoRing>();
    ring->init(numberedNames(0), 0);
    for (int k = 1; k <= changes; ++k)
        ring->push(numberedNames(k), static_cast<std::uint8_t>(k % 7), false);
    return ring;
}

} // namespace

class TestUndoRing : public QObject {
    Q_OBJECT

private slots:
    void startsWithNothingToMove();
    void unchangedImageRecordsNothing();
    void stepsBackAndForth_data();
    void stepsBackAndForth();
    void newChangeAfterUndoDropsRedo();
    void snapshotKeepsItsPage();
    void programAfterChange_data();
    void programAfterChange();
};

void TestUndoRing::startsWithNothingToMove() {
    auto ring = ringAfterChanges(0);
    QVERIFY(!ring->canUndo());
    QVERIFY(!ring->canRedo());
    QCOMPARE(ring->undo(), nullptr);
    QCOMPARE(ring->redo(), nullptr);
}

void TestUndoRing::unchangedImageRecordsNothing() {
    auto ring = ringAfterChanges(3);
    ring->undo();
    ring->push(numberedNames(2), 5, false);
    QVERIFY(ring->canRedo()); // nothing was recorded, so redo still reaches change 3
    QCOMPARE(numberOf(ring->redo()), 3);
    QCOMPARE(ring->redo(), nullptr);
}

// After a number of changes, undo reaches back to "oldest" and no further; redo then walks the
// same way forward to the newest change.
void TestUndoRing::stepsBackAndForth_data() {
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("oldest");
    QTest::newRow("1 change") << 1 << 0;
    QTest::newRow("199 changes: back to the start") << 199 << 0;
    QTest::newRow("200 changes drop the start") << 200 << 1;
    QTest::newRow("201 changes") << 201 << 2;
    QTest::newRow("many times round the ring") << 1234 << 1035;
}

void TestUndoRing::stepsBackAndForth() {
    QFETCH(int, changes);
    QFETCH(int, oldest);
    auto ring = ringAfterChanges(changes);
    for (int k = changes - 1; k >= oldest; --k) {
        QVERIFY(ring->canUndo());
        const UndoSnapshot* snapshot = ring->undo();
        QCOMPARE(numberOf(snapshot), k);
        QCOMPARE(int(snapshot->page), k % 7);
    }
    QVERIFY(!ring->canUndo());
    QCOMPARE(ring->undo(), nullptr);
    for (int k = oldest + 1; k <= changes; ++k)
        QCOMPARE(numberOf(ring->redo()), k);
    QVERIFY(!ring->canRedo());
    QCOMPARE(ring->redo(), nullptr);
    QVERIFY(ring->canUndo());
}

void TestUndoRing::newChangeAfterUndoDropsRedo() {
    auto ring = ringAfterChanges(5);
    ring->undo();
    ring->undo();
    ring->push(numberedNames(100), 0, false);
    QVERIFY(!ring->canRedo());
    QCOMPARE(numberOf(ring->undo()), 3);
    QCOMPARE(numberOf(ring->redo()), 100);
    QCOMPARE(ring->redo(), nullptr);
}

void TestUndoRing::snapshotKeepsItsPage() {
    UndoRing ring;
    ring.init(numberedNames(0), 4);
    ring.push(numberedNames(1), 2, false);
    ring.push(numberedNames(1), 6, false); // same image on another page: not recorded
    ring.push(numberedNames(2), 0, false);
    QCOMPARE(int(ring.undo()->page), 2);
    QCOMPARE(int(ring.undo()->page), 4);
}

// Steps: "c" a push with a changed image, "s" a push with the same image, each followed by "+"
// (box ticked) or "-" (not ticked); "u" an undo. Expected: 1 or 0 for each push.
void TestUndoRing::programAfterChange_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("programs");
    QTest::newRow("first push programs only on a change") << "s+ s+ s+"
                                                          << "0 1 1";
    QTest::newRow("first push with a change") << "c+ s+"
                                              << "1 1";
    QTest::newRow("untick disarms") << "c+ s- s+ s+"
                                    << "1 0 0 1";
    QTest::newRow("never while unticked") << "c- c- s-"
                                          << "0 0 0";
    QTest::newRow("change before the tick") << "c- s+ c+"
                                            << "0 0 1";
    QTest::newRow("undo keeps the arming") << "c+ u s+"
                                           << "1 1";
}

void TestUndoRing::programAfterChange() {
    QFETCH(QString, steps);
    QFETCH(QString, programs);
    auto ring = ringAfterChanges(0);
    int image = 0;
    QStringList actual;
    for (const QString& step : steps.split(' ')) {
        if (step == "u") {
            QVERIFY(ring->undo());
            --image;
            continue;
        }
        if (step[0] == 'c')
            ++image;
        actual << QString::number(ring->push(numberedNames(image), 0, step[1] == '+'));
    }
    QCOMPARE(actual.join(' '), programs);
}

QTEST_GUILESS_MAIN(TestUndoRing)
#include "tst_undo_ring.moc"
