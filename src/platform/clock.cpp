#include "platform/clock.h"

#include <QTime>
#include <chrono>
#include <cmath>

namespace {

constexpr double LeaveDelaySeconds = 2.0;

} // namespace

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double SystemClock::monotonicSeconds() const
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceStart).count();
}

QDateTime SystemClock::currentDateTimeUtc() const
{
    return QDateTime::currentDateTimeUtc();
}

// nearbyint rounds in the default mode, to nearest with halves to even.
int32_t wholeSeconds(double seconds)
{
    return int32_t(std::nearbyint(seconds));
}

ClickMoment clickMomentNow(const Clock &clock)
{
    const double timeOfDay = clock.secondsSinceMidnight();
    return {wholeSeconds(timeOfDay), timeOfDay, clock.monotonicSeconds()};
}

bool leaveDelayOver(const Clock &clock, const ClickMoment &click)
{
    const double sinceClick = clock.monotonicSeconds() - click.monotonic;
    return (click.timeOfDay - double(click.clickTime)) + sinceClick > LeaveDelaySeconds;
}
