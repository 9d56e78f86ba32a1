#ifndef CLOCK_H
#define CLOCK_H

#include <cstdint>

// The time of day in seconds since midnight, with its fraction. It starts
// again from 0 at midnight.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() const override;
};

constexpr double SecondsPerDay = 86400.0;

// A click time: the clock's seconds rounded to the nearest whole second, a
// half to the even one.
int32_t wholeSeconds(double seconds);

// True once more than 2.0 seconds have passed since a click stored with
// wholeSeconds. A wait that spans midnight counts on past it.
bool leaveDelayOver(const Clock &clock, int32_t clickTime);

#endif
