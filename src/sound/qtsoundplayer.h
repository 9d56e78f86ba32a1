#ifndef QTSOUNDPLAYER_H
#define QTSOUNDPLAYER_H

#include "sound/soundplayer.h"

#include <QSoundEffect>

// Plays short WAV files through Qt Multimedia. A missing or unplayable file,
// or a machine without audio output, stays silent with one warning line; a
// file that cannot be played is never handed to Qt at all.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();

    void SetFile(const QString &path) override;
    void Play() override;
    void Stop() override;
    void SetProperty1030(int32_t value) override;

private:
    void warnIfUnplayable();

    QSoundEffect m_effect;
    QString m_path;
};

class QtSoundFactory : public SoundFactory
{
public:
    std::unique_ptr<SoundPlayer> create(const QString &controlName) override;
};

#endif
