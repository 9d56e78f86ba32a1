#ifndef CLOCK_H
#define CLOCK_H

#include <QDateTime>
#include <cstdint>

// The time of day in seconds since midnight, with its fraction, which
// starts again from 0 at midnight and moves when the clock is set; and a
// monotonic count of seconds, which only ever runs on; and the date and time
// in UTC, which the records keep.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    virtual double monotonicSeconds() const = 0;
    virtual QDateTime currentDateTimeUtc() const = 0;
};

class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
    QDateTime currentDateTimeUtc() const override;
};

constexpr double SecondsPerDay = 86400.0;

// A click time: the clock's seconds rounded to the nearest whole second, a
// half to the even one.
int32_t wholeSeconds(double seconds);

// When a click came: its time of day as stored (clickTime, whole seconds),
// the time of day it really had, and the monotonic count at that moment.
struct ClickMoment
{
    int32_t clickTime = 0;
    double timeOfDay = 0;
    double monotonic = 0;
};

ClickMoment clickMomentNow(const Clock &clock);

// True once the time of day, counted on from the click by the monotonic
// clock, lies more than 2.0 seconds past the stored clickTime: 1.5 to 2.5
// seconds after the click, whatever happens to the time of day meanwhile
// (midnight, or the clock set back or forward).
bool leaveDelayOver(const Clock &clock, const ClickMoment &click);

#endif
