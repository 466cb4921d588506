// The copy between the parameter image and what the window's controls hold, without widgets.

#include "CodeNames.h"
#include "Controls.h"
#include "PresetImage.h"
#include "model/FormMapping.h"
#include "model/Normalize.h"
#include "model/Presets.h"

#include <QSet>
#include <QtTest>

using namespace varko;

class TestFormMapping : public QObject {
    Q_OBJECT
private slots:
    void pairTableNamesAndBytesAreDistinct();
    void pairEndsSurviveShowAndCollect_data();
    void pairEndsSurviveShowAndCollect();
    void valuesOutsideARangeShowAsTheBound_data();
    void valuesOutsideARangeShowAsTheBound();
    void unknownModelKeepsTheListWhereItWas();
    void listCodesBeyondTheirLists();
    void methodEightTicksTheSecondEdgeBoxes();
    void lobeCheckOnlyForSpecialSingleLobe_data();
    void lobeCheckOnlyForSpecialSingleLobe();
    void compensationFollowsTestMode();
    void reservedBytesAreNotTouched();
    void presetImageSurvivesTheRoundTrip();
    void typedText_data();
    void typedText();
};

namespace {

int pairIndex(const QString& editName) {
    for (int p = 0; p < kPairCount; ++p) {
        if (pairTable()[p].editName == editName) {
            return p;
        }
    }
    return -1;
}

} // namespace

void TestFormMapping::pairTableNamesAndBytesAreDistinct() {
    QSet<QString> names;
    QSet<int> offsets;
    for (const PairSpec& pair : pairTable()) {
        names << pair.upDownName << pair.editName;
        offsets << pair.offset;
        QVERIFY(pair.min < pair.max);
        QCOMPARE(pair.grouping, pair.offset < Field::advance);
    }
    QCOMPARE(names.size(), 2 * kPairCount);
    QCOMPARE(offsets.size(), kPairCount);
    QCOMPARE(pairTable()[Pair::advance + 99].editName, Control::mapCellEdit(99));
    QCOMPARE(pairTable()[Pair::startAdvLobe + 3].upDownName, Control::startAdvanceLobeUpDown(4));
}

void TestFormMapping::pairEndsSurviveShowAndCollect_data() {
    QTest::addColumn<int>("pair");
    QTest::addColumn<int>("end");
    for (int p = 0; p < kPairCount; ++p) {
        const PairSpec& spec = pairTable()[p];
        for (int end : {spec.min, spec.max}) {
            QTest::addRow("%s %d", qPrintable(spec.editName), end) << p << end;
        }
    }
}

// Each end of a pair, stored as its byte, shows as that end (or, for an end below the step
// grid such as 999 rpm, as the same encoded byte) and collects back to the same byte.
void TestFormMapping::pairEndsSurviveShowAndCollect() {
    QFETCH(int, pair);
    QFETCH(int, end);
    const PairSpec& spec = pairTable()[pair];
    ParamImage image = startUpImage();
    image.synchroMethod() = Synchro::missingLobe; // keeps lobe numbers and flags as they are
    image.lobeCount() = 58;
    image[spec.offset] = spec.scale.encode(end);
    const ParamImage before = image;

    FormState state;
    showImageToState(image, state);
    QCOMPARE(spec.scale.encode(state.pairs[pair]), spec.scale.encode(end));
    collectImageFromState(state, image, true);
    QCOMPARE(image[spec.offset], before[spec.offset]);
}

void TestFormMapping::valuesOutsideARangeShowAsTheBound_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("collected");
    QTest::newRow("limiter 9 shows the minimum 999") << Control::limiterEdit << 9 << 999 << 9;
    QTest::newRow("limiter 0") << Control::limiterEdit << 0 << 999 << 9;
    QTest::newRow("tps100 250 shows 4750") << Control::tps100Edit << 250 << 4750 << 225;
    QTest::newRow("tps100 0 shows 2500") << Control::tps100Edit << 0 << 2500 << 0;
    QTest::newRow("correction 100 is 0 %") << Control::tachoCorrectionEdit << 100 << 0 << 100;
    QTest::newRow("correction 20 below -60 %") << Control::tachoCorrectionEdit << 20 << -60 << 40;
    QTest::newRow("hysteresis 255 shows 1275")
        << Control::servoHysteresisEdit << 255 << 1275 << 255;
    QTest::newRow("pilot light 10 shows 1000") << Control::pilotLightEdit << 10 << 1000 << 10;
    QTest::newRow("channel count 0 shows 1") << Control::channelCountEdit << 0 << 1 << 1;
    QTest::newRow("map cell 200 shows 60") << Control::mapCellEdit(7) << 200 << 60 << 60;
    QTest::newRow("first speed 1 shows 199") << Control::speedBreakpointEdit(1) << 1 << 199 << 1;
}

