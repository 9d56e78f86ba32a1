#ifndef QTSOUNDPLAYER_H
#define QTSOUNDPLAYER_H

#include "sound/soundplayer.h"

#include <QSoundEffect>
#include <memory>

class SoundNotices;

// Plays short WAV files through Qt Multimedia. A missing or unplayable file
// stays silent with one warning line and is never handed to Qt at all. On a
// machine without audio output every player is silent and one line says so.
class QtSoundPlayer : public SoundPlayer
{
public:
    // A player with this process's notices, audible when the machine has an
    // audio output.
    QtSoundPlayer();
    QtSoundPlayer(SoundNotices &notices, bool audible);

    void SetFile(const QString &path) override;
    void Play() override;
    void Stop() override;
    void SetProperty1030(int32_t value) override;

private:
    void warnIfUnplayable();

    SoundNotices &m_notices;
    std::unique_ptr<QSoundEffect> m_effect;
    QString m_path;
};

class QtSoundFactory : public SoundFactory
{
public:
    QtSoundFactory();
    std::unique_ptr<SoundPlayer> create(const QString &controlName) override;

private:
    bool m_audible;
};

#endif
