#include "CodeNames.h"
#include "model/Normalize.h"
#include "model/Presets.h"

#include <QStringList>
#include <QTest>

#include <set>

using namespace varko;

namespace {

// One model's writes as the model sheet lists them: "sync lobes outputs pulses in1" ("-" for
// not written), four channel pairs "max/start" or "-", the flag bytes set to 1, and further
// "byte=value" writes.
struct SheetRow {
    int code;
    const char* geometry;
    const char* channels;
    const char* flags;
    const char* other;
};

// clang-format off
const SheetRow kSheet[] = {
    {0,  "1 3 2 2 2",  "1/1 2/2 - -",       "42 43",                   ""},
    {1,  "4 7 2 2 1",  "2/3 6/7 - -",       "42 43",                   ""},
    {2,  "3 9 2 2 2",  "1/3 7/9 - -",       "42 43",                   "56=1"},
    {3,  "3 9 2 2 2",  "6/7 8/9 - -",       "",                        ""},
    {4,  "4 7 2 4 1",  "4/5 6/7 - -",       "",                        ""},
    {5,  "4 7 2 2 1",  "1/2 5/6 - -",       "38 39 42 43 47 51",       ""},
    {6,  "4 7 2 2 1",  "3/4 4/5 - -",       "42 43",                   ""},
    {7,  "0 1 2 1 1",  "1/1 1/1 1/1 1/1",   "42 43 44 45 47 48 51 52", ""},
    {8,  "3 4 2 1 1",  "1/2 3/4 - -",       "",                        ""},
    {9,  "2 6 2 1 1",  "1/2 4/5 - -",       "",                        ""},
    {10, "2 6 2 1 1",  "2/3 5/6 - -",       "",                        ""},
    {11, "2 4 2 1 1",  "4/1 2/3 - -",       "",                        ""},
    {12, "2 4 2 1 1",  "4/1 1/2 - -",       "",                        ""},
    {13, "3 4 2 1 1",  "2/3 3/4 - -",       "",                        ""},
    {14, "2 4 2 1 1",  "3/4 2/3 - -",       "",                        ""},
    {15, "2 4 2 2 2",  "3/4 4/1 - -",       "",                        ""},
    {16, "3 2 2 2 2",  "1/1 2/2 - -",       "42 43",                   ""},
    {17, "4 2 2 2 1",  "2/1 1/2 - -",       "39 42 43 47 50 51",       ""},
    {18, "2 8 2 2 2",  "3/4 7/8 - -",       "",                        ""},
    {19, "2 4 2 2 2",  "3/4 1/2 - -",       "",                        "16=1"},
    {20, "1 5 2 2 2",  "1/2 3/4 - -",       "38 39 42 43",             "15=0"},
    {21, "2 4 2 1 1",  "4/1 2/3 - -",       "",                        ""},
    {22, "- - - - -",  "- - - -",           "",                        ""},
    {23, "1 4 3 1 1",  "1/1 2/2 3/3 -",     "42 43 44",                "15=0"},
    {24, "4 11 4 2 2", "4/5 7/8 10/11 1/2", "",                        ""},
    {25, "1 7 4 2 2",  "1/2 2/3 4/5 5/6",   "38 39 40 41 42 43 44 45", ""},
    {26, "5 7 3 1 1",  "2/3 4/5 6/1 -",     "",                        "15=0"},
    {27, "2 4 4 2 2",  "4/1 2/3 2/3 4/1",   "",                        "15=0"},
    {28, "0 1 2 1 1",  "1/1 1/1 1/1 1/1",   "42 43 44 45 47 48 51 52", "5=2"},
    {29, "0 1 1 1 1",  "1/1 1/1 1/1 1/1",   "42 43 44 45 47 48 51 52", "5=3"},
    {30, "0 1 2 1 1",  "1/1 1/1 1/1 1/1",   "42 43 44 45 47 48 51 52", "5=0"},
    {31, "7 2 2 2 1",  "1/1 2/2 - -",       "42 43",                   "5=0 6=1"},
    {32, "8 46 2 2 -", "18/23 36/41 - -",   "38 39 42 43",             "5=0"},
};
// clang-format on

QStringList wordsOf(const char* text) {
    return QString(text).split(' ', Qt::SkipEmptyParts);
}

void writeRun(ParamImage& image, int firstByte, std::initializer_list<int> values) {
    for (int v : values)
        image[firstByte++] = static_cast<std::uint8_t>(v);
}

// The common defaults as the model sheet states them, onto whatever the image held.
void writeExpectedDefaults(ParamImage& image) {
    const std::pair<int, int> singles[] = {
        {1, 0},   {5, 1},   {6, 0},   {7, 90},  {8, 0},    {9, 10}, {10, 1},  {12, 100}, {13, 110},
        {15, 1},  {16, 0},  {17, 20}, {20, 70}, {21, 129}, {22, 0}, {23, 11}, {24, 11},  {25, 11},
        {26, 11}, {27, 10}, {28, 50}, {54, 0},  {55, 0},   {56, 0}, {57, 0},  {58, 0}};
    for (const auto& [offset, value] : singles)
        image[offset] = static_cast<std::uint8_t>(value);
    if (image.bike() != kBikeSpecial)
        writeRun(image, 38, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    if (image.bike() == 19) {
        writeRun(image, 70, {3, 4, 41, 46, 65, 70, 75, 83, 90, 105});
        writeRun(image, 80, {30, 45, 45, 61, 61, 64, 68, 80, 93, 93});
    } else {
        writeRun(image, 70, {12, 20, 30, 40, 60, 80, 100, 120, 140, 160});
        writeRun(image, 80, {100, 105, 110, 115, 120, 125, 130, 135, 140, 145});
    }
    writeRun(image, 90, {15, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    for (int i = 0; i < 100; ++i)
        image[100 + i] = DefaultAdvanceMap[i];
}

void writeSheetRow(ParamImage& image, const SheetRow& row) {
    const int geometryBytes[] = {2, 3, 4, 11, 54};
    const QStringList geometry = wordsOf(row.geometry);
    for (int k = 0; k < 5; ++k) {
        if (geometry[k] != "-")
            image[geometryBytes[k]] = static_cast<std::uint8_t>(geometry[k].toInt());
    }
    const QStringList channels = wordsOf(row.channels);
    for (int n = 0; n < 4; ++n) {
        if (channels[n] == "-")
            continue;
        image[30 + n] = static_cast<std::uint8_t>(channels[n].section('/', 0, 0).toInt());
        image[34 + n] = static_cast<std::uint8_t>(channels[n].section('/', 1, 1).toInt());
    }
    for (const QString& flag : wordsOf(row.flags))
        image[flag.toInt()] = 1;
    for (const QString& write : wordsOf(row.other))
        image[write.section('=', 0, 0).toInt()] =
            static_cast<std::uint8_t>(write.section('=', 1, 1).toInt());
}

ParamImage withPreset(ParamImage image, int code, bool listChanged = false) {
    image.bike() = static_cast<std::uint8_t>(code);
    applyBikePreset(image, listChanged);
    return image;
}

std::set<int> differingBytes(const ParamImage& a, const ParamImage& b) {
    std::set<int> differing;
    for (int i = 0; i < kImageSize; ++i) {
        if (a[i] != b[i])
            differing.insert(i);
    }
    return differing;
}

QString describeDifference(const ParamImage& actual, const ParamImage& expected) {
    QStringList lines;
    for (int i : differingBytes(actual, expected))
        lines << QString("byte %1 is %2, expected %3").arg(i).arg(actual[i]).arg(expected[i]);
    return lines.join("; ");
}

ParamImage withMarks(ParamImage image) {
    // Values no preset and no default writes, to see what a call leaves alone.
    writeRun(image, 14, {201});
    writeRun(image, 18, {202, 203});
    writeRun(image, 29, {204});
    writeRun(image, 59, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    return image;
}

} // namespace

class TestPresets : public QObject {
    Q_OBJECT

private slots:
    void everyCodeFromZero_data();
    void everyCodeFromZero();
    void channelsNotNamedKeepOldValues();
    void classicVariantsFollowCode7_data();
    void classicVariantsFollowCode7();
    void gsxAndXt600eDifferOnlyInCode();
    void r1ServoCurveComesAndGoes();
    void specialFromTheListKeepsEverything();
    void newWithSpecialKeepsGeometry();
    void modelFromTheListIsAFullPreset();
    void codeAboveTheListGetsDefaultsOnly();
    void defaultMapRowsAndColumns();
};

void TestPresets::everyCodeFromZero_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kSheet)); ++i)
        QTest::addRow("code %d", kSheet[i].code) << i;
}

