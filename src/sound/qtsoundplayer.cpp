#include "sound/qtsoundplayer.h"

#include "sound/wavfile.h"

#include <QSet>
#include <QUrl>
#include <cstdio>

namespace {

QString describe(WavProblem problem)
{
    switch (problem) {
    case WavProblem::None:
        break;
    case WavProblem::Missing:
        return QStringLiteral("no such file");
    case WavProblem::Folder:
        return QStringLiteral("a folder in place of the file");
    case WavProblem::Empty:
        return QStringLiteral("the file is empty");
    case WavProblem::TooLarge:
        return QStringLiteral("the file is larger than %1 MB").arg(MaximumSoundBytes >> 20);
    case WavProblem::Unreadable:
        return QStringLiteral("the file cannot be read");
    case WavProblem::NotWave:
        return QStringLiteral("not a WAV file");
    case WavProblem::NotPcm:
        return QStringLiteral("the sound is not PCM");
    case WavProblem::FormatIncomplete:
        return QStringLiteral("the sound format is incomplete");
    case WavProblem::DataBeforeFormat:
        return QStringLiteral("no sound format comes before the sound data");
    case WavProblem::CutShort:
        return QStringLiteral("the file is cut short");
    case WavProblem::NoData:
        return QStringLiteral("no sound data");
    }
    return QString();
}

// One line for each file that cannot be played, however often it is asked
// for: a quiz would otherwise repeat it at every answer.
void warnOnce(const QString &path, const QString &problem)
{
    static QSet<QString> warned;
    if (warned.contains(path))
        return;
    warned.insert(path);
    std::fprintf(stderr, "hana: warning: cannot play sound %s: %s\n", qPrintable(path),
                 qPrintable(problem));
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect,
                     [this] { warnIfUnplayable(); });
}

// A file that cannot be played is never handed to the player: it stays
// silent, and the warning is ours alone.
void QtSoundPlayer::SetFile(const QString &path)
{
    m_effect.stop();
    if (path != m_path) {
        m_path = path;
        const WavProblem problem = checkWavFile(path);
        if (problem != WavProblem::None)
            warnOnce(path, describe(problem));
        m_effect.setSource(problem == WavProblem::None ? QUrl::fromLocalFile(path) : QUrl());
    }
    m_effect.play();
}

void QtSoundPlayer::Play()
{
    m_effect.stop();
    m_effect.play();
}

void QtSoundPlayer::Stop()
{
    m_effect.stop();
}

// The original control's property of this number changes nothing that the
// program relies on, so it is accepted and ignored.
void QtSoundPlayer::SetProperty1030(int32_t) {}

void QtSoundPlayer::warnIfUnplayable()
{
    if (m_effect.status() == QSoundEffect::Error)
        warnOnce(m_path, QStringLiteral("the player cannot decode it"));
}

std::unique_ptr<SoundPlayer> QtSoundFactory::create(const QString &)
{
    return std::make_unique<QtSoundPlayer>();
}
