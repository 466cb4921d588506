// The advance map's workbench without the window: bulk edits on small known rectangles, the
// selection's moves at the map's edges, and the map as spreadsheet text both ways.

#include "PresetImage.h"
#include "model/MapBulkEdits.h"
#include "model/MapClipboardText.h"
#include "model/MapSelection.h"

#include <QTest>

using namespace varko;

using Grid = QList<QList<int>>;
Q_DECLARE_METATYPE(BulkEdit)
Q_DECLARE_METATYPE(MapRect)

namespace {

constexpr int kBackground = 30;

// A map of 30s whose speed breakpoints are the given ones (in 100 rpm), or 1000..10000 rpm evenly.
ParamImage mapImage(const QList<int>& speeds = {}) {
    ParamImage image = startUpImage();
    for (int i = 0; i < kBreakpoints; ++i)
        image[Field::rpmAdv + i] = std::uint8_t(i < speeds.size() ? speeds[i] : 10 * (i + 1));
    for (int offset = Field::advance; offset < Field::advance + 100; ++offset)
        image[offset] = kBackground;
    return image;
}

void writeGrid(ParamImage& image, int top, int left, const Grid& grid) {
    for (int r = 0; r < grid.size(); ++r)
        for (int c = 0; c < grid[r].size(); ++c)
            image.advance(top + r, left + c) = std::uint8_t(grid[r][c]);
}

QString firstDifference(const ParamImage& actual, const ParamImage& expected) {
    for (int row = 0; row < kBreakpoints; ++row)
        for (int column = 0; column < kBreakpoints; ++column)
            if (actual.advance(row, column) != expected.advance(row, column))
                return QString("cell (%1, %2) is %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(actual.advance(row, column))
                    .arg(expected.advance(row, column));
    return actual == expected ? QString() : QStringLiteral("a byte outside the map moved");
}

#define COMPARE_MAPS(actual, expected)                                                             \
    QVERIFY2((actual) == (expected), qPrintable(firstDifference(actual, expected)))

MapRect rectAt(int top, int left, int rows, int columns) {
    return {top, left, top + rows - 1, left + columns - 1};
}

} // namespace

class TestMapWorkbench : public QObject {
    Q_OBJECT
private slots:
    void bulkEdit_data();
    void bulkEdit();
    void selectionMoves_data();
    void selectionMoves();
    void copiedText();
    void parsePasted_data();
    void parsePasted();
    void pasteFits_data();
    void pasteFits();
    void spreadsheetRoundTrip();
};

void TestMapWorkbench::bulkEdit_data() {
    QTest::addColumn<QList<int>>("speeds"); // empty: even breakpoints
    QTest::addColumn<MapRect>("rect");
    QTest::addColumn<Grid>("before"); // written at the rect's top-left
    QTest::addColumn<BulkEdit>("edit");
    QTest::addColumn<double>("number");
    QTest::addColumn<Grid>("after");
    QTest::addColumn<int>("changed");

    const QList<int> even;
    // Speeds 1000, 2000, 4000 rpm for the first three columns: column 1 is a third of the way.
    const QList<int> uneven{10, 20, 40, 50, 60, 70, 80, 90, 100, 110};
    const MapRect square = rectAt(3, 3, 2, 2);
    QTest::newRow("set") << even << square << Grid{{10, 20}, {30, 40}} << BulkEdit::Set << 25.0
                         << Grid{{25, 25}, {25, 25}} << 4;
    QTest::newRow("set rounds") << even << square << Grid{} << BulkEdit::Set << 25.5
                                << Grid{{26, 26}, {26, 26}} << 4;
    QTest::newRow("set above 60") << even << square << Grid{} << BulkEdit::Set << 75.0
                                  << Grid{{60, 60}, {60, 60}} << 4;
    QTest::newRow("set below 0") << even << square << Grid{{0, 5}} << BulkEdit::Set << -5.0
                                 << Grid{{0, 0}, {0, 0}} << 3;
    QTest::newRow("add to the limit") << even << square << Grid{{58, 30}, {10, 60}} << BulkEdit::Add
                                      << 5.0 << Grid{{60, 35}, {15, 60}} << 3;
    QTest::newRow("subtract to 0") << even << rectAt(0, 0, 1, 2) << Grid{{5, 20}} << BulkEdit::Add
                                   << -12.0 << Grid{{0, 8}} << 2;
    QTest::newRow("scale") << even << rectAt(9, 8, 1, 2) << Grid{{50, 10}} << BulkEdit::Scale
                           << 110.0 << Grid{{55, 11}} << 2;
    QTest::newRow("scale to the limit") << even << rectAt(9, 8, 1, 2) << Grid{{50, 0}}
                                        << BulkEdit::Scale << 150.0 << Grid{{60, 0}} << 1;
    QTest::newRow("scale by 0 %") << even << rectAt(9, 8, 1, 2) << Grid{{50, 1}} << BulkEdit::Scale
                                  << 0.0 << Grid{{0, 0}} << 2;
    QTest::newRow("along speed") << even << rectAt(2, 0, 1, 5) << Grid{{10, 0, 0, 0, 30}}
                                 << BulkEdit::InterpolateSpeed << 0.0 << Grid{{10, 15, 20, 25, 30}}
                                 << 3;
    QTest::newRow("along speed, by rpm")
        << uneven << rectAt(2, 0, 1, 3) << Grid{{0, 0, 30}} << BulkEdit::InterpolateSpeed << 0.0
        << Grid{{0, 10, 30}} << 1;
    QTest::newRow("along speed, each row its own")
        << even << rectAt(0, 0, 2, 3) << Grid{{0, 0, 20}, {40, 0, 0}} << BulkEdit::InterpolateSpeed
        << 0.0 << Grid{{0, 10, 20}, {40, 20, 0}} << 2;
    QTest::newRow("along speed, one column")
        << even << rectAt(2, 4, 3, 1) << Grid{{1}, {2}, {3}} << BulkEdit::InterpolateSpeed << 0.0
        << Grid{{1}, {2}, {3}} << 0;
    // Rows 3..5 are 10, 20 and 30 %; rows 0..2 are 0, 2 and 5 %.
    QTest::newRow("along throttle")
        << even << rectAt(3, 7, 3, 1) << Grid{{10}, {0}, {30}} << BulkEdit::InterpolateThrottle
        << 0.0 << Grid{{10}, {20}, {30}} << 1;
    QTest::newRow("along throttle, by percent")
        << even << rectAt(0, 7, 3, 1) << Grid{{0}, {0}, {50}} << BulkEdit::InterpolateThrottle
        << 0.0 << Grid{{0}, {20}, {50}} << 1;
    QTest::newRow("bilinear") << even << rectAt(3, 0, 3, 3)
                              << Grid{{0, 0, 20}, {0, 0, 0}, {40, 0, 60}}
                              << BulkEdit::InterpolateBoth << 0.0
                              << Grid{{0, 10, 20}, {20, 30, 40}, {40, 50, 60}} << 5;
    QTest::newRow("bilinear, corners stay")
        << even << rectAt(8, 8, 2, 2) << Grid{{5, 7}, {11, 13}} << BulkEdit::InterpolateBoth << 0.0
        << Grid{{5, 7}, {11, 13}} << 0;
    QTest::newRow("smooth fully, edges") << even << rectAt(6, 2, 1, 3) << Grid{{0, 30, 0}}
                                         << BulkEdit::Smooth << 100.0 << Grid{{30, 0, 30}} << 3;
    QTest::newRow("smooth half, a spike")
        << even << rectAt(0, 0, 3, 3) << Grid{{0, 0, 0}, {0, 40, 0}, {0, 0, 0}} << BulkEdit::Smooth
        << 50.0 << Grid{{0, 7, 0}, {7, 20, 7}, {0, 7, 0}} << 5;
    QTest::newRow("smooth one cell")
        << even << rectAt(5, 5, 1, 1) << Grid{{44}} << BulkEdit::Smooth << 100.0 << Grid{{44}} << 0;
}

void TestMapWorkbench::bulkEdit() {
    QFETCH(QList<int>, speeds);
    QFETCH(MapRect, rect);
    QFETCH(Grid, before);
    QFETCH(BulkEdit, edit);
    QFETCH(double, number);
    QFETCH(Grid, after);
    QFETCH(int, changed);

    ParamImage image = mapImage(speeds);
    writeGrid(image, rect.top, rect.left, before);
    ParamImage expected = image;
    writeGrid(expected, rect.top, rect.left, after);

    QCOMPARE(cellsChangedBy(image, rect, edit, number), changed);
    QCOMPARE(applyBulkEdit(image, rect, edit, number), changed);
    COMPARE_MAPS(image, expected);
}

void TestMapWorkbench::selectionMoves_data() {
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QList<QPoint>>("moves"); // x columns, y rows
    QTest::addColumn<QList<QPoint>>("extensions");
    QTest::addColumn<MapRect>("rect");

    // Every selection starts at the cell (4, 4).
    using Moves = QList<QPoint>;
    QTest::newRow("move right") << 0 << Moves{{1, 0}} << Moves{} << rectAt(4, 5, 1, 1);
    QTest::newRow("move up twice") << 0 << Moves{{0, -1}, {0, -1}} << Moves{} << rectAt(2, 4, 1, 1);
    QTest::newRow("stops at the right edge") << 0 << Moves{{9, 0}} << Moves{} << rectAt(4, 9, 1, 1);
    QTest::newRow("stops at the top") << 0 << Moves{{0, -9}} << Moves{} << rectAt(0, 4, 1, 1);
    QTest::newRow("extend down right")
        << 0 << Moves{} << Moves{{1, 0}, {0, 1}, {1, 0}} << rectAt(4, 4, 2, 3);
    QTest::newRow("extend up left") << 0 << Moves{} << Moves{{-2, -1}} << rectAt(3, 2, 2, 3);
    QTest::newRow("extend past the corner")
        << 0 << Moves{} << Moves{{-9, -9}} << rectAt(0, 0, 5, 5);
    QTest::newRow("a move ends the extension")
        << 0 << Moves{{1, 0}} << Moves{{2, 2}} << rectAt(4, 5, 1, 1);
    // The throttle rows are hidden: only row 9 is there.
    QTest::newRow("rows hidden") << 9 << Moves{} << Moves{{0, -3}, {2, 0}} << rectAt(9, 4, 1, 3);
    QTest::newRow("rows hidden, move up") << 9 << Moves{{0, -1}} << Moves{} << rectAt(9, 4, 1, 1);
}

void TestMapWorkbench::selectionMoves() {
    QFETCH(int, firstRow);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QList<QPoint>, extensions);
    QFETCH(MapRect, rect);

