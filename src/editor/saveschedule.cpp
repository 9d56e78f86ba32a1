#include "editor/saveschedule.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>

SaveSchedule::SaveSchedule(const Clock &clock, int pauseMilliseconds, int longestMilliseconds)
    : m_clock(clock), m_pause(pauseMilliseconds / 1000.0), m_longest(longestMilliseconds / 1000.0)
{
}

void SaveSchedule::changed()
{
    m_last = m_clock.monotonicSeconds();
    if (!m_pending)
        m_first = m_last;
    m_pending = true;
}

void SaveSchedule::saved()
{
    m_pending = false;
}

int SaveSchedule::millisecondsLeft() const
{
    const double due = std::min(m_last + m_pause, m_first + m_longest);
    return std::max(0, int(std::ceil((due - m_clock.monotonicSeconds()) * 1000)));
}
