#include "PresetImage.h"
#include "model/FormMapping.h"
#include "model/Normalize.h"

#include <QRandomGenerator>
#include <QTest>

#include <utility>
#include <vector>

using namespace varko;

using ByteValues = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(ByteValues)

namespace {

// A consistent image to break on purpose: the start-up model, already normalized.
ParamImage consistentImage() {
    ParamImage image = startUpImage();
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

void writeValues(ParamImage& image, const ByteValues& values) {
    for (const auto& [offset, value] : values)
        image[offset] = static_cast<std::uint8_t>(value);
}

ByteValues run(int firstByte, std::initializer_list<int> values) {
    ByteValues run;
    int offset = firstByte;
    for (int v : values)
        run.emplace_back(offset++, v);
    return run;
}

ByteValues joined(ByteValues a, const ByteValues& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

QString firstDifference(const ParamImage& actual, const ParamImage& expected) {
    for (int i = 0; i < kImageSize; ++i) {
        if (actual[i] != expected[i])
            return QString("byte %1 is %2, expected %3").arg(i).arg(actual[i]).arg(expected[i]);
    }
    return {};
}

} // namespace

class TestNormalize : public QObject {
    Q_OBJECT

private slots:
    void repairs_data();
    void repairs();
    void windowSettings_data();
    void windowSettings();
    void randomImagesMeetTheRulesAndSettle();
};

// Each row breaks the start-up image with "written" and expects exactly the written bytes plus
// the "repaired" ones to differ from it afterwards.
void TestNormalize::repairs_data() {
    QTest::addColumn<ByteValues>("written");
    QTest::addColumn<ByteValues>("repaired");

    const int adv = Field::rpmAdv;
    const int servo = Field::servoRpm;
    QTest::newRow("rpmAdv all 0") << run(adv, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                  << run(adv, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    QTest::newRow("rpmAdv all 255") << run(adv, {255, 255, 255, 255, 255, 255, 255, 255, 255, 255})
                                    << run(adv, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200});
    QTest::newRow("rpmAdv falling") << run(adv, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10})
                                    << run(adv, {100, 101, 102, 103, 104, 105, 106, 107, 108, 109});
    QTest::newRow("rpmAdv[0] 200")
        << run(adv, {200}) << run(adv, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200});
    QTest::newRow("rpmAdv tie pushes only what it reaches")
        << run(adv, {15, 20, 50, 50, 51, 52, 70, 80, 90, 100}) << run(adv + 3, {51, 52, 53});
    QTest::newRow("servoRpm all 0") << run(servo, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                    << run(servo, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    QTest::newRow("servoRpm falling")
        << run(servo, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10})
        << run(servo, {100, 101, 102, 103, 104, 105, 106, 107, 108, 109});
    QTest::newRow("tps100 255 from a file")
        << ByteValues{{Field::tps100, 255}} << ByteValues{{Field::tps100, 250}};
    QTest::newRow("tps0 251") << ByteValues{{Field::tps0, 251}} << ByteValues{{Field::tps0, 250}};
    QTest::newRow("tps at the cap stay")
        << ByteValues{{Field::tps0, 250}, {Field::tps100, 250}} << ByteValues{};
    QTest::newRow("sync 0 makes every lobe 1")
        << ByteValues{{Field::synchroMethod, 0}, {Field::lobeCount, 9}}
        << joined({{Field::lobeCount, 1}}, run(Field::maxAdvLobe, {1, 1, 1, 1, 1, 1, 1, 1}));
    QTest::newRow("lobe above lobeCount")
        << ByteValues{{Field::lobeCount, 12}, {Field::maxAdvLobe + 2, 40}}
        << ByteValues{{Field::maxAdvLobe + 2, 12}};
    QTest::newRow("lobe 0 becomes 1")
        << ByteValues{{Field::startAdvLobe + 3, 0}} << ByteValues{{Field::startAdvLobe + 3, 1}};
    QTest::newRow("lobeCount 0 with sync 3")
        << ByteValues{{Field::synchroMethod, 3}, {Field::lobeCount, 0}}
        << run(Field::maxAdvLobe, {1, 1, 1, 1, 1, 1, 1, 1});
    QTest::newRow("channels above channelCount are held too")
        << ByteValues{{Field::channelCount, 1}, {Field::maxAdvLobe + 3, 58}}
        << ByteValues{{Field::maxAdvLobe + 3, 5}};
    QTest::newRow("sync 3 clears 2nd pick-up")
        << joined({{Field::synchroMethod, 3}}, run(Field::maxAdvPickup2, {1, 1, 1, 1, 1, 1, 1, 1}))
        << run(Field::maxAdvPickup2, {0, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("sync 4 keeps 2nd pick-up")
        << joined({{Field::synchroMethod, 4}}, run(Field::maxAdvPickup2, {1, 1, 1, 1, 1, 1, 1, 1}))
        << ByteValues{};
    QTest::newRow("sync 0 keeps 2nd pick-up")
        << joined({{Field::synchroMethod, 0}}, run(Field::maxAdvPickup2, {1, 0, 1, 0, 0, 1, 0, 1}))
        << joined({{Field::lobeCount, 1}}, run(Field::maxAdvLobe, {1, 1, 1, 1, 1, 1, 1, 1}));
    QTest::newRow("sync 8 clears 2nd pick-up")
        << ByteValues{{Field::synchroMethod, 8}, {Field::startAdvPickup2 + 1, 1}}
        << ByteValues{{Field::startAdvPickup2 + 1, 0}};
    QTest::newRow("channelCount 9")
        << ByteValues{{Field::channelCount, 9}} << ByteValues{{Field::channelCount, 4}};
    QTest::newRow("channelCount 4 stays") << ByteValues{{Field::channelCount, 4}} << ByteValues{};
    QTest::newRow("channelCount 0 stays") << ByteValues{{Field::channelCount, 0}} << ByteValues{};
    QTest::newRow("reserved bytes untouched")
        << ByteValues{{14, 255}, {18, 7}, {19, 1}, {29, 200}, {59, 9}, {69, 255}} << ByteValues{};
}

void TestNormalize::repairs() {
    QFETCH(ByteValues, written);
    QFETCH(ByteValues, repaired);
    const ParamImage base = consistentImage();
    ParamImage image = base;
    writeValues(image, written);
    ParamImage expected = image;
    writeValues(expected, repaired);

    WindowSettings settings;
    normalize(image, settings);
    QVERIFY2(image == expected, qPrintable(firstDifference(image, expected)));

    const ParamImage once = image;
    normalize(image, settings);
    QVERIFY2(image == once, qPrintable(firstDifference(image, once)));
}

void TestNormalize::windowSettings_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("expectedLanguage");
    QTest::addColumn<int>("expectedPort");
    QTest::addColumn<int>("expectedScan");

    QTest::newRow("all in range") << 3 << 20 << 19 << 3 << 20 << 19;
    QTest::newRow("language 4") << 4 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("language 7") << 7 << 5 << 5 << 0 << 5 << 5;
    QTest::newRow("port 21, scan 20") << 1 << 21 << 20 << 1 << 0 << 0;
    QTest::newRow("all 255") << 255 << 255 << 255 << 0 << 0 << 0;
}

void TestNormalize::windowSettings() {
    QFETCH(int, language);
    QFETCH(int, port);
    QFETCH(int, scan);
    WindowSettings settings{static_cast<Language>(language), static_cast<std::uint8_t>(port),
                            static_cast<std::uint8_t>(scan)};
    ParamImage image = consistentImage();
    const ParamImage before = image;
    normalize(image, settings);
    QTEST(int(settings.language), "expectedLanguage");
    QTEST(int(settings.portSelection), "expectedPort");
    QTEST(int(settings.scanIndex), "expectedScan");
    QVERIFY(image == before);
}

// Whatever a file or the unit brings, the result keeps every promised rule, leaves the bytes no
// rule covers alone, and a second run changes nothing.
void TestNormalize::randomImagesMeetTheRulesAndSettle() {
    QRandomGenerator random(4711);
    for (int round = 0; round < 5000; ++round) {
        ParamImage image;
        for (auto& b : image.bytes)
            b = static_cast<std::uint8_t>(random.bounded(256));
        if (round % 3 == 0) // make the methods with their own rules common
            image.synchroMethod() = static_cast<std::uint8_t>(random.bounded(kSynchroEntries));
        const ParamImage before = image;
        WindowSettings settings;
        normalize(image, settings);

        for (int axis : {Field::rpmAdv, Field::servoRpm}) {
            for (int i = 0; i < kBreakpoints; ++i) {
                QVERIFY(image[axis + i] >= 3 + i && image[axis + i] <= 191 + i);
                if (i > 0)
                    QVERIFY(image[axis + i] > image[axis + i - 1]);
            }
        }
        QVERIFY(image.tps0() <= 250 && image.tps100() <= 250);
        for (int n = 0; n < kChannels; ++n) {
            for (int lobe : {image.maxAdvLobe(n), image.startAdvLobe(n)})
                QVERIFY(lobe >= 1 && (image.lobeCount() == 0 || lobe <= image.lobeCount()));
            if (image.synchroMethod() != 0 && image.synchroMethod() != 4)
                QVERIFY(image.maxAdvPickup2(n) == 0 && image.startAdvPickup2(n) == 0);
        }
        QVERIFY(image.channelCount() <= 4);
        if (image.synchroMethod() == 0)
            QCOMPARE(int(image.lobeCount()), 1);

        for (int i = 0; i < kImageSize; ++i) {
            const bool ruled = i == Field::lobeCount || i == Field::channelCount ||
                               i == Field::tps0 || i == Field::tps100 ||
                               (i >= Field::maxAdvLobe && i < Field::maxAdvEdge2) ||
                               (i >= Field::maxAdvPickup2 && i < Field::input1) ||
                               (i >= Field::servoRpm && i < Field::servoMv) ||
                               (i >= Field::rpmAdv && i < Field::advance);
            if (!ruled)
                QCOMPARE(image[i], before[i]);
        }

        const ParamImage once = image;
        normalize(image, settings);
        QVERIFY2(image == once, qPrintable(firstDifference(image, once)));
    }
}

QTEST_GUILESS_MAIN(TestNormalize)
#include "tst_normalize.moc"
