#ifndef DEFERREDSOUND_H
#define DEFERREDSOUND_H

#include "sound/soundplayer.h"

#include <QString>
#include <vector>

class DeferredSoundPlayer;
class QWidget;

// Hands out sound players before the sound backend is there. Qt Multimedia
// and the libraries under it take longer to load than the whole first
// screen, so the program loads them only after its first paint; players made
// before that remember what was asked of them and pass it on once the
// backend is attached. Players made afterwards are the backend's own.
class DeferredSoundFactory : public SoundFactory
{
public:
    DeferredSoundFactory();
    ~DeferredSoundFactory() override;

    std::unique_ptr<SoundPlayer> create(const QString &controlName) override;
    void attach(std::unique_ptr<SoundFactory> backend);
    bool isAttached() const { return m_backend != nullptr; }

    // Loads the sound module beside the executable once the window has been
    // painted for the first time, and attaches its players.
    void attachAfterFirstPaint(QWidget *window, const QString &modulePath);

private:
    friend class DeferredSoundPlayer;
    void forget(DeferredSoundPlayer *player);

    std::unique_ptr<SoundFactory> m_backend;
    std::vector<DeferredSoundPlayer *> m_waiting;
};

// The sound backend in a module: its players, or silent ones (with one
// warning line) when the module cannot be loaded.
std::unique_ptr<SoundFactory> loadSoundModule(const QString &path);

#endif