void TestPresets::everyCodeFromZero() {
    QFETCH(int, row);
    const SheetRow& sheet = kSheet[row];
    ParamImage expected;
    expected.bike() = static_cast<std::uint8_t>(sheet.code);
    writeExpectedDefaults(expected);
    writeSheetRow(expected, sheet);

    ParamImage image;
    image.bike() = static_cast<std::uint8_t>(sheet.code);
    bool listChanged = false;
    applyBikePreset(image, listChanged);
    QVERIFY2(image == expected, qPrintable(describeDifference(image, expected)));
    QVERIFY(!listChanged);
}

void TestPresets::channelsNotNamedKeepOldValues() {
    const ParamImage vfr = withPreset(withMarks(ParamImage{}), BikeCode::hondaVfr750);
    ParamImage gsx = withPreset(vfr, BikeCode::suzukiGsx);
    QCOMPARE(QList<int>({gsx[32], gsx[33], gsx[36], gsx[37]}), QList<int>({10, 1, 11, 2}));
    QCOMPARE(QList<int>({gsx[30], gsx[31], gsx[34], gsx[35]}), QList<int>({4, 2, 1, 3}));
    QCOMPARE(int(gsx[14]), 201);
    QCOMPARE(int(gsx[69]), 11);

    WindowSettings settings;
    normalize(gsx, settings);
    QCOMPARE(QList<int>({gsx[32], gsx[33], gsx[36], gsx[37]}), QList<int>({4, 1, 4, 2}));
}

