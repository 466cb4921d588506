// The advance map as a workbench in the window: the keys that move between cells and extend the
// selection, the operating cell's green over the selection and both colour scales, each bulk
// edit from its menu item as one undo step (with the dialog's number, preview and memory, and
// programming after change), and copy and paste through the clipboard. With VARKO_SCREENSHOT_DIR
// set, the map with a selection and with the value scale is also written there as pictures.

#include "Controls.h"
#include "FlowsFixture.h"
#include "LogReplay.h"
#include "app/MapWorkbench.h"
#include "app/WindowLink.h"
#include "link/LiveDataCsv.h"
#include "ui/MapCellGrid.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varko;

Q_DECLARE_METATYPE(MapRect)
Q_DECLARE_METATYPE(CellScale)

namespace {

const QColor kGreen(0, 255, 0);

MapCellGrid& cells(const FlowsFixture& f) {
    return *f.window->findChild<MapCellGrid*>();
}

QColor background(const FlowsFixture& f, MapCell cell) {
    return cells(f).edit(cell)->palette().color(QPalette::Base);
}

// The window on the map page, shown and active, with the map's throttle rows in use or not, every
// cell at 30 and the speed breakpoints evenly 1000 rpm apart.
void openMap(FlowsFixture& f, bool throttleRows = true) {
    f.programWithoutBackup();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    f.window.link().findChild<QTimer*>(Control::linkTimer)->stop();
    f.pages()->setCurrentIndex(2);
    f.window.change([throttleRows](ParamImage& image) {
        image.throttleMap() = throttleRows;
        for (int i = 0; i < kBreakpoints; ++i)
            image[Field::rpmAdv + i] = std::uint8_t(10 * (i + 1));
        for (int offset = Field::advance; offset < Field::advance + 100; ++offset)
            image[offset] = 30;
    });
}

MapRect rectAt(int top, int left, int rows, int columns) {
    return {top, left, top + rows - 1, left + columns - 1};
}

void select(FlowsFixture& f, const MapRect& rect) {
    cells(f).selectCell({rect.top, rect.left});
    for (int r = rect.top; r < rect.bottom; ++r)
        QTest::keyClick(cells(f).edit({rect.top, rect.left}), Qt::Key_Down, Qt::ShiftModifier);
    for (int c = rect.left; c < rect.right; ++c)
        QTest::keyClick(cells(f).edit({rect.top, rect.left}), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(cells(f).selection().rect(), rect);
}

// Answers the next bulk edit's dialog with the number, after checking where it starts and what
// it previews.
void answerDialog(double number, double expectedStart, const QString& expectedPreview) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* field = dialog->findChild<QDoubleSpinBox*>(Control::bulkEditNumber);
        QCOMPARE(field->value(), expectedStart);
        field->setValue(number);
        QCOMPARE(dialog->findChild<QLabel*>(Control::bulkEditPreview)->text(), expectedPreview);
        dialog->accept();
    });
}

} // namespace

class TestMapWorkbenchWindow : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void clickAndDrag();
    void operatingCellOnTop_data();
    void operatingCellOnTop();
    void bulkEdits_data();
    void bulkEdits();
    void dialogRemembersAndCancels();
    void bulkEditPrograms();
    void copyAndPaste();
    void pasteRefusesWords();
    void replayCountsTimePerCell();
    void screenshots();
};

void TestMapWorkbenchWindow::keys_data() {
    QTest::addColumn<bool>("throttleRows");
    QTest::addColumn<QList<QKeyCombination>>("keys"); // typed in the cell (4, 4), or (9, 4)
    QTest::addColumn<MapCell>("focus");
    QTest::addColumn<MapRect>("rect");
    QTest::addColumn<int>("step"); // of the first cell's value

    using Keys = QList<QKeyCombination>;
    const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
    const auto shift = [](Qt::Key key) { return QKeyCombination(Qt::ShiftModifier, key); };
    QTest::newRow("Ctrl+Right") << true << Keys{ctrl(Qt::Key_Right)} << MapCell{4, 5}
                                << rectAt(4, 5, 1, 1) << 0;
    QTest::newRow("Ctrl+Down twice") << true << Keys{ctrl(Qt::Key_Down), ctrl(Qt::Key_Down)}
                                     << MapCell{6, 4} << rectAt(6, 4, 1, 1) << 0;
    QTest::newRow("Ctrl+Up, Ctrl+Left") << true << Keys{ctrl(Qt::Key_Up), ctrl(Qt::Key_Left)}
                                        << MapCell{3, 3} << rectAt(3, 3, 1, 1) << 0;
    QTest::newRow("Shift extends") << true << Keys{shift(Qt::Key_Right), shift(Qt::Key_Down)}
                                   << MapCell{4, 4} << rectAt(4, 4, 2, 2) << 0;
    QTest::newRow("Shift back over the start")
        << true << Keys{shift(Qt::Key_Right), shift(Qt::Key_Left), shift(Qt::Key_Left)}
        << MapCell{4, 4} << rectAt(4, 3, 1, 2) << 0;
    QTest::newRow("Ctrl ends the extension")
        << true << Keys{shift(Qt::Key_Down), ctrl(Qt::Key_Right)} << MapCell{4, 5}
        << rectAt(4, 5, 1, 1) << 0;
    QTest::newRow("Up steps") << true << Keys{QKeyCombination(Qt::Key_Up)} << MapCell{4, 4}
                              << rectAt(4, 4, 1, 1) << 1;
    QTest::newRow("Down steps") << true << Keys{QKeyCombination(Qt::Key_Down)} << MapCell{4, 4}
                                << rectAt(4, 4, 1, 1) << -1;
    QTest::newRow("rows hidden: Ctrl+Up stays")
        << false << Keys{ctrl(Qt::Key_Up)} << MapCell{9, 4} << rectAt(9, 4, 1, 1) << 0;
    QTest::newRow("rows hidden: Shift+Up stays in the row")
        << false << Keys{shift(Qt::Key_Up), shift(Qt::Key_Right)} << MapCell{9, 4}
        << rectAt(9, 4, 1, 2) << 0;
}

