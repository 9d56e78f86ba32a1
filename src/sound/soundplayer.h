#ifndef SOUNDPLAYER_H
#define SOUNDPLAYER_H

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

// One media player control of a screen. SetFile loads a WAV file and starts
// it at once from its beginning, replacing what the player played; Stop
// silences it before it is heard and keeps it loaded; Play sounds the loaded
// file from its beginning. None of them waits for the sound.
//
// A sound that plays to its end is told to the handler given to
// setEndedHandler, from the event loop and never from inside one of the
// calls: once its length has passed where it is heard, and at once where it
// cannot be (a file that cannot be played, no audio output), so that what
// follows a sound never waits for one nobody hears. A sound stopped or
// replaced before its end is not told.
class SoundPlayer
{
public:
    using EndedHandler = std::function<void()>;

    virtual ~SoundPlayer() = default;
    virtual void SetFile(const QString &path) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void SetProperty1030(int32_t value) = 0;
    virtual void setEndedHandler(EndedHandler handler) = 0;
};

// Makes the player behind each media player control of a screen's layout.
class SoundFactory
{
public:
    virtual ~SoundFactory() = default;
    virtual std::unique_ptr<SoundPlayer> create(const QString &controlName) = 0;
};

#endif
