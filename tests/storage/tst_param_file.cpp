// The .ign writer's exact layout and the reader's tolerance, against hand-written files.

#include "storage/FileIo.h"
#include "storage/ParamFile.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <vector>

using namespace varko;

Q_DECLARE_METATYPE(varko::ParamImage)
Q_DECLARE_METATYPE(std::vector<varko::FileMessage>)

namespace {

constexpr std::uint8_t kBefore = 0xEE; // what every byte holds before a load
constexpr int kFlagBytes[] = {Field::noReading, Field::excitation, Field::servoEnable,
                              Field::throttleMap};

bool isReserved(int offset) {
    return offset == 14 || offset == 18 || offset == 19 || offset == 29 ||
           (offset >= 59 && offset <= 69);
}

bool isFlag(int offset) {
    return std::ranges::find(kFlagBytes, offset) != std::end(kFlagBytes);
}

ParamImage filledWith(std::uint8_t value) {
    ParamImage image;
    image.bytes.fill(value);
    return image;
}

// Byte k holds k, except a cleared flag, an input code above 127 and the widest number.
ParamImage layoutImage() {
    ParamImage image;
    for (int k = 0; k < kImageSize; ++k)
        image[k] = static_cast<std::uint8_t>(k);
    image.servoEnable() = 0;
    image.input2() = 200;
    image.rpmAdv(9) = 255;
    return image;
}

// Every byte different from its neighbours and from kBefore.
ParamImage mixedImage() {
    ParamImage image;
    for (int k = 0; k < kImageSize; ++k)
        image[k] = static_cast<std::uint8_t>(k * 37 + 11);
    return image;
}

struct Loaded {
    std::uint8_t version;
    ParamImage image;
    std::vector<FileMessage> messages;
};

Loaded load(const QByteArray& text, const ParamImage& before = filledWith(kBefore)) {
    Loaded result{0, before, {}};
    result.version = readParamFile(
        text, result.image, [&](FileMessage message) { result.messages.push_back(message); });
    return result;
}

QByteArray fileHeader() {
    return "KALUBREN_KEY   75 \r\n";
}

QByteArray lineStartingWith(const QByteArray& text, const QByteArray& start) {
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(start))
            return line.endsWith('\r') ? line.chopped(1) : line;
    return {};
}

// Lines [first, last] (0-based) of the writer's text.
QByteArrayList linesOf(const QByteArrayList& lines, int first, int last) {
    return lines.mid(first, last - first + 1);
}

} // namespace

class TestParamFile : public QObject {
    Q_OBJECT
private slots:
    void writerProducesTheExactLayout() {
        const QByteArray expected = readTestData("param_layout.ign");
        const QByteArray written = writeParamFile(layoutImage());
        // Line by line first, so a difference names its line.
        QCOMPARE(written.split('\n'), expected.split('\n'));
        QCOMPARE(written, expected);
    }

    void readBackRestoresEveryByteTheFileCarries_data() {
        QTest::addColumn<ParamImage>("saved");
        QTest::newRow("mixed") << mixedImage();
        QTest::newRow("all zero") << filledWith(0);
        QTest::newRow("all 255") << filledWith(255);
        QTest::newRow("layout") << layoutImage();
    }
    void readBackRestoresEveryByteTheFileCarries() {
        QFETCH(ParamImage, saved);
        const Loaded loaded = load(writeParamFile(saved));
        QCOMPARE(loaded.version, 75);
        QVERIFY(loaded.messages.empty());
        for (int k = 0; k < kImageSize; ++k) {
            std::uint8_t expected = saved[k];
            if (isReserved(k))
                expected = kBefore;
            else if (isFlag(k))
                expected = saved[k] ? 1 : 0;
            QVERIFY2(loaded.image[k] == expected, qPrintable(QStringLiteral("byte %1").arg(k)));
        }
    }

