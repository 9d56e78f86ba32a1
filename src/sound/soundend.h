#ifndef SOUNDEND_H
#define SOUNDEND_H

#include "sound/soundplayer.h"

#include <QTimer>

// The end of a player's sound as its ended handler is told of it: from the
// event loop, a given time after the sound starts or at once, and not at all
// when the sound is stopped or replaced first.
class SoundEnd
{
public:
    SoundEnd();

    void setHandler(SoundPlayer::EndedHandler handler) { m_handler = std::move(handler); }
    // The sound starts now and lasts this long; a sound before it is forgotten.
    void startSound(qint64 milliseconds);
    void cancel() { m_timer.stop(); }
    bool isPending() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    SoundPlayer::EndedHandler m_handler;
};

#endif
