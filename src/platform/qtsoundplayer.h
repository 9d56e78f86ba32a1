#ifndef QTSOUNDPLAYER_H
#define QTSOUNDPLAYER_H

#include "soundplayer.h"

#include <QSoundEffect>

// The largest sound file the player takes, as it holds a whole sound in
// memory. The program's sounds last a second or two; sixteen megabytes is a
// minute and a half of CD sound.
constexpr qint64 MaximumSoundBytes = 16 * 1024 * 1024;

// Plays short WAV files through Qt Multimedia. A missing or unplayable file,
// or a machine without audio output, stays silent with one warning line.
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