    void offsetFieldsSurviveEveryValue_data() {
        QTest::addColumn<int>("offset");
        QTest::newRow("tps100") << int(Field::tps100);
        QTest::newRow("tachoCorrection") << int(Field::tachoCorrection);
    }
    void offsetFieldsSurviveEveryValue() {
        QFETCH(int, offset);
        for (int value = 0; value < 256; ++value) {
            ParamImage image = mixedImage();
            image[offset] = static_cast<std::uint8_t>(value);
            QCOMPARE(load(writeParamFile(image)).image[offset], value);
        }
    }

    void offsetFieldsAreWrittenAsDocumented_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("tps100 0") << int(Field::tps100) << 0
                                  << QByteArray("TPS             0  2500 ");
        QTest::newRow("tps100 5") << int(Field::tps100) << 5
                                  << QByteArray("TPS             0  2550 ");
        QTest::newRow("tps100 255")
            << int(Field::tps100) << 255 << QByteArray("TPS             0  5050 ");
        QTest::newRow("correction -20")
            << int(Field::tachoCorrection) << 80 << QByteArray("RPM             0   -20 ");
        QTest::newRow("correction -100")
            << int(Field::tachoCorrection) << 0 << QByteArray("RPM             0  -100 ");
        QTest::newRow("correction 155")
            << int(Field::tachoCorrection) << 255 << QByteArray("RPM             0   155 ");
    }
    void offsetFieldsAreWrittenAsDocumented() {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QByteArray, line);
        ParamImage image = filledWith(0);
        image[offset] = static_cast<std::uint8_t>(value);
        QCOMPARE(lineStartingWith(writeParamFile(image), line.first(3)), line);
    }

    void versionKeySearch_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("version");
        QTest::addColumn<std::vector<FileMessage>>("messages");
        const auto unmatched = std::vector{FileMessage::UnmatchedVersion};
        const auto older = std::vector{FileMessage::OlderVersion};
        QTest::newRow("75") << QByteArray("KALUBREN_KEY 75 LIMITER 100") << 75
                            << std::vector<FileMessage>{};
        QTest::newRow("words before the key")
            << QByteArray("hello 75 LIMITER 7\r\nKALUBREN_KEY 75 LIMITER 100") << 75
            << std::vector<FileMessage>{};
        QTest::newRow("54") << QByteArray("KALUBREN_KEY 54 LIMITER 100") << 54 << older;
        QTest::newRow("76") << QByteArray("KALUBREN_KEY 76 LIMITER 100") << 0 << unmatched;
        QTest::newRow("75 plus 256")
            << QByteArray("KALUBREN_KEY 331 LIMITER 100") << 0 << unmatched;
        QTest::newRow("76 then 75")
            << QByteArray("KALUBREN_KEY 76\r\nKALUBREN_KEY 75 LIMITER 100") << 75 << unmatched;
        // Each message once per read, however many keys raise it.
        QTest::newRow("two wrong keys")
            << QByteArray("KALUBREN_KEY 76 KALUBREN_KEY 0 LIMITER 100") << 0 << unmatched;
        QTest::newRow("500 wrong keys, then 54")
            << QByteArray("KALUBREN_KEY 76 ").repeated(500) + "KALUBREN_KEY 54 LIMITER 100" << 54
            << std::vector{FileMessage::UnmatchedVersion, FileMessage::OlderVersion};
        QTest::newRow("no number") << QByteArray("KALUBREN_KEY LIMITER 100") << 0 << unmatched;
        QTest::newRow("key at the end") << QByteArray("LIMITER 100 KALUBREN_KEY") << 0 << unmatched;
        QTest::newRow("no key") << QByteArray("LIMITER 100") << 0 << std::vector<FileMessage>{};
        QTest::newRow("lower case key")
            << QByteArray("kalubren_key 75 LIMITER 100") << 0 << std::vector<FileMessage>{};
        QTest::newRow("key glued to version")
            << QByteArray("KALUBREN_KEY75 LIMITER 100") << 0 << std::vector<FileMessage>{};
        QTest::newRow("empty") << QByteArray() << 0 << std::vector<FileMessage>{};
    }
    void versionKeySearch() {
        QFETCH(QByteArray, text);
        QFETCH(int, version);
        QFETCH(std::vector<FileMessage>, messages);
        const Loaded loaded = load(text);
        QCOMPARE(loaded.version, version);
        QVERIFY(loaded.messages == messages);
        if (version == 0)
            QVERIFY(loaded.image == filledWith(kBefore));
        else
            QCOMPARE(loaded.image.limiter(), 100);
    }

    void missingKeysAreNamed_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("missing");
        const QByteArray own = writeParamFile(mixedImage());
        QTest::newRow("the writer's file") << own << QByteArrayList{};
        QTest::newRow("two lines taken out")
            << QByteArray(own).replace("LIMITER", "X").replace("NO_READING", "Y")
            << QByteArrayList{"LIMITER", "NO_READING"};
        // A key counts as there even when its numbers are not.
        QTest::newRow("key without numbers")
            << QByteArray(own).replace("LIMITER     ", "LIMITER x ") << QByteArrayList{};
        QTest::newRow("only the file key")
            << QByteArray("KALUBREN_KEY 54")
            << QByteArrayList{"BIKE",          "GEBER_MODE", "INPUT",    "PICKUPS_INTERCHANGE",
                              "NO_LOBE_CHECK", "BASE_ADV",   "LIMITER",  "PILOT_LIGHT",
                              "CLUTCH",        "TPS",        "RPM",      "EXCITATION",
                              "TPS_MAPA",      "RPM_ADV",    "ADVANCE",  "SERVO_ENABLE",
                              "SERVO_HYSTER",  "SERVO_RPM",  "SERVO_MV", "NO_READING"};
        QTest::newRow("no accepted version") << QByteArray("KALUBREN_KEY 76") << QByteArrayList{};
    }
    void missingKeysAreNamed() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArrayList, missing);
        ParamImage image;
        FileGaps gaps;
        readParamFile(text, image, {}, &gaps);
        QCOMPARE(gaps.keys, missing);
    }

    // A byte is the file's when it loads alike onto any image; otherwise it is among the gaps.
    // Every length at which a file can be cut, older versions with the bytes they imply, and
    // numbers missing within a key.
    void gapsAreTheBytesTheFileDoesNotGive_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray own = writeParamFile(mixedImage());
        for (qsizetype length = 17; length <= own.size(); length += 7)
            QTest::addRow("cut after %lld bytes", qlonglong(length)) << own.left(length);
        QTest::newRow("the writer's file") << own;
        QTest::newRow("only the file key") << QByteArray("KALUBREN_KEY 75");
        QTest::newRow("version 54, only the file key") << QByteArray("KALUBREN_KEY 54");
        QTest::newRow("version 48 file") << readTestData("version48.ign");
        QTest::newRow("numbers missing within a key")
            << QByteArray(own).replace("RPM_ADV     ", "RPM_ADV 10 20 x ");
    }
    void gapsAreTheBytesTheFileDoesNotGive() {
        QFETCH(QByteArray, text);
        ParamImage first = filledWith(0x11);
        ParamImage second = filledWith(0xEE);
        FileGaps gaps;
        QVERIFY(readParamFile(text, first, {}, &gaps) != 0);
        readParamFile(text, second);
        QVERIFY(!gaps.noFileKey);
        for (int k = 0; k < kImageSize; ++k) {
            const bool given = first[k] == second[k];
            QVERIFY2(gaps.bytes.test(k) == (!given && fileBytes().test(k)),
                     qPrintable(QStringLiteral("byte %1").arg(k)));
        }
    }

    void fileBytesAreAllButTheReservedOnes() {
        for (int k = 0; k < kImageSize; ++k)
            QVERIFY2(fileBytes().test(k) == !isReserved(k),
                     qPrintable(QStringLiteral("byte %1").arg(k)));
    }

    // Only a file without any file key is no parameter file; one of another version is.
    void fileWithoutFileKey_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("noFileKey");
        QTest::newRow("keys without the file key") << QByteArray("BIKE 20 LIMITER 90") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("another version") << QByteArray("KALUBREN_KEY 76 LIMITER 90") << false;
        QTest::newRow("file key without version") << QByteArray("KALUBREN_KEY") << false;
    }
    void fileWithoutFileKey() {
        QFETCH(QByteArray, text);
        QFETCH(bool, noFileKey);
        ParamImage image;
        FileGaps gaps;
        QCOMPARE(readParamFile(text, image, {}, &gaps), 0);
        QCOMPARE(gaps.noFileKey, noFileKey);
    }

    // What saving would change: any byte a file holds, a flag only as the writer's 0 or 1.
    void savesAs_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("imageByte");
        QTest::addColumn<int>("setByte");
        QTest::addColumn<bool>("same");
        QTest::newRow("limiter alike") << int(Field::limiter) << 90 << 90 << true;
        QTest::newRow("limiter differs") << int(Field::limiter) << 90 << 91 << false;
        QTest::newRow("map cell differs") << Field::advance + 99 << 30 << 31 << false;
        QTest::newRow("reserved byte differs") << 14 << 1 << 2 << true;
        QTest::newRow("flag written as 1") << int(Field::excitation) << 5 << 1 << true;
        QTest::newRow("flag the file holds as 5") << int(Field::excitation) << 1 << 5 << false;
        QTest::newRow("flag cleared") << int(Field::excitation) << 0 << 1 << false;
    }
    void savesAs() {
        QFETCH(int, offset);
        QFETCH(int, imageByte);
        QFETCH(int, setByte);
        QFETCH(bool, same);
        ParamImage image = mixedImage();
        image[offset] = static_cast<std::uint8_t>(imageByte);
        ParamImage set = load(writeParamFile(image)).image;
        set[offset] = static_cast<std::uint8_t>(setByte);
        QCOMPARE(varko::savesAs(image, set), same);
    }

    void version48FileGetsItsDefaultsAndOldPickupPlace() {
        const Loaded loaded = load(readTestData("version48.ign"));
        QCOMPARE(loaded.version, 48);
        QVERIFY(loaded.messages == std::vector{FileMessage::OlderVersion});
        const ParamImage& image = loaded.image;
        QCOMPARE(image.ignitionsPerRev(), 1);
        QCOMPARE(image.input1(), 2);
        QCOMPARE(image.input2(), 3);
        QCOMPARE(image.neutralStandInputs(), 0);
        QCOMPARE(image.pickupsInterchange(), 0);
        QCOMPARE(image.noLobeCheck(), 0);
        QCOMPARE(image.pickup1Inverse(), 1);
        QCOMPARE(image.pickup2Inverse(), 0);
        QCOMPARE(image.bike(), 20);
        QCOMPARE(image.channelCount(), 2);
        QCOMPARE(image.startAdvLobe(1), 1);
        QCOMPARE(image.startAdvEdge2(1), 1);
        QCOMPARE(image.revsWithoutIgnition(), 3);
        QCOMPARE(image.compensation(3), 11);
        QCOMPARE(image.pilotLight(), 110);
        QCOMPARE(image.tps100(), 200);
        QCOMPARE(image.tachoCorrection(), 100);
        QCOMPARE(image.rpmAdv(9), 130);
        QCOMPARE(image.advance(0, 0), kBefore); // the file has no map
    }

    void olderVersionDefaultsGiveWayToTheFilesOwnLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("interchange");
        QTest::addColumn<int>("noLobeCheck");
        QTest::addColumn<int>("ignitionsPerRev");
        QTest::newRow("54 without the keys")
            << QByteArray("KALUBREN_KEY 54") << 0 << 0 << int(kBefore);
        QTest::newRow("54 with the keys")
            << QByteArray("KALUBREN_KEY 54 PICKUPS_INTERCHANGE 1 NO_LOBE_CHECK 1") << 1 << 1
            << int(kBefore);
        QTest::newRow("48 with its own geber mode")
            << QByteArray("KALUBREN_KEY 48 GEBER_MODE 2") << 0 << 0 << 2;
        QTest::newRow("75 keeps what it lacks")
            << QByteArray("KALUBREN_KEY 75") << int(kBefore) << int(kBefore) << int(kBefore);
    }
    void olderVersionDefaultsGiveWayToTheFilesOwnLines() {
        QFETCH(QByteArray, text);
        QFETCH(int, interchange);
        QFETCH(int, noLobeCheck);
        QFETCH(int, ignitionsPerRev);
        const ParamImage image = load(text).image;
        QCOMPARE(image.pickupsInterchange(), interchange);
        QCOMPARE(image.noLobeCheck(), noLobeCheck);
        QCOMPARE(image.ignitionsPerRev(), ignitionsPerRev);
    }

    void otherLayoutsLoadTheSameImage_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray own = writeParamFile(mixedImage());
        const QByteArrayList lines = own.split('\n');
        QTest::newRow("LF only") << QByteArray(own).replace("\r\n", "\n");
        QTest::newRow("tabs") << QByteArray(own).replace(' ', '\t');
        QTest::newRow("extra blank lines") << QByteArray(own).replace("\r\n", "\r\n\r\n \r\n");
        QTest::newRow("final line end") << own + "\r\n";
        QTest::newRow("unknown keys")
            << QByteArray(own)
                       .replace("GEBER_MODE", "UNKNOWN 1 2 3\r\nGEBER_MODE")
                       .replace("SERVO_MV", "SERVO_MORE -4 x\r\nSERVO_MV") +
                   "\r\nTRAILER 9";
        QTest::newRow("other order") << (linesOf(lines, 0, 0) + linesOf(lines, 42, 46) +
                                         linesOf(lines, 29, 40) + linesOf(lines, 1, 28))
                                            .join('\n');
        QTest::newRow("BIKE after INPUT") << (linesOf(lines, 0, 0) + linesOf(lines, 15, 15) +
                                              linesOf(lines, 1, 14) + linesOf(lines, 16, 46))
                                                 .join('\n');
    }
    void otherLayoutsLoadTheSameImage() {
        QFETCH(QByteArray, text);
        const Loaded loaded = load(text);
        QCOMPARE(loaded.version, 75);
        QVERIFY(loaded.image == load(writeParamFile(mixedImage())).image);
    }

    void repeatedKeysAndSecondFileKey_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("limiter");
        QTest::newRow("later value wins") << QByteArray("LIMITER 90\r\nLIMITER 100") << 100;
        QTest::newRow("second key with 48") << QByteArray("KALUBREN_KEY  48\r\nLIMITER 100") << 100;
        QTest::newRow("second key with 76") << QByteArray("KALUBREN_KEY  76\r\nLIMITER 100") << 100;
    }
    void repeatedKeysAndSecondFileKey() {
        QFETCH(QByteArray, body);
        QFETCH(int, limiter);
        const Loaded loaded = load(fileHeader() + body);
        QCOMPARE(loaded.version, 75);
        QVERIFY(loaded.messages.empty());
        QCOMPARE(loaded.image.limiter(), limiter);
        // A second key neither applies the defaults of an older version nor changes the version.
        QCOMPARE(loaded.image.input1(), kBefore);
        QCOMPARE(loaded.image.ignitionsPerRev(), kBefore);
    }

    void missingNumbersLeaveTheirBytes_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("clutchTime");
        QTest::addColumn<int>("clutchPause");
        QTest::addColumn<int>("limiter");
        const int before = kBefore;
        QTest::newRow("end of file") << QByteArray("CLUTCH 120") << 12 << before << before;
        QTest::newRow("end of file, no number")
            << QByteArray("CLUTCH") << before << before << before;
        QTest::newRow("key instead of number")
            << QByteArray("CLUTCH 120 LIMITER 90") << 12 << before << 90;
        QTest::newRow("word instead of number")
            << QByteArray("CLUTCH 120 abc 300 LIMITER 90") << 12 << before << 90;
        QTest::newRow("sign alone") << QByteArray("CLUTCH 120 - 300") << 12 << before << before;
        QTest::newRow("number glued to a key")
            << QByteArray("CLUTCH 120 300LIMITER 90") << 12 << 30 << 90;
        QTest::newRow("plus signs") << QByteArray("CLUTCH +120 +300") << 12 << 30 << before;
        QTest::newRow("negative") << QByteArray("CLUTCH -120 -5") << (-12 & 0xFF) << 0 << before;
    }
    void missingNumbersLeaveTheirBytes() {
        QFETCH(QByteArray, body);
        QFETCH(int, clutchTime);
        QFETCH(int, clutchPause);
        QFETCH(int, limiter);
        const ParamImage image = load(fileHeader() + body).image;
        QCOMPARE(image.clutchTime(), clutchTime);
        QCOMPARE(image.clutchPause(), clutchPause);
        QCOMPARE(image.limiter(), limiter);
    }

    // Beyond +-999 999 999 a number reads as that limit; the bytes below were worked out by hand.
    void hugeNumbersAreLimited_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        const QByteArray digits(5000, '9');
        QTest::newRow("int max plus offset")
            << QByteArray("RPM 0 2147483647") << int(Field::tachoCorrection) << 99;
        QTest::newRow("20 digits")
            << QByteArray("RPM 0 99999999999999999999") << int(Field::tachoCorrection) << 99;
        QTest::newRow("negative 20 digits")
            << QByteArray("RPM 0 -99999999999999999999") << int(Field::tachoCorrection) << 101;
        QTest::newRow("int min with offset")
            << QByteArray("TPS 0 -2147483648") << int(Field::tps100) << 7;
        QTest::newRow("scaled") << QByteArray("PILOT_LIGHT 4294967396") << int(Field::pilotLight)
                                << 127;
        QTest::newRow("5000 digits") << "LIMITER " + digits << int(Field::limiter) << 255;
        QTest::newRow("leading zeros")
            << "LIMITER " + QByteArray(5000, '0') + "42" << int(Field::limiter) << 42;
    }
    void hugeNumbersAreLimited() {
        QFETCH(QByteArray, body);
        QFETCH(int, offset);
        QFETCH(int, expected);
        QCOMPARE(load(fileHeader() + body).image[offset], expected);
    }

    void longTokensAreSkippedWhole_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("limiter");
        const QByteArray key = "KALUBREN_KEY 75 ";
        QTest::newRow("272 characters before the key")
            << QByteArray(272, 'x') + " " + key + "LIMITER 100" << 75 << 100;
        QTest::newRow("one megabyte token")
            << key + QByteArray(1 << 20, 'A') + " LIMITER 100" << 75 << 100;
        QTest::newRow("long token ending in a key")
            << key + QByteArray(300, 'x') + "LIMITER 100" << 75 << int(kBefore);
        QTest::newRow("long token ending in the file key")
            << QByteArray(300, 'x') + "KALUBREN_KEY 75 LIMITER 100" << 0 << int(kBefore);
    }
    void longTokensAreSkippedWhole() {
        QFETCH(QByteArray, text);
        QFETCH(int, version);
        QFETCH(int, limiter);
        const Loaded loaded = load(text);
        QCOMPARE(loaded.version, version);
        QCOMPARE(loaded.image.limiter(), limiter);
    }

    void savedFileLoadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bike.ign");
        const ParamImage saved = layoutImage();
        QVERIFY(saveParamFile(path, saved));
        QCOMPARE(readTestFile(path), readTestData("param_layout.ign"));

        ParamImage image = filledWith(kBefore);
        std::uint8_t version = 0;
        QVERIFY(loadParamFile(path, image, version));
        QCOMPARE(version, 75);
        QVERIFY(image == load(writeParamFile(saved)).image);
    }

    void unreadableFilesAreReported_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << QStringLiteral("missing.ign");
        QTest::newRow("folder") << QString();
        QTest::newRow("larger than any parameter file") << QStringLiteral("large.ign");
    }
    void unreadableFilesAreReported() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        if (name == "large.ign") {
            QFile large(dir.filePath(name));
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(kMaxFileSize + 1));
        }
        ParamImage image = filledWith(kBefore);
        std::uint8_t version = 99;
        QVERIFY(!loadParamFile(dir.filePath(name), image, version));
        QCOMPARE(version, 99);
        QVERIFY(image == filledWith(kBefore));
    }
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "tst_param_file.moc"