    MapSelection selection;
    selection.selectCell({4, 4});
    selection.setFirstRow(firstRow);
    // Extensions come first, so a later move shows it drops them.
    for (const QPoint& step : extensions)
        selection.extendBy(step.y(), step.x());
    for (const QPoint& step : moves)
        selection.moveBy(step.y(), step.x());
    QCOMPARE(selection.rect(), rect);
}

void TestMapWorkbench::copiedText() {
    ParamImage image = mapImage();
    writeGrid(image, 8, 7, {{1, 2, 3}, {40, 50, 60}});
    QCOMPARE(mapCellsText(image, rectAt(8, 7, 2, 3)), QStringLiteral("1\t2\t3\n40\t50\t60\n"));
}

void TestMapWorkbench::parsePasted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Grid>("grid");        // empty: refused
    QTest::addColumn<QPoint>("refusedAt"); // x field, y line

    const QPoint none;
    QTest::newRow("LF") << "10\t20\n30\t40\n" << Grid{{10, 20}, {30, 40}} << none;
    QTest::newRow("CR LF, trailing tabs") << "10\t20\t\r\n30\t40\t\r\n"
                                          << Grid{{10, 20}, {30, 40}} << none;
    QTest::newRow("no last line end") << "10\t20\r\n30\t40" << Grid{{10, 20}, {30, 40}} << none;
    QTest::newRow("empty lines at the end") << "7\r\n\r\n\r\n" << Grid{{7}} << none;
    QTest::newRow("decimals and blanks") << " 12,6 \t7.4\n" << Grid{{13, 7}} << none;
    QTest::newRow("outside 0..60") << "70\t-3\n" << Grid{{60, 0}} << none;
    QTest::newRow("ragged rows") << "1\t2\t3\n4\n" << Grid{{1, 2, 3}, {4}} << none;
    QTest::newRow("a word") << "10\t20\n30\tabc\n" << Grid{} << QPoint(2, 2);
    QTest::newRow("an empty field") << "10\t\t20\n" << Grid{} << QPoint(2, 1);
    QTest::newRow("an empty line between") << "10\n\n20\n" << Grid{} << QPoint(1, 2);
    QTest::newRow("not a finite number") << "10\tnan\ninf\n" << Grid{} << QPoint(2, 1);
    QTest::newRow("a degree sign") << "10\xC2\xB0\n" << Grid{} << QPoint(1, 1);
    QTest::newRow("nothing") << "" << Grid{} << QPoint(1, 1);
    QTest::newRow("only line ends") << "\r\n\r\n" << Grid{} << QPoint(1, 1);
}

