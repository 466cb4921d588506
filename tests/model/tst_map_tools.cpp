// The map and curve tools on the parameter image: which bytes each tool steps, where each stops,
// and which live throttle voltages each calibration end takes. Every row also checks that no
// other byte moved.

#include "PresetImage.h"
#include "model/MapTools.h"

#include <QTest>

#include <optional>
#include <utility>
#include <vector>

using namespace varko;

using ByteValues = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(ByteValues)
Q_DECLARE_METATYPE(ToolStep)

namespace {

constexpr int kNoCell = -1; // the engine runs below the map

int cellByte(int row, int column) {
    return Field::advance + 10 * row + column;
}

ByteValues wholeMap(int value) {
    ByteValues cells;
    for (int offset = Field::advance; offset < kImageSize; ++offset)
        cells.emplace_back(offset, value);
    return cells;
}

ByteValues with(ByteValues values, const ByteValues& later) {
    values.insert(values.end(), later.begin(), later.end());
    return values;
}

void write(ParamImage& image, const ByteValues& values) {
    for (const auto& [offset, value] : values)
        image[offset] = static_cast<std::uint8_t>(value);
}

QString firstDifference(const ParamImage& actual, const ParamImage& expected) {
    for (int i = 0; i < kImageSize; ++i) {
        if (actual[i] != expected[i])
            return QString("byte %1 is %2, expected %3").arg(i).arg(actual[i]).arg(expected[i]);
    }
    return {};
}

// The start-up model's image with the written bytes, and what it should become.
struct Case {
    ParamImage image;
    ParamImage expected;
};

Case caseOf(const ByteValues& written, const ByteValues& changed) {
    Case c{startUpImage(), {}};
    write(c.image, written);
    c.expected = c.image;
    write(c.expected, changed);
    return c;
}

#define COMPARE_IMAGES(actual, expected)                                                           \
    QVERIFY2((actual) == (expected), qPrintable(firstDifference(actual, expected)))

} // namespace

class TestMapTools : public QObject {
    Q_OBJECT
private slots:
    void advance_data();
    void advance();
    void advanceColumn_data();
    void advanceColumn();
    void servo_data();
    void servo();
    void throttleCalibration_data();
    void throttleCalibration();
};

void TestMapTools::advance_data() {
    QTest::addColumn<ByteValues>("written");
    QTest::addColumn<ToolStep>("step");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("row"); // the operating cell; kNoCell below the map
    QTest::addColumn<int>("column");
    QTest::addColumn<ByteValues>("changed");

    const auto up = ToolStep::Up;
    const auto down = ToolStep::Down;
    const int cell = cellByte(4, 6);
    QTest::newRow("below the map, +")
        << ByteValues{} << up << false << kNoCell << 0 << ByteValues{};
    QTest::newRow("below the map, -")
        << ByteValues{{cellByte(0, 0), 20}} << down << false << kNoCell << 0 << ByteValues{};
    QTest::newRow("+ at the cell")
        << ByteValues{{cell, 30}} << up << false << 4 << 6 << ByteValues{{cell, 31}};
    QTest::newRow("- at the cell")
        << ByteValues{{cell, 30}} << down << false << 4 << 6 << ByteValues{{cell, 29}};
    QTest::newRow("+ reaches 60") << ByteValues{{cell, 59}} << up << false << 4 << 6
                                  << ByteValues{{cell, 60}};
    QTest::newRow("+ at 60 stays")
        << ByteValues{{cell, 60}} << up << false << 4 << 6 << ByteValues{};
    QTest::newRow("- reaches 0") << ByteValues{{cell, 1}} << down << false << 4 << 6
                                 << ByteValues{{cell, 0}};
    QTest::newRow("- at 0 stays") << ByteValues{{cell, 0}} << down << false << 4 << 6
                                  << ByteValues{};
    QTest::newRow("first cell") << ByteValues{{cellByte(0, 0), 10}} << up << false << 0 << 0
                                << ByteValues{{cellByte(0, 0), 11}};
    QTest::newRow("last cell") << ByteValues{{cellByte(9, 9), 10}} << down << false << 9 << 9
                               << ByteValues{{cellByte(9, 9), 9}};
    // Row and column are not interchangeable: (2, 7) is byte 127, (7, 2) byte 172.
    QTest::newRow("row before column") << ByteValues{{cellByte(2, 7), 10}, {cellByte(7, 2), 10}}
                                       << up << false << 2 << 7 << ByteValues{{cellByte(2, 7), 11}};

    // A map at 30 with cells at and next to both limits.
    const ByteValues edges = with(
        wholeMap(30),
        {{cellByte(0, 0), 0}, {cellByte(9, 9), 60}, {cellByte(3, 4), 1}, {cellByte(5, 2), 59}});
    QTest::newRow("all +") << edges << up << true << 4 << 6
                           << with(wholeMap(31), {{cellByte(0, 0), 1},
                                                  {cellByte(9, 9), 60},
                                                  {cellByte(3, 4), 2},
                                                  {cellByte(5, 2), 60}});
    QTest::newRow("all -") << edges << down << true << 9 << 9
                           << with(wholeMap(29), {{cellByte(0, 0), 0},
                                                  {cellByte(9, 9), 59},
                                                  {cellByte(3, 4), 0},
                                                  {cellByte(5, 2), 58}});
    QTest::newRow("all below the map")
        << wholeMap(30) << up << true << kNoCell << 0 << wholeMap(31);
    QTest::newRow("all at the limits") << with(wholeMap(60), {{cellByte(1, 1), 0}}) << up << true
                                       << 1 << 1 << ByteValues{{cellByte(1, 1), 1}};
}

