#ifndef VOICETAKE_H
#define VOICETAKE_H

#include "editor/voicecapture.h"

#include <QTimer>

class Clock;

// How a take goes: a count before it, and its longest length.
struct TakeTiming
{
    int count = 3;                // the count before the take: 3, 2, 1
    double longest = 5.0;         // seconds
    const Clock *clock = nullptr; // the system's when none is given
};

// One take of a flower's name: the microphone opens at once and the meter
// moves while the count runs 3, 2, 1 a second each; then the take runs
// until it is stopped or reaches its longest. The count and the length go
// by the clock; the timer only asks it often.
class VoiceTake : public QObject
{
    Q_OBJECT

public:
    enum class Phase
    {
        Idle,
        Counting,
        Recording,
    };

    explicit VoiceTake(const TakeTiming &timing, QObject *parent = nullptr);

    // Opens the device and starts the count; false when it cannot be opened.
    bool start(const QAudioDevice &device);
    // Ends the take and hands it on as taken; during the count, stops it
    // with nothing taken.
    void stop();
    // Ends the take with nothing taken, as when the window closes.
    void cancel();

    Phase phase() const { return m_phase; }
    // What the count shows, 0 once the take runs.
    int count() const { return m_count; }
    // The seconds the take has run.
    double seconds() const;

signals:
    void countChanged(int count);
    void recordingStarted();
    void level(float peak);
    void taken(const VoiceClip &clip);
    void ended();
    void failed();

private:
    void advance();
    void finish(bool keep);

    TakeTiming m_timing;
    const Clock &m_clock;
    VoiceCapture m_capture;
    QTimer m_ticks;
    Phase m_phase = Phase::Idle;
    double m_started = 0;
    int m_count = 0;
};

#endif