void TestMapWorkbench::parsePasted() {
    QFETCH(QString, text);
    QFETCH(Grid, grid);
    QFETCH(QPoint, refusedAt);

    const ParsedPaste parsed = parsePastedText(text);
    if (grid.isEmpty()) {
        QVERIFY(!parsed.grid);
        QCOMPARE(QPoint(parsed.refusal.field, parsed.refusal.line), refusedAt);
        return;
    }
    QVERIFY(parsed.grid);
    Grid actual;
    for (const auto& row : parsed.grid->rows) {
        QList<int> degrees;
        for (const PastedValue& value : row)
            degrees << value.degrees;
        actual.append(degrees);
    }
    QCOMPARE(actual, grid);
}

void TestMapWorkbench::pasteFits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<MapRect>("target");
    QTest::addColumn<Grid>("after"); // at the target's top-left
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("dropped");
    QTest::addColumn<int>("broughtIntoRange"); // of the written ones

    const QString threeByThree = "1\t2\t3\n4\t5\t6\n7\t8\t9\n";
    QTest::newRow("one cell: the map's edge cuts")
        << threeByThree << rectAt(8, 8, 1, 1) << Grid{{1, 2}, {4, 5}} << 4 << 5 << 0;
    QTest::newRow("one cell: all fits") << threeByThree << rectAt(0, 0, 1, 1)
                                        << Grid{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}} << 9 << 0 << 0;
    QTest::newRow("a smaller selection cuts")
        << threeByThree << rectAt(2, 2, 2, 2) << Grid{{1, 2, 30}, {4, 5, 30}, {30, 30, 30}} << 4
        << 5 << 0;
    QTest::newRow("a larger selection keeps the rest")
        << "1\t2\n3\t4\n"
        << rectAt(5, 5, 3, 3) << Grid{{1, 2, 30}, {3, 4, 30}, {30, 30, 30}} << 4 << 0 << 0;
    QTest::newRow("ragged rows") << "1\t2\t3\n4\n"
                                 << rectAt(0, 0, 2, 2) << Grid{{1, 2, 30}, {4, 30}} << 3 << 1 << 0;
    QTest::newRow("outside 0..60")
        << "-5\t61\t1e300\n60,4\t-0,4\t-0,5\n"
        << rectAt(0, 0, 2, 3) << Grid{{0, 60, 60}, {60, 0, 0}} << 6 << 0 << 4;
    QTest::newRow("outside 0..60, left out")
        << "10\t-5\n70\t20\n"
        << rectAt(4, 4, 2, 1) << Grid{{10, 30}, {60, 30}} << 2 << 2 << 1;
}

