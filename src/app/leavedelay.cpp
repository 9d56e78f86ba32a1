#include "app/leavedelay.h"
#include "platform/clock.h"
#include "platform/timer.h"

namespace {

constexpr int TickMilliseconds = 100;

} // namespace

LeaveDelay::LeaveDelay(const Clock &clock, int16_t &nextScreen, ClickMoment &clickTime)
    : m_clock(clock), m_nextScreen(nextScreen), m_clickTime(clickTime)
{
}

void LeaveDelay::choose(Timer &timer, int16_t next)
{
    m_nextScreen = next;
    start(timer);
}

void LeaveDelay::start(Timer &timer)
{
    timer.setInterval(TickMilliseconds);
    m_clickTime = clickMomentNow(m_clock);
}

bool LeaveDelay::finished(Timer &timer) const
{
    if (!leaveDelayOver(m_clock, m_clickTime))
        return false;
    timer.setInterval(0);
    return true;
}