void TestPresets::classicVariantsFollowCode7_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("differing");
    QTest::addColumn<int>("geberMode");
    QTest::addColumn<int>("outputs");
    QTest::newRow("28, 2 lobes per revolution") << 28 << QList<int>{0, 5} << 2 << 2;
    QTest::newRow("29, 3 lobes per revolution") << 29 << QList<int>{0, 4, 5} << 3 << 1;
    QTest::newRow("30, camshaft") << 30 << QList<int>{0, 5} << 0 << 2;
}

void TestPresets::classicVariantsFollowCode7() {
    QFETCH(int, code);
    QFETCH(QList<int>, differing);
    // Start from a model with other geometry, so a variant missing part of code 7 shows.
    const ParamImage before = withPreset(ParamImage{}, BikeCode::hondaVfr750);
    const ParamImage classic = withPreset(before, BikeCode::classic);
    const ParamImage variant = withPreset(before, code);
    const std::set<int> actual = differingBytes(classic, variant);
    QCOMPARE(QList<int>(actual.begin(), actual.end()), differing);
    QTEST(int(variant.ignitionsPerRev()), "geberMode");
    QTEST(int(variant.channelCount()), "outputs");
}

void TestPresets::gsxAndXt600eDifferOnlyInCode() {
    const ParamImage before = withPreset(withMarks(ParamImage{}), BikeCode::yamahaXvz1300);
    const std::set<int> differing = differingBytes(withPreset(before, BikeCode::suzukiGsx),
                                                   withPreset(before, BikeCode::yamahaXt600e));
    QCOMPARE(QList<int>(differing.begin(), differing.end()), QList<int>{Field::bike});
}