void TestMapWorkbenchWindow::keys() {
    QFETCH(bool, throttleRows);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(MapCell, focus);
    QFETCH(MapRect, rect);
    QFETCH(int, step);
    FlowsFixture f;
    openMap(f, throttleRows);
    const MapCell start{throttleRows ? 4 : 9, 4};
    QLineEdit* first = cells(f).edit(start);
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(cells(f).selection().rect(), rectAt(start.row, start.column, 1, 1));

    for (const QKeyCombination key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    QCOMPARE(QApplication::focusWidget(), cells(f).edit(focus));
    QCOMPARE(cells(f).selection().rect(), rect);
    QCOMPARE(int(f.window.document().image().advance(start.row, start.column)), 30 + step);
}

void TestMapWorkbenchWindow::clickAndDrag() {
    FlowsFixture f;
    openMap(f);
    QTest::mouseClick(cells(f).edit({2, 2}), Qt::LeftButton);
    QTest::mouseClick(cells(f).edit({5, 3}), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(cells(f).selection().rect(), rectAt(2, 2, 4, 2));

    QLineEdit* pressed = cells(f).edit({6, 6});
    QTest::mousePress(pressed, Qt::LeftButton);
    const QPoint over = cells(f).edit({7, 8})->geometry().center();
    QMouseEvent drag(QEvent::MouseMove, pressed->mapFrom(pressed->parentWidget(), over),
                     pressed->mapToGlobal(pressed->mapFrom(pressed->parentWidget(), over)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pressed, &drag);
    QTest::mouseRelease(pressed, Qt::LeftButton);
    QCOMPARE(cells(f).selection().rect(), rectAt(6, 6, 2, 3));

    QTest::keyClick(cells(f).edit({6, 6}), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(cells(f).selection().rect(), rectAt(0, 0, 10, 10));
}

void TestMapWorkbenchWindow::operatingCellOnTop_data() {
    QTest::addColumn<CellScale>("scale");
    QTest::newRow("no scale") << CellScale::None;
    QTest::newRow("value scale") << CellScale::Value;
    QTest::newRow("time scale") << CellScale::Time;
}

// The operating cell stays green inside the selection and under either scale; the cells around
// it show the selection's tint, or the scale's colour where one is shown.
void TestMapWorkbenchWindow::operatingCellOnTop() {
    QFETCH(CellScale, scale);
    FlowsFixture f;
    openMap(f);
    // A range for the value scale.
    f.window.change([](ParamImage& image) { image.advance(0, 0) = 5; });
    f.window->findChild<MapWorkbench*>()->setScale(scale);
    const QColor plain = QApplication::palette().color(QPalette::Base);
    const QColor unselected = background(f, {2, 2});
    QCOMPARE(unselected != plain, scale == CellScale::Value);

    std::array<bool, 100> operating{};
    operating[10 * 3 + 3] = true;
    cells(f).setOperatingCell(operating);
    select(f, rectAt(2, 2, 3, 3));
    QCOMPARE(background(f, {3, 3}), kGreen);
    // A plain cell takes the selection's tint; a scale's colour stays, framed.
    const QColor selected = background(f, {2, 2});
    QVERIFY(selected != kGreen && selected != plain);
    QCOMPARE(selected == unselected, scale == CellScale::Value);
    QCOMPARE(background(f, {6, 6}), unselected); // outside the selection
    cells(f).selectCell({3, 3});
    QCOMPARE(background(f, {3, 3}), kGreen);
}

void TestMapWorkbenchWindow::bulkEdits_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("start");  // the dialog's first number
    QTest::addColumn<double>("number"); // typed into the dialog; NaN: no dialog
    QTest::addColumn<QString>("preview");
    QTest::addColumn<int>("cornerAfter"); // the selection's top-left cell, at 10 before
    QTest::addColumn<int>("middleAfter"); // the cell (5, 4), at 30 before

    const double none = qQNaN();
    // The selection is rows 4..6 and columns 3..5, with its top-left corner at 10.
    QTest::newRow("set") << Control::mapSetItem << 30.0 << 40.0 << "9 of 9 cells change" << 40
                         << 40;
    QTest::newRow("add") << Control::mapAddItem << 1.0 << -5.0 << "9 of 9 cells change" << 5 << 25;
    QTest::newRow("scale") << Control::mapScaleItem << 100.0 << 200.0 << "9 of 9 cells change" << 20
                           << 60;
    QTest::newRow("smooth") << Control::mapSmoothItem << 50.0 << 100.0 << "3 of 9 cells change"
                            << 30 << 30;
    QTest::newRow("along speed") << Control::mapAlongSpeedItem << 0.0 << none << QString() << 10
                                 << 30;
    QTest::newRow("along throttle")
        << Control::mapAlongThrottleItem << 0.0 << none << QString() << 10 << 30;
    QTest::newRow("from the corners")
        << Control::mapBilinearItem << 0.0 << none << QString() << 10 << 25;
}

void TestMapWorkbenchWindow::bulkEdits() {
    QFETCH(QString, item);
    QFETCH(double, start);
    QFETCH(double, number);
    QFETCH(QString, preview);
    QFETCH(int, cornerAfter);
    QFETCH(int, middleAfter);
    FlowsFixture f;
    openMap(f);
    f.window.change([](ParamImage& image) { image.advance(4, 3) = 10; });
    select(f, rectAt(4, 3, 3, 3));
    const ParamImage before = f.window.document().image();

    if (!qIsNaN(number))
        answerDialog(number, start, preview);
    f.trigger(qPrintable(item));
    QCOMPARE(int(f.window.document().image().advance(4, 3)), cornerAfter);
    QCOMPARE(int(f.window.document().image().advance(5, 4)), middleAfter);
    // Nothing outside the selection moves.
    QCOMPARE(int(f.window.document().image().advance(3, 3)), 30);
    QCOMPARE(int(f.window.document().image().advance(4, 6)), 30);
    QCOMPARE(f.window.edit(Control::mapCellEdit(4, 3))->text(),
             QString::number(cornerAfter)); // shown

    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);
}

void TestMapWorkbenchWindow::dialogRemembersAndCancels() {
    FlowsFixture f;
    openMap(f);
    select(f, rectAt(0, 0, 2, 2));
    answerDialog(7, 1, "4 of 4 cells change");
    f.trigger(Control::mapAddItem);
    QCOMPARE(int(f.window.document().image().advance(1, 1)), 37);
    const ParamImage before = f.window.document().image();

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QDoubleSpinBox*>(Control::bulkEditNumber)->value(), 7.0);
        dialog->reject();
    });
    f.trigger(Control::mapAddItem);
    QCOMPARE(f.window.document().image(), before);
}

