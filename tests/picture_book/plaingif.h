#ifndef PLAINGIF_H
#define PLAINGIF_H

#include <QByteArray>

// A GIF picture of one colour and the given pixel size, for pictures of an
// exact size that the content pack does not have.
QByteArray plainGif(int width, int height);

#endif
