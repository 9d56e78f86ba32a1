#include "editor/voicecapture.h"

#include <QAudioSource>
#include <algorithm>
#include <cmath>

namespace {

// The buffers the server hands over: short, so that the meter follows the
// voice and the last of a take comes in at once. The server's own choice
// is two seconds.
constexpr qint64 BufferMicroseconds = 20000;

// Mono at a rate every server gives, in the samples of a CD; the device's
// own format where it refuses that.
QAudioFormat formatFor(const QAudioDevice &device)
{
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return device.isFormatSupported(format) ? format : device.preferredFormat();
}

} // namespace

VoiceCapture::VoiceCapture(QObject *parent) : QObject(parent) {}

VoiceCapture::~VoiceCapture()
{
    stop();
}

bool VoiceCapture::start(const QAudioDevice &device, qint64 keptMilliseconds)
{
    stop();
    m_format = formatFor(device);
    if (!m_format.isValid())
        return false;
    m_clip = {{}, m_format.sampleRate(), m_format.channelCount()};
    m_limit = std::size_t(keptMilliseconds * m_format.sampleRate() / 1000) *
              std::size_t(m_format.channelCount());
    m_keeping = false;
    m_source = std::make_unique<QAudioSource>(device, m_format);
    m_source->setBufferSize(m_format.bytesForDuration(BufferMicroseconds));
    connect(m_source.get(), &QAudioSource::stateChanged, this, &VoiceCapture::stateChanged);
    m_input = m_source->start();
    if (!m_input || m_source->error() != QAudio::NoError) {
        stop();
        return false;
    }
    connect(m_input, &QIODevice::readyRead, this, &VoiceCapture::read);
    return true;
}

void VoiceCapture::keep()
{
    m_keeping = true;
}

VoiceClip VoiceCapture::stop()
{
    if (m_input)
        read();
    m_input = nullptr;
    if (m_source) {
        m_source->disconnect(this);
        m_source->stop();
        m_source.reset();
    }
    m_keeping = false;
    return std::exchange(m_clip, {});
}

float VoiceCapture::peakOf(const QAudioFormat &format, const char *data, qsizetype bytes)
{
    const int step = format.bytesPerSample();
    float peak = 0;
    for (qsizetype at = 0; step > 0 && at + step <= bytes; at += step)
        peak = std::max(peak, std::abs(format.normalizedSampleValue(data + at)));
    return std::min(peak, 1.0f);
}

void VoiceCapture::read()
{
    const QByteArray data = m_input->readAll();
    if (data.isEmpty())
        return;
    emit level(peakOf(m_format, data.constData(), data.size()));
    if (!m_keeping)
        return;
    const int step = m_format.bytesPerSample();
    for (qsizetype at = 0; at + step <= data.size() && m_clip.samples.size() < m_limit; at += step)
        m_clip.samples.push_back(m_format.normalizedSampleValue(data.constData() + at));
}

// The source is let go once its signal has returned.
void VoiceCapture::stateChanged()
{
    if (m_source->state() != QAudio::StoppedState || m_source->error() == QAudio::NoError)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isRunning())
                return;
            stop();
            emit failed();
        },
        Qt::QueuedConnection);
}
