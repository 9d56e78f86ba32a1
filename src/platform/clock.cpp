#include "platform/clock.h"

#include <QTime>
#include <cmath>

namespace {

constexpr double LeaveDelaySeconds = 2.0;

} // namespace

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

// nearbyint rounds in the default mode, to nearest with halves to even.
int32_t wholeSeconds(double seconds)
{
    return int32_t(std::nearbyint(seconds));
}

// The clock restarts at midnight, so an elapsed time that comes out more
// than half a day negative has crossed midnight and is counted on from there.
bool leaveDelayOver(const Clock &clock, int32_t clickTime)
{
    double elapsed = clock.secondsSinceMidnight() - double(clickTime);
    if (elapsed < -SecondsPerDay / 2)
        elapsed += SecondsPerDay;
    return elapsed > LeaveDelaySeconds;
}
