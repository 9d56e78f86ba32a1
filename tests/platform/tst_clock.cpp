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
    void settingTheClockChangesNoDelay_data();
    void settingTheClockChangesNoDelay();
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
    const ClickMoment clickTime = clickMomentNow(clock);
    clock.now = 102.0;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 102.1;
    QVERIFY(leaveDelayOver(clock, clickTime));

    clock.now = 100.6;
    const ClickMoment later = clickMomentNow(clock);
    clock.now = 102.9;
    QVERIFY(!leaveDelayOver(clock, later));
    clock.now = 103.05;
    QVERIFY(leaveDelayOver(clock, later));
}

void TestClock::delayAcrossMidnightEnds()
{
    FakeClock clock;
    clock.now = 86399.0;
    const ClickMoment clickTime = clickMomentNow(clock);
    clock.now = 0.5;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 1.0;
    QVERIFY(!leaveDelayOver(clock, clickTime));
    clock.now = 1.1;
    QVERIFY(leaveDelayOver(clock, clickTime));

    clock.now = 86399.7; // stored as 86400, a second the clock never shows
    const ClickMoment rounded = clickMomentNow(clock);
    clock.now = 2.0;
    QVERIFY(!leaveDelayOver(clock, rounded));
    clock.now = 2.1;
    QVERIFY(leaveDelayOver(clock, rounded));
}

void TestClock::settingTheClockChangesNoDelay_data()
{
    QTest::addColumn<double>("click");
    QTest::addColumn<double>("setTo");
    QTest::newRow("an hour back") << 36000.4 << 32401.0;
    QTest::newRow("an hour forward") << 36000.4 << 39601.0;
    QTest::newRow("a few seconds back") << 36000.4 << 35998.0;
    QTest::newRow("back across midnight") << 1.0 << 86000.0;
    QTest::newRow("forward across midnight") << 86399.0 << 1800.0;
}

// The clock is set a second after the click; the delay still ends between
// 2.0 and 2.1 seconds after the stored click time, by the time that passed.
void TestClock::settingTheClockChangesNoDelay()
{
    QFETCH(double, click);
    QFETCH(double, setTo);
    FakeClock clock;
    clock.now = click;
    const ClickMoment moment = clickMomentNow(clock);
    QCOMPARE(moment.clickTime, wholeSeconds(click));
    const double untilEnd = moment.clickTime + 2.0 - click;
    clock.now += 1.0;
    clock.setWallClock(setTo);
    clock.now = setTo + (untilEnd - 1.0) - 0.05;
    QVERIFY(!leaveDelayOver(clock, moment));
    clock.now += 0.1;
    QVERIFY(leaveDelayOver(clock, moment));
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
