// The display rules as decisions, from the controls' state, the image and the window modes.

#include "CodeNames.h"
#include "model/DisplayRules.h"
#include "model/Presets.h"

#include <QtTest>

using namespace varko;

class TestDisplayRules : public QObject {
    Q_OBJECT
private slots:
    void geometryEditableOnlyForSpecialSetting_data();
    void geometryEditableOnlyForSpecialSetting();
    void channelGroupsFollowCountAndHarley();
    void throttleMapOff();
    void servoAndInputs_data();
    void servoAndInputs();
    void printingAndColours();
    void compensationOnlyInTestMode();
};

namespace {

struct Setup {
    FormState state;
    ParamImage image;
};

Setup makeSetup(int bikePosition, int synchro) {
    Setup s;
    s.state.bikePosition = bikePosition;
    s.state.synchroPosition = synchro;
    s.image.bike() = BikeCodeTable[bikePosition];
    s.image.synchroMethod() = static_cast<std::uint8_t>(synchro);
    s.image.channelCount() = 2;
    return s;
}

// The start-up model with the method of its preset.
Setup startUpSetup() {
    return makeSetup(BikePosition::yamahaR6, Synchro::insertedLobe);
}

UiDecisions decide(const Setup& s, WindowModes modes = {}) {
    return displayDecisions(s.state, s.image, modes);
}

} // namespace

void TestDisplayRules::geometryEditableOnlyForSpecialSetting_data() {
    QTest::addColumn<int>("bikePosition");
    QTest::addColumn<int>("synchro");
    QTest::addColumn<bool>("special");
    QTest::addColumn<bool>("lobeEdits");
    QTest::addColumn<bool>("channelChecks");
    QTest::addColumn<bool>("lobeCountUpDown");
    QTest::addColumn<bool>("channelCountUpDown");
    QTest::addColumn<bool>("lobeUpDowns");
    QTest::addColumn<bool>("noLobeCheck");
    QTest::addColumn<bool>("pickup2");
    QTest::addColumn<bool>("invInput2");
    QTest::newRow("a model, method 1")
        << BikePosition::yamahaR6 << Synchro::insertedLobe << false << false << false << false
        << false << false << false << false << false;
    QTest::newRow("special, method 1")
        << BikePosition::special << Synchro::insertedLobe << true << true << true << true << true
        << true << false << false << false;
    QTest::newRow("special, syn0") << BikePosition::special << Synchro::singleLobe << true << false
                                   << true << false << true << false << true << true << true;
    QTest::newRow("special, syn4") << BikePosition::special << Synchro::twoPickups << true << true
                                   << true << true << true << true << false << true << true;
    QTest::newRow("special, syn6") << BikePosition::special << Synchro::cam << true << true << true
                                   << true << true << true << false << false << true;
    QTest::newRow("special, syn7") << BikePosition::special << Synchro::harley << true << true
                                   << true << false << false << true << false << false << false;
    QTest::newRow("special, syn8") << BikePosition::special << Synchro::moreLobes << true << true
                                   << false << true << true << true << false << false << false;
}

void TestDisplayRules::geometryEditableOnlyForSpecialSetting() {
    QFETCH(int, bikePosition);
    QFETCH(int, synchro);
    const UiDecisions d = decide(makeSetup(bikePosition, synchro));
    QTEST(d.specialEnabled, "special");
    QTEST(d.lobeEditsEnabled, "lobeEdits");
    QTEST(d.channelChecksEnabled, "channelChecks");
    QTEST(d.lobeCountUpDownShown, "lobeCountUpDown");
    QTEST(d.channelCountUpDownShown, "channelCountUpDown");
    QTEST(d.lobeUpDownsShown, "lobeUpDowns");
    QTEST(d.noLobeCheckShown, "noLobeCheck");
    QTEST(d.pickup2ChecksShown, "pickup2");
    QTEST(d.invInput2Shown, "invInput2");
    QCOMPARE(d.monPickup2Shown, d.invInput2Shown);
}

