#include "platform/clock.h"
#include "support/fakes.h"

#include <QTest>

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void clickTimesRoundHalfToEven_data();
    void clickTimesRoundHalfToEven();
    void delayNeedsMoreThanTwoSeconds();
    void delayAcrossMidnightEnds();
};

void TestClock::clickTimesRoundHalfToEven_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("stored");
    QTest::newRow("100.4") << 100.4 << 100;
    QTest::newRow("100.5") << 100.5 << 100;
    QTest::newRow("100.6") << 100.6 << 101;
    QTest::newRow("101.5") << 101.5 << 102;
    QTest::newRow("midnight") << 0.2 << 0;
    QTest::newRow("last second") << 86399.5 << 86400;
}

void TestClock::clickTimesRoundHalfToEven()
{
    QFETCH(double, seconds);
    QFETCH(int, stored);
    QCOMPARE(wholeSeconds(seconds), stored);
}

void TestClock::delayNeedsMoreThanTwoSeconds()
{
    FakeClock clock;
    clock.now = 100.4;
    const int32_t clickTime = wholeSeconds(clock.now);
    clock.now = 102.0;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 102.1;
    QVERIFY(leaveDelayOver(clock, clickTime));

    clock.now = 100.6;
    const int32_t later = wholeSeconds(clock.now);
    clock.now = 102.9;
    QVERIFY(!leaveDelayOver(clock, later));
    clock.now = 103.05;
    QVERIFY(leaveDelayOver(clock, later));
}

void TestClock::delayAcrossMidnightEnds()
{
    FakeClock clock;
    clock.now = 86399.0;
    const int32_t clickTime = wholeSeconds(clock.now);
    clock.now = 0.5;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 1.0;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 1.1;
    QVERIFY(leaveDelayOver(clock, clickTime));

    clock.now = 86399.7; // stored as 86400, a second the clock never shows
    const int32_t rounded = wholeSeconds(clock.now);
    clock.now = 2.0;
    QVERIFY(!leaveDelayOver(clock, rounded));
    clock.now = 2.1;
    QVERIFY(leaveDelayOver(clock, rounded));
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
