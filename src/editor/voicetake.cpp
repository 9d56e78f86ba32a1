#include "editor/voicetake.h"
#include "platform/clock.h"

#include <cmath>

namespace {

constexpr int TickMilliseconds = 20;

const Clock &clockOf(const TakeTiming &timing)
{
    static const SystemClock system;
    return timing.clock ? *timing.clock : system;
}

} // namespace

VoiceTake::VoiceTake(const TakeTiming &timing, QObject *parent)
    : QObject(parent), m_timing(timing), m_clock(clockOf(timing))
{
    m_ticks.setInterval(TickMilliseconds);
    connect(&m_ticks, &QTimer::timeout, this, &VoiceTake::advance);
    connect(&m_capture, &VoiceCapture::level, this, &VoiceTake::level);
    connect(&m_capture, &VoiceCapture::failed, this, [this] {
        m_ticks.stop();
        m_phase = Phase::Idle;
        emit failed();
        emit ended();
    });
}

// The samples kept reach a little past the longest take, so that a last
// tick that comes late cuts nothing.
bool VoiceTake::start(const QAudioDevice &device)
{
    if (m_phase != Phase::Idle)
        return false;
    const auto kept = qint64((m_timing.longest + 1) * 1000);
    if (!m_capture.start(device, kept))
        return false;
    m_started = m_clock.monotonicSeconds();
    m_phase = Phase::Counting;
    m_count = m_timing.count;
    m_ticks.start();
    emit countChanged(m_count);
    if (m_count == 0)
        advance();
    return true;
}

double VoiceTake::seconds() const
{
    if (m_phase != Phase::Recording)
        return 0;
    return m_clock.monotonicSeconds() - m_started - m_timing.count;
}

void VoiceTake::advance()
{
    const double since = m_clock.monotonicSeconds() - m_started;
    if (m_phase == Phase::Counting) {
        const int count = m_timing.count - int(std::floor(since));
        if (count > 0) {
            if (count != m_count)
                emit countChanged(m_count = count);
            return;
        }
        m_phase = Phase::Recording;
        m_count = 0;
        m_capture.keep();
        emit countChanged(0);
        emit recordingStarted();
    }
    if (m_phase == Phase::Recording && seconds() >= m_timing.longest)
        finish(true);
}

void VoiceTake::stop()
{
    finish(m_phase == Phase::Recording);
}

void VoiceTake::cancel()
{
    finish(false);
}

void VoiceTake::finish(bool keep)
{
    if (m_phase == Phase::Idle)
        return;
    m_ticks.stop();
    m_phase = Phase::Idle;
    m_count = 0;
    VoiceClip clip = m_capture.stop();
    if (keep)
        emit taken(clip);
    emit ended();
}
