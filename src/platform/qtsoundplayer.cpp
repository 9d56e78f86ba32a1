#include "qtsoundplayer.h"

#include <QUrl>
#include <cstdio>

QtSoundPlayer::QtSoundPlayer()
{
    QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect,
                     [this] { warnIfUnplayable(); });
}

void QtSoundPlayer::SetFile(const QString &path)
{
    m_effect.stop();
    if (path != m_path) {
        m_path = path;
        m_effect.setSource(QUrl::fromLocalFile(path));
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
        std::fprintf(stderr, "hana: warning: cannot play sound %s\n", qPrintable(m_path));
}

std::unique_ptr<SoundPlayer> QtSoundFactory::create(const QString &)
{
    return std::make_unique<QtSoundPlayer>();
}
