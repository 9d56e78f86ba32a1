#include "sound/soundnotices.h"

#include <cstdio>

SoundNotices::SoundNotices(Writer write) : m_write(std::move(write)) {}

SoundNotices &SoundNotices::shared()
{
    static SoundNotices notices(
        [](const QString &line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    return notices;
}

void SoundNotices::noOutput()
{
    if (std::exchange(m_saidNoOutput, true))
        return;
    m_write(QStringLiteral("hana: warning: no sound: no audio output device is available"));
}

void SoundNotices::unplayable(const QString &path, const QString &problem)
{
    if (m_named.contains(path))
        return;
    m_named.insert(path);
    m_write(QStringLiteral("hana: warning: cannot play sound %1: %2").arg(path, problem));
}

void SoundNotices::playerFailed(const QString &path, bool outputPresent)
{
    if (outputPresent)
        unplayable(path, QStringLiteral("the player cannot decode it"));
    else
        noOutput();
}
