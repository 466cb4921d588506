// Round axis limits: ticks at 1, 2 or 5 times a power of ten, the range holding the values.

#include "model/AxisScale.h"

#include <QTest>
#include <limits>

using namespace varko;

Q_DECLARE_METATYPE(varko::AxisRange)

class TestAxisScale : public QObject {
    Q_OBJECT
private slots:
    void roundAxis_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<AxisRange>("range");
        QTest::newRow("speed") << 0.0 << 11800.0 << 4 << AxisRange{0, 15000, 5000};
        QTest::newRow("exact fit") << 0.0 << 60.0 << 6 << AxisRange{0, 60, 10};
        QTest::newRow("seconds back") << -45.0 << 0.0 << 6 << AxisRange{-50, 0, 10};
        QTest::newRow("supply") << 12.1 << 14.4 << 4 << AxisRange{12, 15, 1};
        QTest::newRow("small span") << 0.91 << 1.07 << 4 << AxisRange{0.9, 1.1, 0.05};
        QTest::newRow("reversed") << 60.0 << 0.0 << 6 << AxisRange{0, 60, 10};
        QTest::newRow("one value") << 13.0 << 13.0 << 4 << AxisRange{11, 15, 1};
        QTest::newRow("zero only") << 0.0 << 0.0 << 4 << AxisRange{-1, 1, 0.5};
        QTest::newRow("across zero, too few ticks") << -1.0 << 1.0 << 1 << AxisRange{-1, 1, 1};
        QTest::newRow("rounding adds a step") << 0.5 << 9.5 << 2 << AxisRange{0, 10, 5};
        QTest::newRow("not finite")
            << std::numeric_limits<double>::quiet_NaN() << 1.0 << 4 << AxisRange{};
    }
    void roundAxis() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, ticks);
        QFETCH(AxisRange, range);
        const AxisRange got = varko::roundAxis(low, high, ticks);
        QVERIFY2(
            qFuzzyCompare(got.low + 1, range.low + 1) &&
                qFuzzyCompare(got.high + 1, range.high + 1) && qFuzzyCompare(got.step, range.step),
            qPrintable(QStringLiteral("%1..%2 step %3").arg(got.low).arg(got.high).arg(got.step)));
    }
};

QTEST_MAIN(TestAxisScale)
#include "tst_axis_scale.moc"
