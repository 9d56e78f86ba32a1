#include "sound/qtsoundplayer.h"

// The entry point the program resolves after loading this module.
extern "C" Q_DECL_EXPORT SoundFactory *hanaSoundFactory()
{
    return new QtSoundFactory;
}
