// The test switch file: one exact word among any others turns test mode on.

#include "storage/TestSwitch.h"

#include "ScopedConfigDir.h"
#include "TestFiles.h"

#include <QTest>

using namespace varko;

class TestTestSwitch : public QObject {
    Q_OBJECT
private slots:
    void switchWord_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no file") << false << QByteArray() << false;
        QTest::newRow("empty file") << true << QByteArray() << false;
        QTest::newRow("the word") << true << QByteArray("PROBE_ALLOW") << true;
        QTest::newRow("among other words")
            << true << QByteArray("hello there\r\n\tPROBE_ALLOW\r\nbye") << true;
        QTest::newRow("lower case") << true << QByteArray("probe_allow") << false;
        QTest::newRow("longer word") << true << QByteArray("PROBE_ALLOWED") << false;
        QTest::newRow("glued to a word") << true << QByteArray("xPROBE_ALLOW") << false;
        QTest::newRow("after a NUL byte") << true << QByteArray("x\0PROBE_ALLOW", 13) << false;
        QTest::newRow("after a huge word")
            << true << QByteArray(100000, 'x') + "\nPROBE_ALLOW" << true;
        QTest::newRow("end of a 266 character word")
            << true << QByteArray(255, 'x') + "PROBE_ALLOW" << false;
    }
    void switchWord() {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        ScopedConfigDir config;
        if (fileExists) {
            writeTestFile(config.varkoDir() + "/test_dorvik.txt", content);
        }
        QCOMPARE(readTestSwitch(), enabled);
    }
};

QTEST_GUILESS_MAIN(TestTestSwitch)
#include "tst_test_switch.moc"
