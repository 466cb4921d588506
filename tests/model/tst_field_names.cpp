// The names that diff listings give the image's bytes: arrays with their indices, the map by
// throttle row then speed column, and the bytes without a meaning of their own.

#include "model/FieldNames.h"

#include <QtTest>

class TestFieldNames : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
};

void TestFieldNames::names_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("name");
    QTest::newRow("first byte") << 0 << "bike";
    QTest::newRow("scaled field") << 13 << "limiter";
    QTest::newRow("reserved between fields") << 14 << "reserved[14]";
    QTest::newRow("reserved pair") << 19 << "reserved[19]";
    QTest::newRow("channel array, middle") << 25 << "compensation[2]";
    QTest::newRow("last channel of the last channel array") << 53 << "startAdvPickup2[3]";
    QTest::newRow("reserved run, first") << 59 << "reserved[59]";
    QTest::newRow("reserved run, last") << 69 << "reserved[69]";
    QTest::newRow("breakpoint array, last") << 79 << "servoRpm[9]";
    QTest::newRow("speed axis") << 90 << "rpmAdv[0]";
    QTest::newRow("first map cell") << 100 << "advance[0][0]";
    QTest::newRow("row 3, column 7") << 137 << "advance[3][7]";
    QTest::newRow("last map cell") << 199 << "advance[9][9]";
}

void TestFieldNames::names() {
    QFETCH(int, offset);
    QFETCH(QString, name);
    QCOMPARE(varko::fieldName(offset), name);
}

QTEST_APPLESS_MAIN(TestFieldNames)
#include "tst_field_names.moc"
