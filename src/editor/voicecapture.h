#ifndef VOICECAPTURE_H
#define VOICECAPTURE_H

#include "pack/voiceprocessor.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <memory>

class QAudioSource;
class QIODevice;

// Sound from an input device as it comes, through Qt's audio source in raw
// PCM: the loudest sample of each buffer for the meter, and from keep() on
// the samples themselves, up to a limit. Each buffer costs one pass over
// its samples, on the thread of the window.
class VoiceCapture : public QObject
{
    Q_OBJECT

public:
    explicit VoiceCapture(QObject *parent = nullptr);
    ~VoiceCapture() override;

    // Opens the device; false when it cannot be opened.
    bool start(const QAudioDevice &device, qint64 keptMilliseconds);
    // From now on the samples are kept, until the limit.
    void keep();
    // Closes the device and hands over what was kept.
    VoiceClip stop();
    bool isRunning() const { return m_input != nullptr; }

    // The loudest of the samples, as a share of full scale.
    static float peakOf(const QAudioFormat &format, const char *data, qsizetype bytes);

signals:
    void level(float peak);
    // The device stopped of itself: it went away, or the server did.
    void failed();

private:
    void read();
    void stateChanged();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_input = nullptr;
    QAudioFormat m_format;
    VoiceClip m_clip;
    std::size_t m_limit = 0;
    bool m_keeping = false;
};

#endif
