// Values as the compare view counts them: every image byte belongs to exactly one value, so a
// difference anywhere shows as one row, and taking a value copies its bytes and no others. A byte
// a file lacks is never equal, whatever the image holds there.

#include "model/ComparedValues.h"
#include "model/FieldNames.h"

#include <QtTest>
#include <algorithm>

using namespace varko;

class TestComparedValues : public QObject {
    Q_OBJECT
private slots:
    void eachByteIsOneValue();
    void takeCopiesOnlyTheValue();
    void lackedByteIsNeverEqual();
};

namespace {

// The image with one byte changed.
ParamImage changedAt(int offset) {
    ParamImage image;
    image[offset] = 7;
    return image;
}

} // namespace

void TestComparedValues::eachByteIsOneValue() {
    for (int offset = 0; offset < kImageSize; ++offset) {
        const std::vector<ComparedValue> values = differingValues(ParamImage{}, changedAt(offset));
        QVERIFY2(values.size() == 1, qPrintable(QString("byte %1").arg(offset)));
        const std::vector<int> bytes = bytesOfValue(values.front());
        QVERIFY2(std::count(bytes.begin(), bytes.end(), offset) == 1,
                 qPrintable(QString("byte %1").arg(offset)));
    }
}

void TestComparedValues::takeCopiesOnlyTheValue() {
    ParamImage other;
    for (int offset = 0; offset < kImageSize; ++offset)
        other[offset] = static_cast<std::uint8_t>(offset + 1);
    const std::vector<ComparedValue> values = differingValues(ParamImage{}, other);
    for (const ComparedValue& value : values) {
        ParamImage into;
        takeValue(into, other, value);
        QCOMPARE(differingValues(into, other).size(), values.size() - 1);
        QCOMPARE(differingValues(ParamImage{}, into), std::vector<ComparedValue>{value});
    }
}

void TestComparedValues::lackedByteIsNeverEqual() {
    for (int offset = 0; offset < kImageSize; ++offset) {
        const QByteArray name = QString("byte %1").arg(offset).toLatin1();
        ImageBytes lacking;
        lacking.set(offset);
        const ComparedSet file(ParamImage{}, lacking);
        const std::vector<ComparedValue> values = differingValues(ParamImage{}, file);
        QVERIFY2(values.size() == 1, name);
        QVERIFY2(lacksValue(file, values.front()), name);
        QVERIFY2(!lacksValue(ParamImage{}, values.front()), name);
        QVERIFY2(differingValues(file, ParamImage{}) == values, name); // from either side
        QVERIFY2(diffLines(ParamImage{}, file) ==
                     QByteArray::number(offset) + '\t' + fieldName(offset).toLatin1() + "\t0\t-\n",
                 name);
    }
}

QTEST_MAIN(TestComparedValues)
#include "tst_compared_values.moc"
