#include "sound/qtsoundplayer.h"

#include "sound/audiooutput.h"
#include "sound/soundnotices.h"
#include "sound/wavfile.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

namespace {

// Looked at once a run, before the first player: the answer and its one
// notice hold for every sound.
bool machineHasAudioOutput()
{
    static const bool present = [] {
        quietMultimedia();
        const bool found = audioOutputPresent();
        if (!found)
            SoundNotices::shared().noOutput();
        return found;
    }();
    return present;
}

} // namespace

QtSoundPlayer::QtSoundPlayer() : QtSoundPlayer(SoundNotices::shared(), machineHasAudioOutput()) {}

QtSoundPlayer::QtSoundPlayer(SoundNotices &notices, bool audible) : m_notices(notices)
{
    if (!audible)
        return;
    m_effect = std::make_unique<QSoundEffect>();
    QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, m_effect.get(),
                     [this] { statusChanged(); });
}

// A file that cannot be played is never handed to the player: it stays
// silent, and the warning is ours alone.
void QtSoundPlayer::SetFile(const QString &path)
{
    Stop();
    if (path != m_path) {
        m_path = path;
        const WavCheck check = checkWavSound(path);
        m_playable = check.problem == WavProblem::None;
        m_length = check.milliseconds;
        if (!m_playable)
            m_notices.unplayable(path, wavProblemLogText(check.problem));
        if (m_effect)
            m_effect->setSource(m_playable ? QUrl::fromLocalFile(path) : QUrl());
    }
    if (m_effect)
        m_effect->play();
    startEnd();
}

void QtSoundPlayer::Play()
{
    if (m_effect) {
        m_effect->stop();
        m_effect->play();
    }
    startEnd();
}

void QtSoundPlayer::Stop()
{
    if (m_effect)
        m_effect->stop();
    m_end.cancel();
    m_endAwaitsLoading = false;
}

// The original control's property of this number changes nothing that the
// program relies on, so it is accepted and ignored.
void QtSoundPlayer::SetProperty1030(int32_t) {}

void QtSoundPlayer::setEndedHandler(EndedHandler handler)
{
    m_end.setHandler(std::move(handler));
}

// The sound is heard from when Qt has it loaded, which for a file just set
// is a moment later; one that cannot be heard ends at once.
void QtSoundPlayer::startEnd()
{
    m_endAwaitsLoading = false;
    if (!m_effect || !m_playable || m_effect->status() == QSoundEffect::Error)
        m_end.startSound(0);
    else if (m_effect->status() == QSoundEffect::Ready)
        m_end.startSound(m_length);
    else
        m_endAwaitsLoading = true;
}

void QtSoundPlayer::statusChanged()
{
    const QSoundEffect::Status status = m_effect->status();
    if (status == QSoundEffect::Error)
        m_notices.playerFailed(m_path, !QMediaDevices::audioOutputs().isEmpty());
    if (!std::exchange(m_endAwaitsLoading, false))
        return;
    m_end.startSound(status == QSoundEffect::Ready ? m_length : 0);
}

QtSoundFactory::QtSoundFactory() : m_audible(machineHasAudioOutput()) {}

std::unique_ptr<SoundPlayer> QtSoundFactory::create(const QString &)
{
    return std::make_unique<QtSoundPlayer>(SoundNotices::shared(), m_audible);
}