void TestDisplayRules::channelGroupsFollowCountAndHarley() {
    Setup s = makeSetup(BikePosition::special, Synchro::insertedLobe);
    UiDecisions d = decide(s);
    QCOMPARE(d.channelGroupShown, (std::array<bool, 4>{true, true, false, false}));
    QCOMPARE(d.advanceLabelShown, (std::array<bool, 4>{true, true, false, false}));

    s.image.channelCount() = 0;
    QCOMPARE(decide(s).channelGroupShown, (std::array<bool, 4>{true, false, false, false}));

    Setup model = startUpSetup();
    model.image.channelCount() = 4;
    d = decide(model);
    QCOMPARE(d.channelGroupShown, (std::array<bool, 4>{true, true, true, true}));
    QCOMPARE(d.advanceLabelShown, (std::array<bool, 4>{true, false, false, false}));

    Setup harley = makeSetup(BikePosition::harley, Synchro::harley);
    QCOMPARE(decide(harley).channelGroupShown, (std::array<bool, 4>{}));
}

void TestDisplayRules::throttleMapOff() {
    Setup s = startUpSetup();
    UiDecisions d = decide(s);
    QVERIFY(!d.mapRowsShown);
    QVERIFY(!d.mapUpDownsShown);
    QVERIFY(!d.tpsMonEnabled);
    QCOMPARE(d.row9AlignRow, 0);

    s.state.checks[Check::throttleMap] = true;
    d = decide(s);
    QVERIFY(d.mapRowsShown);
    QVERIFY(d.mapUpDownsShown);
    QVERIFY(d.tpsMonEnabled);
    QCOMPARE(d.row9AlignRow, 9);
    QVERIFY(!decide(s, {.printing = true}).mapUpDownsShown);
}

void TestDisplayRules::servoAndInputs_data() {
    QTest::addColumn<int>("input1");
    QTest::addColumn<int>("input2");
    QTest::addColumn<bool>("neutral");
    QTest::addColumn<bool>("kill");
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<bool>("clutch");
    QTest::addColumn<bool>("radiosEnabled");
    QTest::newRow("all off") << 0 << 0 << false << false << false << false << true;
    QTest::newRow("kill on input 2") << 0 << 1 << false << true << false << false << true;
    QTest::newRow("blocking on input 1") << 2 << 0 << false << false << true << false << true;
    QTest::newRow("clutch master") << 0 << 3 << false << false << false << true << true;
    QTest::newRow("clutch master inverse") << 1 << 4 << false << true << false << true << true;
    QTest::newRow("neutral and stand") << 0 << 0 << true << false << true << false << false;
}

void TestDisplayRules::servoAndInputs() {
    QFETCH(int, input1);
    QFETCH(int, input2);
    QFETCH(bool, neutral);
    Setup s = startUpSetup();
    s.image.input1() = static_cast<std::uint8_t>(input1);
    s.image.input2() = static_cast<std::uint8_t>(input2);
    s.state.checks[Check::neutralStandInputs] = neutral;
    const UiDecisions d = decide(s);
    QTEST(d.killEnabled, "kill");
    QTEST(d.blockingEnabled, "blocking");
    QTEST(d.clutchEnabled, "clutch");
    QTEST(d.clutchUpDownsShown, "clutch");
    QTEST(d.inputGroupsEnabled, "radiosEnabled");
    QVERIFY(!d.servoShown);
    s.image.servoEnable() = 1;
    QVERIFY(decide(s).servoShown);
}

void TestDisplayRules::printingAndColours() {
    Setup s = startUpSetup();
    s.image.input2() = InputFunction::clutchMaster;
    UiDecisions d = decide(s);
    QVERIFY(!d.whiteBackground);
    QVERIFY(d.notPrinting);
    QVERIFY(!d.noReadingRed);
    QVERIFY(!d.progAfterChangeRed);

    s.image.noReading() = 1;
    d = decide(s, {.printing = true, .progAfterChange = true});
    QVERIFY(d.whiteBackground);
    QVERIFY(!d.notPrinting);
    QVERIFY(!d.clutchUpDownsShown);
    QVERIFY(d.clutchEnabled);
    QVERIFY(d.noReadingRed);
    QVERIFY(d.progAfterChangeRed);
}

void TestDisplayRules::compensationOnlyInTestMode() {
    const Setup s = startUpSetup();
    QVERIFY(!decide(s).compensationShown);
    QVERIFY(decide(s, {.testEnable = true}).compensationShown);
}

QTEST_APPLESS_MAIN(TestDisplayRules)
#include "tst_display_rules.moc"