void TestMapTools::advance() {
    QFETCH(ByteValues, written);
    QFETCH(ToolStep, step);
    QFETCH(bool, all);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(ByteValues, changed);
    Case c = caseOf(written, changed);
    const auto cell = row == kNoCell ? std::nullopt : std::optional<MapCell>({row, column});
    stepAdvance(c.image, step, all, cell);
    COMPARE_IMAGES(c.image, c.expected);
}

void TestMapTools::advanceColumn_data() {
    QTest::addColumn<ByteValues>("written");
    QTest::addColumn<int>("column");
    QTest::addColumn<ToolStep>("step");
    QTest::addColumn<ByteValues>("changed");

    const auto at = [](int column, int value) {
        ByteValues cells;
        for (int row = 0; row < kBreakpoints; ++row)
            cells.emplace_back(cellByte(row, column), value);
        return cells;
    };
    QTest::newRow("column 3 up") << wholeMap(30) << 3 << ToolStep::Up << at(3, 31);
    QTest::newRow("column 3 down, limits")
        << with(wholeMap(30), {{cellByte(0, 3), 0}, {cellByte(6, 3), 60}, {cellByte(6, 4), 0}}) << 3
        << ToolStep::Down << with(at(3, 29), {{cellByte(0, 3), 0}, {cellByte(6, 3), 59}});
    QTest::newRow("column 3 up, limits")
        << with(wholeMap(59), {{cellByte(2, 3), 60}, {cellByte(9, 3), 0}}) << 3 << ToolStep::Up
        << with(at(3, 60), {{cellByte(9, 3), 1}});
    QTest::newRow("first column") << wholeMap(30) << 0 << ToolStep::Up << at(0, 31);
    QTest::newRow("last column") << wholeMap(30) << 9 << ToolStep::Down << at(9, 29);
}

void TestMapTools::advanceColumn() {
    QFETCH(ByteValues, written);
    QFETCH(int, column);
    QFETCH(ToolStep, step);
    QFETCH(ByteValues, changed);
    Case c = caseOf(written, changed);
    stepAdvanceColumn(c.image, column, step);
    COMPARE_IMAGES(c.image, c.expected);
}

