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
                     [this] { warnIfUnplayable(); });
}

// A file that cannot be played is never handed to the player: it stays
// silent, and the warning is ours alone.
void QtSoundPlayer::SetFile(const QString &path)
{
    Stop();
    if (path != m_path) {
        m_path = path;
        const WavProblem problem = checkWavFile(path);
        if (problem != WavProblem::None)
            m_notices.unplayable(path, wavProblemLogText(problem));
        if (m_effect)
            m_effect->setSource(problem == WavProblem::None ? QUrl::fromLocalFile(path) : QUrl());
    }
    if (m_effect)
        m_effect->play();
}

void QtSoundPlayer::Play()
{
    if (!m_effect)
        return;
    m_effect->stop();
    m_effect->play();
}

void QtSoundPlayer::Stop()
{
    if (m_effect)
        m_effect->stop();
}

// The original control's property of this number changes nothing that the
// program relies on, so it is accepted and ignored.
void QtSoundPlayer::SetProperty1030(int32_t) {}

void QtSoundPlayer::warnIfUnplayable()
{
    if (m_effect->status() == QSoundEffect::Error)
        m_notices.playerFailed(m_path, !QMediaDevices::audioOutputs().isEmpty());
}

QtSoundFactory::QtSoundFactory() : m_audible(machineHasAudioOutput()) {}

std::unique_ptr<SoundPlayer> QtSoundFactory::create(const QString &)
{
    return std::make_unique<QtSoundPlayer>(SoundNotices::shared(), m_audible);
}