void TestPresets::r1ServoCurveComesAndGoes() {
    const ParamImage r1 = withPreset(ParamImage{}, BikeCode::yamahaR1);
    QCOMPARE(int(r1.servoEnable()), 1);
    QCOMPARE(int(r1.servoRpm(2)), 41);
    QCOMPARE(int(r1.servoMv(9)), 93);

    const ParamImage next = withPreset(r1, BikeCode::suzukiSv650);
    QCOMPARE(int(next.servoEnable()), 0);
    const ParamImage plain = withPreset(ParamImage{}, BikeCode::suzukiSv650);
    for (int i = 0; i < kBreakpoints; ++i) {
        QCOMPARE(next.servoRpm(i), plain.servoRpm(i));
        QCOMPARE(next.servoMv(i), plain.servoMv(i));
    }
}

void TestPresets::specialFromTheListKeepsEverything() {
    ParamImage vfr = withPreset(withMarks(ParamImage{}), BikeCode::hondaVfr750);
    vfr.advance(3, 3) = 60;
    vfr.limiter() = 150;
    vfr.maxAdvPickup2(2) = 1;
    vfr.noReading() = 1;

    bool listChanged = true;
    ParamImage special = vfr;
    special.bike() = kBikeSpecial;
    applyBikePreset(special, listChanged);
    QVERIFY(!listChanged);
    const std::set<int> differing = differingBytes(vfr, special);
    QCOMPARE(QList<int>(differing.begin(), differing.end()), QList<int>{Field::bike});
}

void TestPresets::newWithSpecialKeepsGeometry() {
    ParamImage edited = withPreset(withMarks(ParamImage{}), BikeCode::hondaVfr750);
    edited.bike() = kBikeSpecial;
    edited.limiter() = 150;
    edited.advance(9, 9) = 60;
    edited.servoRpm(0) = 9;
    edited.input1() = 1;
    edited.input2() = 4;
    edited.tachoPulses() = 5;
    edited.maxAdvEdge2(1) = 1;
    edited.startAdvPickup2(3) = 1;
    edited.noReading() = 1;

    ParamImage expected = edited;
    writeExpectedDefaults(expected);
    const ParamImage renewed = withPreset(edited, kBikeSpecial, false);
    QVERIFY2(renewed == expected, qPrintable(describeDifference(renewed, expected)));
    QCOMPARE(int(renewed.limiter()), 110);
    QCOMPARE(int(renewed.tachoPulses()), 5);
    QCOMPARE(int(renewed.maxAdvEdge2(1)), 1);
    QCOMPARE(int(renewed.startAdvPickup2(3)), 1);
    QCOMPARE(int(renewed.lobeCount()), 11);
}

void TestPresets::modelFromTheListIsAFullPreset() {
    const ParamImage special =
        withPreset(withPreset(ParamImage{}, BikeCode::hondaVfr750), kBikeSpecial, true);
    QCOMPARE(withPreset(special, BikeCode::yamahaR6, true),
             withPreset(special, BikeCode::yamahaR6, false));
}

void TestPresets::codeAboveTheListGetsDefaultsOnly() {
    // A model whose preset sets many edge flags.
    ParamImage before = withPreset(withMarks(ParamImage{}), BikeCode::yamahaXvz1300);
    before.limiter() = 150;
    ParamImage expected = before;
    expected.bike() = 33;
    writeExpectedDefaults(expected);
    for (int code : {33, 255}) {
        expected.bike() = static_cast<std::uint8_t>(code);
        const ParamImage image = withPreset(before, code);
        QVERIFY2(image == expected, qPrintable(describeDifference(image, expected)));
    }
}

void TestPresets::defaultMapRowsAndColumns() {
    // Row 0 rises to 33, column 0 is 10 throughout: a transposed map would fail both.
    QCOMPARE(int(DefaultAdvanceMap[9]), 33);
    QCOMPARE(int(DefaultAdvanceMap[90]), 10);
    QCOMPARE(int(DefaultAdvanceMap[1]), 13);
    QCOMPARE(int(DefaultAdvanceMap[10]), 10);
    QCOMPARE(int(DefaultAdvanceMap[35]), 47);
    QCOMPARE(int(DefaultAdvanceMap[49]), 31);
    QCOMPARE(int(DefaultAdvanceMap[68]), 33);
}

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
