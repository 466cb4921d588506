// The live-data frame: its byte layout, and what the decoder makes of it for the live column.

#include "CodeNames.h"
#include "link/LiveMonitor.h"
#include "link/MonitorFrame.h"

#include <QLocale>
#include <QTest>
#include <clocale>
#include <initializer_list>
#include <utility>

using namespace varko;

Q_DECLARE_METATYPE(varko::LiveColour)

namespace {

const QString kDegree = QString::fromUtf8("[\u00B0]");

// An image with the fields the decoder reads: Yamaha R6-like geometry, limiter 12000 rpm.
ParamImage testImage(int bike = BikeCode::yamahaR6) {
    ParamImage image;
    image.bike() = static_cast<std::uint8_t>(bike);
    image.lobeCount() = 3;
    image.revsWithoutIgnition() = 2;
    image.limiter() = 120;
    return image;
}

// A quiet, healthy unit: engine stopped, 12.6 V, protocol 75.
MonitorData healthyData() {
    MonitorData d;
    d.supplyMillivolts = 12600;
    d.servoOk = 1;
    d.channelAdvance = {100, 100, 100, 100};
    d.pickupRevs = {255, 255};
    d.protocolVersion = kProtocolVersion;
    return d;
}

DecodedMonitor decode(const MonitorData& d, const ParamImage& image = testImage(),
                      varko::Language language = varko::Language::English) {
    const auto decoded = decodeMonitorFrame(buildMonitorFrame(d), image, language);
    return decoded.value_or(DecodedMonitor{});
}

} // namespace

class TestLiveMonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A desktop with a decimal comma must still see "13.5".
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void frameLayout() {
        // Fields placed at their offsets by hand, little-endian.
        LinkFrame frame;
        const std::initializer_list<std::pair<int, int>> bytes = {
            {0, 0xB0},  {1, 0xB8}, {2, 0x0B},  {3, 0xAE},  {4, 0x01},  {5, 0xBC},  {6, 0x34},
            {7, 0x10},  {8, 0x02}, {9, 0x20},  {10, 0x03}, {11, 0x07}, {12, 0x01}, {13, 1},
            {15, 2},    {27, 8},   {28, 0x80}, {37, 1},    {40, 1},    {41, 45},   {42, 1},
            {44, 3},    {45, 4},   {46, 5},    {47, 6},    {48, 1},    {49, 0},    {50, 110},
            {51, 100},  {52, 95},  {53, 130},  {54, 0},    {56, 20},   {58, 0},    {60, 25},
            {62, 1},    {63, 1},   {64, 1},    {65, 1},    {66, 1},    {67, 1},    {95, 0x9E},
            {96, 0x01}, {99, 1},   {100, 74}};
        for (const auto& [offset, value] : bytes)
            frame.bytes[offset] = std::uint8_t(value);
        const MonitorData d = parseMonitorFrame(frame);
        QCOMPARE(d.rpm, 3000);
        QCOMPARE(d.tpsRaw, 430);
        QCOMPARE(d.supplyMillivolts, 13500);
        QCOMPARE(d.servoMeasuredRaw, 528);
        QCOMPARE(d.servoDesiredRaw, 800);
        QCOMPARE(d.programCount, 263);
        QCOMPARE(d.testValue[0], 1);
        QCOMPARE(d.testValue[1], 2);
        QCOMPARE(d.testValue[7], 0x8008);
        QCOMPARE(d.killSwitch, 1);
        QCOMPARE(d.clutchMaster, 1);
        QCOMPARE(d.tpsPercent, 45);
        QCOMPARE(d.shiftLight, 1);
        QCOMPARE(d.pickupRevs, (std::array<std::uint8_t, 2>{3, 4}));
        QCOMPARE(d.pickupLobes, (std::array<std::uint8_t, 2>{5, 6}));
        QCOMPARE(d.pickupRunning, (std::array<std::uint8_t, 2>{1, 0}));
        QCOMPARE(d.channelAdvance, (std::array<std::uint8_t, 4>{110, 100, 95, 130}));
        QCOMPARE(d.channelMaxAdvance, (std::array<std::uint16_t, 4>{0, 20, 0, 25}));
        QCOMPARE(d.rpmRed + d.motorOff + d.rpmYellow + d.servoOk, 4);
        QCOMPARE(d.input1Grounded + d.input2Grounded, 2);
        QCOMPARE(d.savingCount, 414);
        QCOMPARE(d.dataError, 1);
        QCOMPARE(d.protocolVersion, 74);

        // Building writes the same bytes back, with a valid check byte and zero elsewhere.
        const LinkFrame rebuilt = buildMonitorFrame(d);
        QVERIFY(checkByteValid(rebuilt));
        frame.bytes[kFrameSize - 1] = rebuilt.check();
        QCOMPARE(rebuilt, frame);
    }

    void wrongCheckByteIsIgnored() {
        LinkFrame frame = buildMonitorFrame(healthyData());
        frame.bytes[kFrameSize - 1] ^= 1;
        QVERIFY(!decodeMonitorFrame(frame, testImage(), varko::Language::English));
    }

    void speed_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("limiter");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("yellow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("gauge");
        QTest::addColumn<LiveColour>("colour");
        QTest::newRow("3000 of 12000")
            << 3000 << 120 << 0 << 0 << "RPM = 3000 " << 25 << LiveColour::Normal;
        QTest::newRow("limiter 0 counts as 10000")
            << 3000 << 0 << 0 << 0 << "RPM = 3000 " << 30 << LiveColour::Normal;
        QTest::newRow("above the limiter clamps")
            << 65535 << 10 << 1 << 1 << "RPM = 65535 " << 100 << LiveColour::Red;
        QTest::newRow("yellow") << 11000 << 120 << 0 << 1 << "RPM = 11000 " << 91
                                << LiveColour::Yellow;
    }
    void speed() {
        QFETCH(int, rpm);
        QFETCH(int, limiter);
        QFETCH(int, red);
        QFETCH(int, yellow);
        MonitorData d = healthyData();
        d.rpm = std::uint16_t(rpm);
        d.rpmRed = std::uint8_t(red);
        d.rpmYellow = std::uint8_t(yellow);
        ParamImage image = testImage();
        image.limiter() = std::uint8_t(limiter);
        const DecodedMonitor decoded = decode(d, image);
        QTEST(decoded.display.rpm.text, "text");
        QTEST(decoded.display.rpmGauge, "gauge");
        QTEST(decoded.display.rpm.colour, "colour");
        QCOMPARE(decoded.values.liveRpm, rpm);
    }

    void supply_data() {
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LiveColour>("colour");
        QTest::newRow("13500") << 13500 << "U = 13.5 [V]" << LiveColour::Normal;
        QTest::newRow("14998") << 14998 << "U = 15.0 [V]" << LiveColour::Normal;
        QTest::newRow("14999") << 14999 << "U = 15.0 [V]" << LiveColour::Yellow;
        QTest::newRow("11001") << 11001 << "U = 11.0 [V]" << LiveColour::Normal;
        QTest::newRow("11000") << 11000 << "U = 11.0 [V]" << LiveColour::Yellow;
        QTest::newRow("7001") << 7001 << "U =  7.0 [V]" << LiveColour::Yellow;
        QTest::newRow("7000") << 7000 << "U =  7.0 [V]" << LiveColour::Red;
        QTest::newRow("17998") << 17998 << "U = 18.0 [V]" << LiveColour::Yellow;
        QTest::newRow("17999") << 17999 << "U = 18.0 [V]" << LiveColour::Red;
        QTest::newRow("18000") << 18000 << "U = 18.0 [V]" << LiveColour::Red;
        QTest::newRow("0") << 0 << "U =  0.0 [V]" << LiveColour::Red;
    }
    void supply() {
        QFETCH(int, millivolts);
        MonitorData d = healthyData();
        d.supplyMillivolts = std::uint16_t(millivolts);
        const LiveLabel label = decode(d).display.supplyVoltage;
        QTEST(label.text, "text");
        QTEST(label.colour, "colour");
    }

    void throttle_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("mapUsesThrottle");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("gauge");
        QTest::addColumn<LiveColour>("colour");
        QTest::addColumn<uint>("millivolts");
        QTest::addColumn<int>("plotted"); // -1: no value for the plot
        QTest::newRow("45 %") << 45 << 430 << true << "TP= 45 [%]= 2101 [mV]" << 45
                              << LiveColour::Normal << 2101u << 45;
        QTest::newRow("100 %") << 100 << 1023 << false << "TP= 100 [%]= 5000 [mV]" << 100
                               << LiveColour::Normal << 5000u << 100;
        QTest::newRow("sensor error, map on throttle")
            << 255 << 430 << true << "TP=error = 2101 [mV]" << 0 << LiveColour::Red << 2101u << -1;
        QTest::newRow("sensor error, map on speed only")
            << 101 << 430 << false << "TP=error = 2101 [mV]" << 0 << LiveColour::Normal << 2101u
            << -1;
        // A garbage reading stays far out of range instead of wrapping to 446 mV.
        QTest::newRow("garbage reading") << 255 << 13500 << false << "TP=error = 65982 [mV]" << 0
                                         << LiveColour::Normal << 65982u << -1;
    }
    void throttle() {
        QFETCH(int, percent);
        QFETCH(int, raw);
        QFETCH(bool, mapUsesThrottle);
        MonitorData d = healthyData();
        d.tpsPercent = std::uint8_t(percent);
        d.tpsRaw = std::uint16_t(raw);
        ParamImage image = testImage();
        image.throttleMap() = mapUsesThrottle ? 1 : 0;
        const DecodedMonitor decoded = decode(d, image);
        QTEST(decoded.display.tps.text, "text");
        QTEST(decoded.display.tpsGauge, "gauge");
        QTEST(decoded.display.tps.colour, "colour");
        QCOMPARE(decoded.values.liveTpsPercent, percent);
        QTEST(uint(decoded.values.liveTpsMillivolts), "millivolts");
        QTEST(decoded.reading.tpsPercent.value_or(-1), "plotted");
    }

    void advance_data() {
        QTest::addColumn<int>("bike");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<LiveColour>>("colours");
        QTest::addColumn<QList<int>>("degrees"); // as the plot takes them
        const QString d = kDegree;
        QTest::newRow("special setting: one label per channel")
            << int(kBikeSpecial)
            << QStringList{"Advance 1 = 10 " + d, "Advance 2 = 0 " + d + " /max 20 " + d,
                           "Advance 3 = -5 " + d, "Advance 4 = 30 " + d + " /max 25 " + d}
            << QList<LiveColour>{LiveColour::Normal, LiveColour::Normal, LiveColour::Normal,
                                 LiveColour::Yellow}
            << QList<int>{10, 0, -5, 30};
        QTest::newRow("other model: largest advance, smallest limit")
            << BikeCode::yamahaR6 << QStringList{"Advance = 30 " + d + " /max 20 " + d}
            << QList<LiveColour>{LiveColour::Yellow} << QList<int>{30};
    }
    void advance() {
        QFETCH(int, bike);
        QFETCH(QStringList, texts);
        QFETCH(QList<LiveColour>, colours);
        MonitorData d = healthyData();
        d.channelAdvance = {110, 100, 95, 130};
        d.channelMaxAdvance = {0, 20, 0, 25};
        QFETCH(QList<int>, degrees);
        const DecodedMonitor decoded = decode(d, testImage(bike));
        const LiveDisplay& display = decoded.display;
        QCOMPARE(display.advanceLabels, texts.size());
        QCOMPARE(decoded.reading.channels, texts.size());
        for (int n = 0; n < texts.size(); ++n) {
            QCOMPARE(display.advance[n].text, texts[n]);
            QCOMPARE(display.advance[n].colour, colours[n]);
            QCOMPARE(decoded.reading.advance[n], std::optional<int>(degrees[n]));
        }
    }

    void advanceWithoutLimitsNeverNegative() {
        MonitorData d = healthyData();
        d.channelAdvance = {90, 95, 99, 80};
        QCOMPARE(decode(d).display.advance[0].text, "Advance = 0 " + kDegree);
    }

    void pickupError_data() {
        QTest::addColumn<int>("bike");
        QTest::addColumn<int>("pickup");
        QTest::addColumn<int>("revs");
        QTest::addColumn<int>("lobes");
        QTest::addColumn<bool>("error");
        // The image asks for 2 revolutions of 3 lobes: 6 lobes.
        QTest::newRow("pick-up 1 short of revolutions, too many lobes")
            << BikeCode::yamahaR6 << 0 << 1 << 7 << true;
        QTest::newRow("pick-up 2") << int(kBikeSpecial) << 1 << 1 << 7 << true;
        QTest::newRow("lobes exactly as expected") << BikeCode::yamahaR6 << 0 << 1 << 6 << false;
        QTest::newRow("enough revolutions") << BikeCode::yamahaR6 << 0 << 2 << 200 << false;
    }
    void pickupError() {
        QFETCH(int, bike);
        QFETCH(int, pickup);
        QFETCH(bool, error);
        MonitorData d = healthyData();
        QFETCH(int, revs);
        QFETCH(int, lobes);
        d.pickupRevs[pickup] = std::uint8_t(revs);
        d.pickupLobes[pickup] = std::uint8_t(lobes);
        const DecodedMonitor decoded = decode(d, testImage(bike));
        const LiveDisplay& display = decoded.display;
        for (int n = 0; n < display.advanceLabels; ++n) {
            // The plot draws no advance while the unit cannot measure it.
            QCOMPARE(decoded.reading.advance[n].has_value(), !error);
            const LiveLabel& label = display.advance[n];
            QCOMPARE(label.text.startsWith("Pick up system error"), error);
            QCOMPARE(label.colour, error ? LiveColour::Red : LiveColour::Normal);
            if (error)
                QCOMPARE(label.text.size(), 40);
        }
    }

    void flagsAndCounters() {
        MonitorData d = healthyData();
        d.motorOff = 1;
        d.shiftLight = 1;
        d.pickupRunning = {1, 0};
        d.input1Grounded = 1;
        d.input2Grounded = 1;
        d.clutchMaster = 1;
        d.killSwitch = 1;
        d.servoDesiredRaw = 800;
        d.servoMeasuredRaw = 528;
        d.servoOk = 0;
        d.programCount = 263;
        d.testValue = {0, 1, 2, 3, 4, 5, 6, 65535};
        const LiveDisplay on = decode(d).display;
        QCOMPARE(on.blocking, (LiveLabel{"Motor off - YES", LiveColour::Red}));
        QCOMPARE(on.pilotLight, (LiveLabel{"Gear Shift Light - YES", LiveColour::Yellow}));
        QCOMPARE(on.pickups[0], (LiveLabel{"Pick-up (CKPS) 1 - is running", LiveColour::Lime}));
        QCOMPARE(on.pickups[1], (LiveLabel{"Pick-up (CKPS) 2 - no signal", LiveColour::Normal}));
        QCOMPARE(on.input[0], (LiveLabel{"Input 1: Grounded", LiveColour::Fuchsia}));
        QCOMPARE(on.input[1], (LiveLabel{"Input 2: Grounded", LiveColour::Aqua}));
        QCOMPARE(on.clutch, (LiveLabel{"Clutch master - YES", LiveColour::Lime}));
        QCOMPARE(on.killSwitch, (LiveLabel{"Kill switch - YES", LiveColour::Red}));
        QCOMPARE(on.servoDesired, (LiveLabel{"Servo desired= 3910 [mV]", LiveColour::Red}));
        QCOMPARE(on.servoMeasured, (LiveLabel{"Servo measured= 2580 [mV]", LiveColour::Red}));
        QCOMPARE(on.programCount, "Number of Programing= 263");
        QCOMPARE(on.test[0], "Test1 = 0 ");
        QCOMPARE(on.test[7], "Test8 = 65535 ");

        const LiveDisplay off = decode(healthyData()).display;
        QCOMPARE(off.blocking, (LiveLabel{"Motor off - NO", LiveColour::Normal}));
        QCOMPARE(off.pilotLight, (LiveLabel{"Gear Shift Light - NO", LiveColour::Normal}));
        QCOMPARE(off.input[1], (LiveLabel{"Input 2: Open", LiveColour::Normal}));
        QCOMPARE(off.clutch, (LiveLabel{"Clutch master - NO", LiveColour::Normal}));
        QCOMPARE(off.killSwitch, (LiveLabel{"Kill switch - NO", LiveColour::Normal}));
        QCOMPARE(off.servoDesired.colour, LiveColour::Normal);
    }

    void warnings_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("dataError");
        QTest::addColumn<bool>("versionVisible");
        QTest::addColumn<QString>("versionText");
        QTest::newRow("healthy") << 75 << 0 << false << QString();
        QTest::newRow("data error") << 75 << 1 << false << QString();
        QTest::newRow("version 74")
            << 74 << 0 << true << "Unmatched version of PC and Ignition programs!  PC-75, IGN-74";
    }
    void warnings() {
        MonitorData d = healthyData();
        QFETCH(int, version);
        d.protocolVersion = std::uint8_t(version);
        QFETCH(int, dataError);
        d.dataError = std::uint8_t(dataError);
        const LiveDisplay display = decode(d).display;
        QTEST(display.versionVisible, "versionVisible");
        QTEST(display.versionText, "versionText");
        QCOMPARE(display.dataErrorVisible, dataError != 0);
    }

    void countsArePassedOn() {
        MonitorData d = healthyData();
        d.savingCount = 500;
        d.programCount = 65535;
        QCOMPARE(decode(d).values.unitSavingCount, 500);
        QCOMPARE(decode(d).values.programCount, 65535);
        QCOMPARE(LiveValues{}.programCount, -1); // not known before the first frame
    }

    void textsFollowTheLanguage() {
        MonitorData d = healthyData();
        d.killSwitch = 1;
        const LiveDisplay german = decode(d, testImage(), varko::Language::German).display;
        QCOMPARE(german.killSwitch.text, "Not Aus - JA");
        QCOMPARE(german.advance[0].text, QString::fromUtf8("Vorzündung = 0 ") + kDegree);
    }
};

QTEST_GUILESS_MAIN(TestLiveMonitor)
#include "tst_live_monitor.moc"
