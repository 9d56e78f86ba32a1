#ifndef SINKRECORDER_H
#define SINKRECORDER_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>

// Records what the null sink of scripts/with-null-sink plays, through parec
// from its monitor, as 16-bit mono samples at ToneRate. One recording runs
// for the recorder's whole life: a new one takes a moment to deliver.
class SinkRecorder
{
public:
    // Whether an audio server is there to record from.
    static bool serverRunning();

    SinkRecorder();
    ~SinkRecorder();

    // Starts parec and waits until samples arrive; false if it cannot.
    bool start();
    // Forgets what came so far: the next recording begins now.
    void restart();
    // What came since the last restart, once the event loop has run for
    // the milliseconds given.
    QByteArray recordFor(int milliseconds);
    // How many samples had come since the last restart when this is called.
    qsizetype samplesSoFar();

private:
    QProcess m_parec;
    QByteArray m_recorded;
};

#endif