void TestFormMapping::valuesOutsideARangeShowAsTheBound() {
    QFETCH(QString, edit);
    QFETCH(int, byte);
    QFETCH(int, shown);
    QFETCH(int, collected);
    const int pair = pairIndex(edit);
    QVERIFY(pair >= 0);
    ParamImage image = startUpImage();
    image[pairTable()[pair].offset] = static_cast<std::uint8_t>(byte);
    FormState state;
    showImageToState(image, state);
    QCOMPARE(state.pairs[pair], shown);
    collectImageFromState(state, image, false);
    QCOMPARE(int(image[pairTable()[pair].offset]), collected);
}

void TestFormMapping::unknownModelKeepsTheListWhereItWas() {
    ParamImage image = startUpImage();
    FormState state;
    showImageToState(image, state);
    QCOMPARE(state.bikePosition, BikePosition::yamahaR6);
    image.bike() = BikeCode::unlisted;
    showImageToState(image, state);
    QCOMPARE(state.bikePosition, BikePosition::yamahaR6);
    collectImageFromState(state, image, false);
    QCOMPARE(int(image.bike()), BikeCode::yamahaR6);

    // With nothing shown before, the code stays as it is.
    ParamImage fresh = startUpImage();
    fresh.bike() = BikeCode::unlisted;
    roundTripThroughControls(fresh, false);
    QCOMPARE(int(fresh.bike()), BikeCode::unlisted);
}

void TestFormMapping::listCodesBeyondTheirLists() {
    ParamImage image = startUpImage();
    image.synchroMethod() = 12;
    image.input1() = 7;
    image.input2() = 9;
    image.ignitionsPerRev() = 0;
    FormState state;
    showImageToState(image, state);
    QCOMPARE(state.synchroPosition, -1);
    QCOMPARE(state.input1Position, 2);
    QCOMPARE(state.input2Position, 4);
    QCOMPARE(state.ignitionsPerRevPosition, 3);
    collectImageFromState(state, image, false);
    QCOMPARE(int(image.synchroMethod()), 255);
    QCOMPARE(int(image.input1()), 2);
    QCOMPARE(int(image.input2()), 4);
    QCOMPARE(int(image.ignitionsPerRev()), 0);
}

void TestFormMapping::methodEightTicksTheSecondEdgeBoxes() {
    ParamImage image = startUpImage();
    image.synchroMethod() = Synchro::moreLobes;
    for (int n = 0; n < kChannels; ++n) {
        image.maxAdvEdge2(n) = 0;
        image.startAdvEdge2(n) = 0;
    }
    const ParamImage shown = image;
    FormState state;
    showImageToState(image, state);
    QCOMPARE(image, shown);
    for (int n = 0; n < kChannels; ++n) {
        QVERIFY(state.checks[Check::maxAdvEdge2 + n]);
        QVERIFY(state.checks[Check::startAdvEdge2 + n]);
    }
    collectImageFromState(state, image, false);
    for (int n = 0; n < kChannels; ++n) {
        QCOMPARE(int(image.maxAdvEdge2(n)), 1);
        QCOMPARE(int(image.startAdvEdge2(n)), 1);
    }
}

void TestFormMapping::lobeCheckOnlyForSpecialSingleLobe_data() {
    QTest::addColumn<int>("bike");
    QTest::addColumn<int>("synchro");
    QTest::addColumn<bool>("kept");
    QTest::newRow("special, method 0") << int(kBikeSpecial) << Synchro::singleLobe << true;
    QTest::newRow("special, method 3") << int(kBikeSpecial) << Synchro::missingLobe << false;
    QTest::newRow("a model, method 0") << BikeCode::classic << Synchro::singleLobe << false;
}