void TestMapWorkbenchWindow::bulkEditPrograms() {
    FlowsFixture f;
    openMap(f);
    f.window.find<QCheckBox>(Control::programAfterChange)->setChecked(true);
    f.window.edits().commitEditedValue(); // arms the rule; nothing changed yet
    QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Idle);
    select(f, rectAt(9, 0, 1, 10));
    f.window->findChild<MapWorkbench*>()->applyEdit(BulkEdit::Set, 12);
    QCOMPARE(f.window.link().engine().state().transferMode(), TransferMode::Program);
}

void TestMapWorkbenchWindow::copyAndPaste() {
    FlowsFixture f;
    openMap(f);
    f.window.change([](ParamImage& image) {
        image.advance(2, 3) = 11;
        image.advance(3, 4) = 44;
    });
    select(f, rectAt(2, 3, 2, 2));
    QTest::keyClick(cells(f).edit({2, 3}), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("11\t30\n30\t44\n"));

    // A spreadsheet's three by three into a two by two selection: five values are left out.
    QGuiApplication::clipboard()->setText("1\t2\t3\t\r\n4\t5\t6\t\r\n7\t8\t9\t\r\n");
    select(f, rectAt(7, 7, 2, 2));
    const ParamImage before = f.window.document().image();
    QTest::keyClick(cells(f).edit({7, 7}), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(int(f.window.document().image().advance(7, 7)), 1);
    QCOMPARE(int(f.window.document().image().advance(8, 8)), 5);
    QCOMPARE(int(f.window.document().image().advance(7, 9)), 30);
    QVERIFY(f.window->statusBar()->currentMessage().startsWith("5 "));
    f.trigger(Control::undoItem);
    QCOMPARE(f.window.document().image(), before);

    // Values outside 0..60 are brought to its ends, and the status bar says how many.
    QGuiApplication::clipboard()->setText("-5\t61\n1e300\t7\n");
    select(f, rectAt(0, 0, 1, 1));
    f.trigger(Control::mapPasteItem);
    QCOMPARE(int(f.window.document().image().advance(0, 0)), 0);
    QCOMPARE(int(f.window.document().image().advance(1, 0)), 60);
    QCOMPARE(f.window->statusBar()->currentMessage(),
             "3 pasted values lay outside 0..60 and were set to the nearer limit.");
    // Left out and brought into range, both in one message.
    QGuiApplication::clipboard()->setText("70\t1\t2\n");
    select(f, rectAt(5, 5, 1, 2));
    f.trigger(Control::mapPasteItem);
    QCOMPARE(f.window->statusBar()->currentMessage(),
             "1 pasted values did not fit the selection and were left out. 1 pasted values lay "
             "outside 0..60 and were set to the nearer limit.");
}

void TestMapWorkbenchWindow::pasteRefusesWords() {
    FlowsFixture f;
    openMap(f);
    QGuiApplication::clipboard()->setText("10\t20\nten\t30\n");
    select(f, rectAt(0, 0, 2, 2));
    const ParamImage before = f.window.document().image();
    const bool couldUndo = f.canUndo();
    f.trigger(Control::mapPasteItem);
    QCOMPARE(f.window.boxes.shown.size(), 1);
    QVERIFY(f.window.boxes.shown[0].contains("line 2, field 1"));
    QCOMPARE(f.window.document().image(), before);
    QCOMPARE(f.canUndo(), couldUndo);
}

// A replayed log counts as the live run did: each of its frames at the cell it found the engine
// at, with the count in that cell's hint.
void TestMapWorkbenchWindow::replayCountsTimePerCell() {
    FlowsFixture f;
    openMap(f);
    QStringList lines{liveCsvHeader(LiveCsvColumns::Recording)};
    const auto frame = [&lines](qint64 timeMs, int rpm, int throttle) {
        LiveRecord record;
        record.timeMs = timeMs;
        record.data.protocolVersion = kProtocolVersion;
        record.data.rpm = std::uint16_t(rpm);
        record.data.tpsPercent = std::uint8_t(throttle);
        lines << liveCsvLine(record, LiveCsvColumns::Recording);
    };
    for (int i = 0; i < 5; ++i)
        frame(55 * i, 3000, 40);
    for (int i = 5; i < 8; ++i)
        frame(55 * i, 6000, 10);
    QTemporaryDir folder;
    const QString path = folder.filePath("ride.csv");
    QFile log(path);
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write((lines.join('\n') + '\n').toUtf8());
    log.close();

    f.trigger(Control::mapColoursByTimeItem);
    LiveReplayDriver& replay = f.window.link().replay();
    QVERIFY(playLog(replay, path));
    QVERIFY(QTest::qWaitFor([&] { return replay.replay()->atEnd(); }, 5000));
    const CellTime& times = f.window.link().cellTime();
    std::uint32_t counted = 0;
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            counted += times.frames(row, column);
    QCOMPARE(counted, 8u);
    QCOMPARE(times.frames(6, 2), 5u); // 40 %, 3000 rpm
    QCOMPARE(times.frames(3, 5), 3u); // 10 %, 6000 rpm
    QVERIFY(cells(f).edit({6, 2})->toolTip().contains("5 frames"));
    replay.stop();
}

// The start-up model's own map, a selection around the operating cell, without and with the value
// scale.
void TestMapWorkbenchWindow::screenshots() {
    const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("VARKO_SCREENSHOT_DIR is not set");
    FlowsFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(&*f.window));
    f.window.link().findChild<QTimer*>(Control::linkTimer)->stop();
    f.pages()->setCurrentIndex(2);
    f.window.showWith([](ParamImage& image) { image.throttleMap() = 1; });
    std::array<bool, 100> operating{};
    operating[10 * 5 + 4] = true;
    cells(f).setOperatingCell(operating);
    select(f, rectAt(3, 2, 4, 4));
    for (const auto& [scale, name] : {std::pair{CellScale::None, "map_selection"},
                                      std::pair{CellScale::Value, "map_value_scale"}}) {
        f.window->findChild<MapWorkbench*>()->setScale(scale);
        QVERIFY(f.window->grab().save(QString("%1/%2.png").arg(dir, name)));
    }
}

QTEST_MAIN(TestMapWorkbenchWindow)
#include "tst_map_workbench_window.moc"
