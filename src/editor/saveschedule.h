#ifndef SAVESCHEDULE_H
#define SAVESCHEDULE_H

class Clock;

// When changes are to be saved: a pause after the last change, but never
// later than the longest wait after the first change not yet saved, so that
// typing on and on is saved all the same. Times come from the clock's
// monotonic count.
class SaveSchedule
{
public:
    SaveSchedule(const Clock &clock, int pauseMilliseconds, int longestMilliseconds);

    void changed();
    void saved();
    bool pending() const { return m_pending; }
    // Milliseconds from now until the save is due; 0 when it is due.
    int millisecondsLeft() const;

private:
    const Clock &m_clock;
    double m_pause;
    double m_longest;
    bool m_pending = false;
    double m_first = 0;
    double m_last = 0;
};

#endif
