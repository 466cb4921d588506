// The link's tick timer keeps the unit's pace: its ticks never come early, since every timing of
// the link (re-sends, live requests, the watchdog) is counted in ticks.

#include "link/TickTimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>

using namespace varko;

class TestTickTimer : public QObject {
    Q_OBJECT
private slots:
    // A coarse timer fires up to 5 % early (52 ms instead of 55); load only ever makes ticks
    // later, so the lower bound holds on a busy machine too.
    void ticksNeverComeEarly() {
        constexpr int kTicks = 20;
        QTimer timer;
        setUpTickTimer(timer);
        QCOMPARE(timer.interval(), kTickMs);
        QEventLoop loop;
        int ticks = 0;
        QElapsedTimer elapsed;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == kTicks)
                loop.quit();
        });
        elapsed.start();
        timer.start();
        loop.exec();
        QVERIFY2(
            elapsed.elapsed() >= kTicks * kTickMs - 1,
            qPrintable(QStringLiteral("%1 ticks took %2 ms").arg(kTicks).arg(elapsed.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestTickTimer)
#include "tst_tick_timer.moc"