void TestFormMapping::lobeCheckOnlyForSpecialSingleLobe() {
    QFETCH(int, bike);
    QFETCH(int, synchro);
    QFETCH(bool, kept);
    ParamImage image = startUpImage();
    image.bike() = static_cast<std::uint8_t>(bike);
    image.synchroMethod() = static_cast<std::uint8_t>(synchro);
    image.noLobeCheck() = 1;
    FormState state;
    showImageToState(image, state);
    QVERIFY(state.checks[Check::noLobeCheck]);
    collectImageFromState(state, image, false);
    QCOMPARE(int(image.noLobeCheck()), kept ? 1 : 0);
    QCOMPARE(state.checks[Check::noLobeCheck], kept);
}

void TestFormMapping::compensationFollowsTestMode() {
    ParamImage image = startUpImage();
    for (int n = 0; n < kChannels; ++n) {
        image.compensation(n) = static_cast<std::uint8_t>(30 + n);
    }
    ParamImage testMode = image;
    roundTripThroughControls(testMode, true);
    roundTripThroughControls(image, false);
    for (int n = 0; n < kChannels; ++n) {
        QCOMPARE(int(testMode.compensation(n)), 30 + n);
        QCOMPARE(int(image.compensation(n)), 11);
    }
}

void TestFormMapping::reservedBytesAreNotTouched() {
    ParamImage image = startUpImage();
    for (int reserved : {14, 18, 19, 29, 59, 64, 69}) {
        image[reserved] = static_cast<std::uint8_t>(200 + reserved % 50);
    }
    const ParamImage before = image;
    roundTripThroughControls(image, false);
    for (int reserved : {14, 18, 19, 29, 59, 64, 69}) {
        QCOMPARE(image[reserved], before[reserved]);
    }
}

void TestFormMapping::presetImageSurvivesTheRoundTrip() {
    // The special setting has no preset of its own, so its geometry is whatever came before.
    for (int position = 0; position < BikePosition::special; ++position) {
        ParamImage image = presetImage(BikeCodeTable[position]);
        WindowSettings settings;
        normalize(image, settings);
        ParamImage expected = image;
        if (image.synchroMethod() == Synchro::moreLobes) {
            for (int n = 0; n < kChannels; ++n) {
                expected.maxAdvEdge2(n) = expected.startAdvEdge2(n) = 1;
            }
        }
        roundTripThroughControls(image, false);
        QVERIFY2(image == expected, qPrintable(QString("list position %1").arg(position)));
    }
}

void TestFormMapping::typedText_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("accepted"); // -1: rejected
    QTest::newRow("plain") << Control::limiterEdit << "1234"
                           << "," << 1234;
    QTest::newRow("grouped") << Control::limiterEdit << "12,345"
                             << "," << 12345;
    QTest::newRow("blank groups, blank locale") << Control::limiterEdit << "15 000"
                                                << " " << 15000;
    QTest::newRow("blank groups, comma locale") << Control::limiterEdit << "15 000"
                                                << "," << -1;
    QTest::newRow("surrounding blanks") << Control::limiterEdit << " 1200 "
                                        << "," << 1200;
    QTest::newRow("plus sign") << Control::baseAdvanceEdit << "+5"
                               << "," << 5;
    QTest::newRow("negative within range") << Control::tachoCorrectionEdit << "-60"
                                           << "," << -60;
    QTest::newRow("not a number") << Control::limiterEdit << "12a"
                                  << "," << -1;
    QTest::newRow("empty") << Control::limiterEdit << ""
                           << "," << -1;
    QTest::newRow("sign only") << Control::limiterEdit << "-"
                               << "," << -1;
    QTest::newRow("above max") << Control::baseAdvanceEdit << "70"
                               << "," << -1;
    QTest::newRow("below min") << Control::revsWithoutIgnitionEdit << "-5"
                               << "," << -1;
    QTest::newRow("wraps in 16 bits") << Control::limiterEdit << "90535"
                                      << "," << -1;
    QTest::newRow("wraps in 32 bits") << Control::limiterEdit << "4294968296"
                                      << "," << -1;
    QTest::newRow("huge") << Control::limiterEdit << "123456789012345678901234567890"
                          << "," << -1;
    QTest::newRow("decimal point") << Control::limiterEdit << "1200.5"
                                   << "," << -1;
}

void TestFormMapping::typedText() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(int, accepted);
    const std::optional<int> value = parsePairText(text, separator, pairTable()[pairIndex(edit)]);
    QCOMPARE(value.value_or(-1), accepted);
}

QTEST_APPLESS_MAIN(TestFormMapping)
#include "tst_form_mapping.moc"
