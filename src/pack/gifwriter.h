#ifndef GIFWRITER_H
#define GIFWRITER_H

#include "pack/indexedpicture.h"

#include <QByteArray>

// Encodes an indexed picture as a one-image GIF with giflib: GIF 89a with
// its transparent colour when it has one, GIF 87a otherwise. Empty on
// failure.
QByteArray writeGif(const IndexedPicture &picture);

#endif