void TestMapTools::servo_data() {
    QTest::addColumn<ByteValues>("written");
    QTest::addColumn<ToolStep>("step");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("point"); // the operating point
    QTest::addColumn<ByteValues>("changed");

    const auto curve = [](std::initializer_list<int> values) {
        ByteValues points;
        int offset = Field::servoMv;
        for (int v : values)
            points.emplace_back(offset++, v);
        return points;
    };
    const int point = Field::servoMv + 6;
    QTest::newRow("+ at the point")
        << ByteValues{{point, 100}} << ToolStep::Up << false << 6 << ByteValues{{point, 101}};
    QTest::newRow("- at the point")
        << ByteValues{{point, 100}} << ToolStep::Down << false << 6 << ByteValues{{point, 99}};
    QTest::newRow("+ reaches 249")
        << ByteValues{{point, 248}} << ToolStep::Up << false << 6 << ByteValues{{point, 249}};
    QTest::newRow("+ at 249 stays")
        << ByteValues{{point, 249}} << ToolStep::Up << false << 6 << ByteValues{};
    QTest::newRow("+ at 250 stays")
        << ByteValues{{point, 250}} << ToolStep::Up << false << 6 << ByteValues{};
    QTest::newRow("- reaches 1") << ByteValues{{point, 2}} << ToolStep::Down << false << 6
                                 << ByteValues{{point, 1}};
    QTest::newRow("- at 1 stays") << ByteValues{{point, 1}} << ToolStep::Down << false << 6
                                  << ByteValues{};
    QTest::newRow("- at 0 stays") << ByteValues{{point, 0}} << ToolStep::Down << false << 6
                                  << ByteValues{};
    QTest::newRow("first point") << curve({50, 60}) << ToolStep::Up << false << 0
                                 << ByteValues{{Field::servoMv, 51}};
    QTest::newRow("last point") << curve({50, 60, 70, 80, 90, 100, 110, 120, 130, 140})
                                << ToolStep::Down << false << 9
                                << ByteValues{{Field::servoMv + 9, 139}};
    const ByteValues edges = curve({1, 2, 100, 248, 249, 250, 0, 120, 130, 140});
    QTest::newRow("all +") << edges << ToolStep::Up << true << 3
                           << curve({2, 3, 101, 249, 249, 250, 1, 121, 131, 141});
    QTest::newRow("all -") << edges << ToolStep::Down << true << 0
                           << curve({1, 1, 99, 247, 248, 249, 0, 119, 129, 139});
}

void TestMapTools::servo() {
    QFETCH(ByteValues, written);
    QFETCH(ToolStep, step);
    QFETCH(bool, all);
    QFETCH(int, point);
    QFETCH(ByteValues, changed);
    Case c = caseOf(written, changed);
    stepServo(c.image, step, all, point);
    COMPARE_IMAGES(c.image, c.expected);
}

void TestMapTools::throttleCalibration_data() {
    QTest::addColumn<bool>("hundredPercent");
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("stored"); // -1: the image stays as it is

    QTest::newRow("0 %, 0 mV (no live data yet)") << false << 0 << -1;
    QTest::newRow("0 %, 99 mV") << false << 99 << -1;
    QTest::newRow("0 %, 100 mV") << false << 100 << 10;
    QTest::newRow("0 %, 509 mV truncates") << false << 509 << 50;
    QTest::newRow("0 %, 2500 mV") << false << 2500 << 250;
    QTest::newRow("0 %, 2501 mV") << false << 2501 << -1;
    QTest::newRow("0 %, 65536 mV") << false << 65536 << -1;
    QTest::newRow("100 %, 2499 mV") << true << 2499 << -1;
    QTest::newRow("100 %, 2500 mV") << true << 2500 << 0;
    QTest::newRow("100 %, 3338 mV truncates") << true << 3338 << 83;
    QTest::newRow("100 %, 4900 mV") << true << 4900 << 240;
    QTest::newRow("100 %, 4901 mV") << true << 4901 << -1;
    QTest::newRow("100 %, 5000 mV") << true << 5000 << -1;
}

void TestMapTools::throttleCalibration() {
    QFETCH(bool, hundredPercent);
    QFETCH(int, millivolts);
    QFETCH(int, stored);
    const int field = hundredPercent ? Field::tps100 : Field::tps0;
    // Away from every value a row stores, so a store of the wrong end or value shows.
    Case c = caseOf({{Field::tps0, 77}, {Field::tps100, 77}},
                    stored < 0 ? ByteValues{} : ByteValues{{field, stored}});
    const auto take = hundredPercent ? takeTps100 : takeTps0;
    QCOMPARE(take(c.image, std::uint32_t(millivolts)), stored >= 0);
    COMPARE_IMAGES(c.image, c.expected);
}

QTEST_APPLESS_MAIN(TestMapTools)
#include "tst_map_tools.moc"
