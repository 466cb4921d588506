#include "model/ParamImage.h"
#include "model/Presets.h"

#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::FieldScale)

class TestParamImage : public QObject {
    Q_OBJECT

private slots:
    void rangeEndsRoundTrip_data();
    void rangeEndsRoundTrip();
    void encodeTruncatesAndWraps_data();
    void encodeTruncatesAndWraps();
    void ignitionsPerRevPositions_data();
    void ignitionsPerRevPositions();
    void bikeCodesAndListPositions();
    void blocksSplitAtTheMap();
};

// Both ends of every scaled field's kept range: the value encodes to the byte and back.
void TestParamImage::rangeEndsRoundTrip_data() {
    QTest::addColumn<FieldScale>("scale");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");

    QTest::newRow("pilotLight 1000 rpm") << Scale::rpm << 1000 << 10;
    QTest::newRow("pilotLight 25000 rpm") << Scale::rpm << 25000 << 250;
    QTest::newRow("limiter 900 rpm") << Scale::rpm << 900 << 9;
    QTest::newRow("rpmAdv[0] 300 rpm") << Scale::rpm << 300 << 3;
    QTest::newRow("rpmAdv[9] 20000 rpm") << Scale::rpm << 20000 << 200;
    QTest::newRow("servoMv 20 mV") << Scale::servoMv << 20 << 1;
    QTest::newRow("servoMv 5000 mV") << Scale::servoMv << 5000 << 250;
    QTest::newRow("servoHyster 0 mV") << Scale::servoHyster << 0 << 0;
    QTest::newRow("servoHyster 1275 mV") << Scale::servoHyster << 1275 << 255;
    QTest::newRow("tps0 250 mV") << Scale::tens << 250 << 25;
    QTest::newRow("tps0 2500 mV") << Scale::tens << 2500 << 250;
    QTest::newRow("clutch 0 ms") << Scale::tens << 0 << 0;
    QTest::newRow("clutch 2500 ms") << Scale::tens << 2500 << 250;
    QTest::newRow("tps100 2500 mV") << Scale::tps100 << 2500 << 0;
    QTest::newRow("tps100 4750 mV") << Scale::tps100 << 4750 << 225;
    QTest::newRow("tachoCorrection -60 %") << Scale::tachoCorrection << -60 << 40;
    QTest::newRow("tachoCorrection 0 %") << Scale::tachoCorrection << 0 << 100;
    QTest::newRow("tachoCorrection +60 %") << Scale::tachoCorrection << 60 << 160;
    QTest::newRow("degrees 0") << Scale::unit << 0 << 0;
    QTest::newRow("degrees 60") << Scale::unit << 60 << 60;
}

void TestParamImage::rangeEndsRoundTrip() {
    QFETCH(FieldScale, scale);
    QFETCH(int, value);
    QFETCH(int, byte);
    QCOMPARE(int(scale.encode(value)), byte);
    QCOMPARE(scale.decode(static_cast<std::uint8_t>(byte)), value);
}

void TestParamImage::encodeTruncatesAndWraps_data() {
    QTest::addColumn<FieldScale>("scale");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");

    QTest::newRow("1299 rpm rounds down") << Scale::rpm << 1299 << 12;
    QTest::newRow("99 rpm is zero") << Scale::rpm << 99 << 0;
    QTest::newRow("25600 rpm keeps low 8 bits") << Scale::rpm << 25600 << 0;
    QTest::newRow("servoMv 39 mV") << Scale::servoMv << 39 << 1;
    QTest::newRow("servoHyster 9 mV") << Scale::servoHyster << 9 << 1;
    QTest::newRow("tps100 4759 mV") << Scale::tps100 << 4759 << 225;
    QTest::newRow("tps100 5050 mV") << Scale::tps100 << 5050 << 255;
    QTest::newRow("tps100 below 2500 mV wraps") << Scale::tps100 << 2490 << 255;
    QTest::newRow("tachoCorrection -100 %") << Scale::tachoCorrection << -100 << 0;
    QTest::newRow("tachoCorrection +156 % wraps") << Scale::tachoCorrection << 156 << 0;
}

void TestParamImage::encodeTruncatesAndWraps() {
    QFETCH(FieldScale, scale);
    QFETCH(int, value);
    QFETCH(int, byte);
    QCOMPARE(int(scale.encode(value)), byte);
}

void TestParamImage::ignitionsPerRevPositions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("byte");
    QTest::newRow("1 ignition per revolution") << 0 << 1;
    QTest::newRow("2 ignitions per revolution") << 1 << 2;
    QTest::newRow("3 ignitions per revolution") << 2 << 3;
    QTest::newRow("1 ignition per 2 revolutions (camshaft)") << 3 << 0;
}

void TestParamImage::ignitionsPerRevPositions() {
    QFETCH(int, position);
    QFETCH(int, byte);
    QCOMPARE(int(ignitionsPerRevFromPosition(position)), byte);
    QCOMPARE(positionOfIgnitionsPerRev(static_cast<std::uint8_t>(byte)), position);
}

void TestParamImage::bikeCodesAndListPositions() {
    QCOMPARE(bikeListPosition(kBikeSpecial), 32);
    QCOMPARE(int(BikeCodeTable[0]), 32);
    QCOMPARE(bikeListPosition(20), 29); // the start-up model "Yamaha R6"
    QCOMPARE(QString(BikeListTexts[29]), QString("Yamaha R6"));
    QCOMPARE(bikeListPosition(33), -1);
    QCOMPARE(bikeListPosition(255), -1);
    // One-to-one: every code 0..32 has exactly one position, and the two directions agree.
    for (int position = 0; position < kBikeListSize; ++position)
        QCOMPARE(bikeListPosition(BikeCodeTable[position]), position);
    for (int code = 0; code < kBikeListSize; ++code)
        QVERIFY2(bikeListPosition(static_cast<std::uint8_t>(code)) >= 0,
                 qPrintable(QString("code %1 has no list entry").arg(code)));
}

void TestParamImage::blocksSplitAtTheMap() {
    ParamImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i);
    QCOMPARE(int(image.block(1).back()), Field::rpmAdv + 9);
    QCOMPARE(int(image.block(2).front()), Field::advance);
    QCOMPARE(&image.block(2)[90], &image.advance(9, 0));
    QCOMPARE(int(image.advance(9, 3)), 193);
    image.block(2)[0] = 77;
    QCOMPARE(int(image.advance(0, 0)), 77);
}

QTEST_GUILESS_MAIN(TestParamImage)
#include "tst_param_image.moc"
