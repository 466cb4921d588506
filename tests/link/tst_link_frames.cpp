// Frame bytes, the check-byte rule, the unit's information texts and the port names.

#include "ScopedConfigDir.h"
#include "link/DeviceInfo.h"
#include "link/LinkFrame.h"
#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::TransferMode)

namespace {
ParamImage countingImage() {
    ParamImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return image;
}
} // namespace

class TestLinkFrames : public QObject {
    Q_OBJECT
private slots:
    void idleFrame() {
        const LinkFrame frame = buildIdleFrame();
        QCOMPARE(frame.bytes[0], 0x30);
        for (int k = 1; k <= 100; ++k)
            QCOMPARE(frame.bytes[k], 0);
        QCOMPARE(frame.bytes[101], 0xCF);
    }

    void blockFrame_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<bool>("zeroImage");
        QTest::addColumn<int>("firstImageByte"); // -1: the frame carries zero data
        QTest::newRow("read block 0") << 0x40 << TransferMode::Read << false << -1;
        QTest::newRow("read block 1") << 0x41 << TransferMode::Read << false << -1;
        QTest::newRow("read block 2") << 0x42 << TransferMode::Read << false << -1;
        QTest::newRow("program block 0") << 0x00 << TransferMode::Program << false << -1;
        QTest::newRow("program block 1, zero image") << 0x01 << TransferMode::Program << true << 0;
        QTest::newRow("program block 2") << 0x02 << TransferMode::Program << false << 100;
        QTest::newRow("verify block 1") << 0x41 << TransferMode::Verify << false << 0;
        QTest::newRow("verify block 2") << 0x42 << TransferMode::Verify << false << 100;
    }
    void blockFrame() {
        QFETCH(int, command);
        QFETCH(TransferMode, mode);
        QFETCH(bool, zeroImage);
        QFETCH(int, firstImageByte);
        const ParamImage image = zeroImage ? ParamImage{} : countingImage();
        const LinkFrame frame = buildBlockFrame(std::uint8_t(command), mode, image);
        QCOMPARE(frame.bytes[0], command);
        std::uint8_t check = std::uint8_t(~command);
        for (int k = 0; k < 100; ++k) {
            const int expected = firstImageByte < 0 ? 0 : image[firstImageByte + k];
            QCOMPARE(int(frame.data()[k]), expected);
            check ^= std::uint8_t(expected);
        }
        QCOMPARE(frame.bytes[101], check);
        QVERIFY(checkByteValid(frame));
    }

    void fixedCheckBytes_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("check");
        QTest::newRow("read 0") << 0x40 << 0xBF;
        QTest::newRow("read 1") << 0x41 << 0xBE;
        QTest::newRow("read 2") << 0x42 << 0xBD;
        QTest::newRow("program 0") << 0x00 << 0xFF;
        QTest::newRow("program 1 of a zero image") << 0x01 << 0xFE;
    }
    void fixedCheckBytes() {
        QFETCH(int, command);
        QFETCH(int, check);
        const TransferMode mode = command & 0x40 ? TransferMode::Read : TransferMode::Program;
        QCOMPARE(int(buildBlockFrame(std::uint8_t(command), mode, ParamImage{}).check()), check);
    }

    void checkByteRejectsAnyFlippedBit() {
        LinkFrame frame = buildBlockFrame(0x42, TransferMode::Verify, countingImage());
        for (int i = 0; i < kFrameSize; ++i) {
            LinkFrame spoiled = frame;
            spoiled.bytes[i] ^= 0x10;
            QVERIFY2(!checkByteValid(spoiled), qPrintable(QString::number(i)));
        }
    }

    void deviceTexts_data() {
        QTest::addColumn<QByteArray>("record"); // bytes 0..10
        QTest::addColumn<QByteArray>("longName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("short name")
            << QByteArray("ABC\x07\x19\x0C\x03\x10\x15", 9) << QByteArray() << "ABC07"
            << "25.12.2003"
            << "16:21";
        QTest::newRow("long name") << QByteArray("ABC\x07\x19\x0C\x03\x10\x15", 9)
                                   << QByteArray("VARKO RS4 firmware") << "VARKO RS4 firmware"
                                   << "25.12.2003"
                                   << "16:21";
        QTest::newRow("single digits")
            << QByteArray("XYZ\x00\x05\x19\x08\x09\x05", 9) << QByteArray() << "XYZ00"
            << " 5. 1.2008"
            << "09:05";
        QTest::newRow("unknown month")
            << QByteArray("ABC\x07\x19\x00\x03\x10\x15", 9) << QByteArray() << "ABC07"
            << "25.00.2003"
            << "16:21";
        QTest::newRow("values of 100 and more in full")
            << QByteArray("ABC\x7B\x64\x26\xC8\x65\xFF", 9) << QByteArray() << "ABC123"
            << "100.10.20200"
            << "101:255";
        QTest::newRow("long name of 30 characters stops there")
            << QByteArray("ABC\x07\x19\x0C\x03\x10\x15", 9)
            << QByteArray("123456789012345678901234567890XYZ") << "123456789012345678901234567890"
            << "25.12.2003"
            << "16:21";
    }
    void deviceTexts() {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, longName);
        DeviceInfo info;
        std::copy(record.begin(), record.end(), info.bytes.begin());
        // The long name runs into the unused bytes behind it; only 30 may count.
        std::copy_n(longName.begin(), std::min<qsizetype>(longName.size(), 40),
                    info.bytes.begin() + InfoOffset::longName);
        const DeviceTexts texts = decodeDeviceInfo(info);
        QTEST(texts.deviceName, "name");
        QTEST(texts.deviceDate, "date");
        QTEST(texts.deviceTime, "time");
    }

    void monthCodes() {
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(monthFromCode(monthCode(month)), month);
        // Jan: 'J' + 'a' + 'n' = 74 + 97 + 110 = 281, low byte 25.
        QCOMPARE(int(monthCode(1)), 25);
    }

    void portDevices_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM4") << 4 << "/dev/ttyS3";
        QTest::newRow("COM5") << 5 << "/dev/ttyUSB0";
        QTest::newRow("COM12") << 12 << "/dev/ttyUSB7";
        QTest::newRow("COM13") << 13 << "/dev/ttyACM0";
        QTest::newRow("COM21") << 21 << "/dev/ttyACM8";
        QTest::newRow("COM0") << 0 << "";
        QTest::newRow("COM22") << 22 << "";
    }
    void portDevices() {
        ScopedConfigDir config;
        QFETCH(int, number);
        QTEST(portDevicePath(number), "device");
    }

    void overrideLinkComesFirst() {
        ScopedConfigDir config;
        const QString ports = config.varkoDir() + "/ports";
        QDir().mkpath(ports);
        QVERIFY(QFile::link("/dev/null", ports + "/COM2"));
        QVERIFY(QFile::link(ports + "/missing", ports + "/COM3"));
        QCOMPARE(portDevicePath(2), ports + "/COM2");
        QCOMPARE(portDevicePath(3), ports + "/COM3"); // dangling: the device is gone
        QCOMPARE(portDevicePath(1), QString("/dev/ttyS0"));
        QCOMPARE(resolvePortArgument("com2"), ports + "/COM2");
        QCOMPARE(resolvePortArgument("/dev/ttyUSB3"), QString("/dev/ttyUSB3"));
        QCOMPARE(resolvePortArgument("COM99"), QString());
        QVERIFY(buildPortMenu(0)[1].statusTip.contains("/dev/null"));
    }

    void portMenu() {
        ScopedConfigDir config;
        const PortMenu menu = buildPortMenu(2);
        QCOMPARE(menu[0].caption, QString("Com 1"));
        QCOMPARE(menu[19].caption, QString("Com 20"));
        QCOMPARE(menu[20].caption, QString("Com Auto"));
        for (int i = 0; i < kPortCount; ++i)
            QCOMPARE(menu[i].checked, i == 2);
        QVERIFY(menu[2].statusTip.contains("/dev/ttyS2"));
        QVERIFY(buildPortMenu(kPortAuto)[20].checked);
    }
};

QTEST_GUILESS_MAIN(TestLinkFrames)
#include "tst_link_frames.moc"
