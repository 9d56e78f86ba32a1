#ifndef VOICEMAKER_H
#define VOICEMAKER_H

#include "pack/voiceprocessor.h"

#include <QFutureWatcher>
#include <QObject>

// Makes a pack's voice from a take or a teacher's file on a worker thread,
// one at a time, with the code hana-pack uses, and hands it over on the
// window's thread.
class VoiceMaker : public QObject
{
    Q_OBJECT

public:
    explicit VoiceMaker(QObject *parent = nullptr);
    ~VoiceMaker() override;

    // take names the recording in what is said of it.
    void makeFromTake(int entry, const VoiceClip &clip, const QString &take);
    void makeFromFile(int entry, const QString &file);
    bool isBusy() const { return m_entry > 0; }
    // Waits for the voice being made and hands it over now, as the window
    // closes: a take that was made is saved.
    void finish();

signals:
    // recorded tells a take from a file.
    void made(int entry, const ProcessedVoice &voice, bool recorded);

private:
    void begin(int entry, bool recorded, const std::function<ProcessedVoice()> &work);
    void handOver();

    QFutureWatcher<ProcessedVoice> m_watcher;
    int m_entry = 0;
    bool m_recorded = false;
};

#endif
