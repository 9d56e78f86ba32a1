#include "app/leavedelay.h"
#include "platform/timer.h"
#include "support/fakes.h"

#include <QTest>

class TestLeaveDelay : public QObject
{
    Q_OBJECT

private slots:
    void clickStoresChoiceTimeAndTicks();
    void waitEndsOnlyAfterMoreThanTwoSeconds();
    void laterClickStartsAfresh();

private:
    FakeClock m_clock;
    int16_t NextScreen = 0;
    ClickMoment ClickTime;
    LeaveDelay m_delay{m_clock, NextScreen, ClickTime};
    Timer m_timer{QStringLiteral("Timer1"), 0, nullptr};
};

void TestLeaveDelay::clickStoresChoiceTimeAndTicks()
{
    m_clock.now = 100.5;
    m_delay.choose(m_timer, 2);
    QCOMPARE(NextScreen, int16_t(2));
    QCOMPARE(ClickTime.clickTime, 100);
    QCOMPARE(m_timer.interval(), 100);
    QVERIFY(m_timer.isTicking());

    m_clock.now = 200.6;
    m_delay.start(m_timer);
    QCOMPARE(NextScreen, int16_t(2));
    QCOMPARE(ClickTime.clickTime, 201);
}

void TestLeaveDelay::waitEndsOnlyAfterMoreThanTwoSeconds()
{
    m_clock.now = 300.0;
    m_delay.choose(m_timer, 1);
    m_clock.now = 302.0;
    QVERIFY(!m_delay.finished(m_timer));
    QCOMPARE(m_timer.interval(), 100);
    m_clock.now = 302.1;
    QVERIFY(m_delay.finished(m_timer));
    QCOMPARE(m_timer.interval(), 0);
    QVERIFY(!m_timer.isTicking());
}

void TestLeaveDelay::laterClickStartsAfresh()
{
    m_clock.now = 400.0;
    m_delay.choose(m_timer, 1);
    m_clock.now = 401.5;
    m_delay.choose(m_timer, 3);
    m_clock.now = 402.5;
    QVERIFY(!m_delay.finished(m_timer));
    m_clock.now = 404.1;
    QVERIFY(m_delay.finished(m_timer));
    QCOMPARE(NextScreen, int16_t(3));
}

QTEST_GUILESS_MAIN(TestLeaveDelay)
#include "tst_leavedelay.moc"
