#ifndef QTSOUNDPLAYER_H
#define QTSOUNDPLAYER_H

#include "sound/soundend.h"
#include "sound/soundplayer.h"

#include <QSoundEffect>
#include <memory>

class SoundNotices;

// Plays short WAV files through Qt Multimedia. A missing or unplayable file
// stays silent with one warning line and is never handed to Qt at all. On a
// machine without audio output every player is silent and one line says so.
// A sound's end is its length, from its WAV header, after Qt has it loaded:
// what follows it on another player then reaches the speakers as late after
// Play as the sound itself did, so the two follow each other without a gap.
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
    void setEndedHandler(EndedHandler handler) override;

private:
    void startEnd();
    void statusChanged();

    SoundNotices &m_notices;
    QString m_path;
    bool m_playable = false;
    qint64 m_length = 0;
    SoundEnd m_end;
    // Play came before Qt had loaded the file: its length counts from then.
    bool m_endAwaitsLoading = false;
    // Last, so that it goes first, while what its signals reach is still there.
    std::unique_ptr<QSoundEffect> m_effect;
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