void TestMapWorkbench::pasteFits() {
    QFETCH(QString, text);
    QFETCH(MapRect, target);
    QFETCH(Grid, after);
    QFETCH(int, written);
    QFETCH(int, dropped);
    QFETCH(int, broughtIntoRange);

    const ParsedPaste parsed = parsePastedText(text);
    QVERIFY(parsed.grid);
    ParamImage image = mapImage();
    ParamImage expected = image;
    writeGrid(expected, target.top, target.left, after);
    const PasteResult result = pasteGrid(image, *parsed.grid, target);
    QCOMPARE(result.written, written);
    QCOMPARE(result.dropped, dropped);
    QCOMPARE(result.broughtIntoRange, broughtIntoRange);
    COMPARE_MAPS(image, expected);
}

// A map copied out, taken through a Windows spreadsheet (CR LF, a tab ending every line) and
// pasted back elsewhere gives the same cells there.
void TestMapWorkbench::spreadsheetRoundTrip() {
    ParamImage image = mapImage();
    for (int row = 0; row < kBreakpoints; ++row)
        for (int column = 0; column < kBreakpoints; ++column)
            image.advance(row, column) = std::uint8_t((row * 7 + column * 3) % 61);
    QString text = mapCellsText(image, rectAt(0, 0, 4, 5));
    text.replace("\n", "\t\r\n");

    const ParsedPaste parsed = parsePastedText(text);
    QVERIFY(parsed.grid);
    ParamImage pasted = image;
    const PasteResult result = pasteGrid(pasted, *parsed.grid, rectAt(6, 5, 1, 1));
    QCOMPARE(result.written, 20);
    QCOMPARE(result.dropped, 0);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column)
            QCOMPARE(pasted.advance(6 + row, 5 + column), image.advance(row, column));
}

QTEST_APPLESS_MAIN(TestMapWorkbench)
#include "tst_map_workbench.moc"
