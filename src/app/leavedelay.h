#ifndef LEAVEDELAY_H
#define LEAVEDELAY_H

#include "platform/clock.h"

#include <cstdint>

class Timer;

// The wait of a little over two seconds that follows a click leaving a
// screen, and the quiz's pause after an answer. A click stores the time of
// day in whole seconds and sets the screen's timer to tick every 100 ms; the
// first tick at which more than 2.0 seconds have passed since the stored
// time, counted on the monotonic clock, ends the wait and stops the timer. A later click starts the
// wait afresh. The choice and the click time are the screen's own variables, NextScreen and
// ClickTime, which keep their values while its window is closed.
class LeaveDelay
{
public:
    LeaveDelay(const Clock &clock, int16_t &nextScreen, ClickMoment &clickTime);

    // Stores the choice in NextScreen, then starts the wait.
    void choose(Timer &timer, int16_t next);
    void start(Timer &timer);
    // On a tick of the timer: true once the wait is over, the timer stopped.
    bool finished(Timer &timer) const;

private:
    const Clock &m_clock;
    int16_t &m_nextScreen;
    ClickMoment &m_clickTime;
};

#endif
