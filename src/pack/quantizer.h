#ifndef QUANTIZER_H
#define QUANTIZER_H

#include "pack/indexedpicture.h"

#include <QImage>

// Reduces a picture to 256 colours with libimagequant, dithered. Pixels at
// least half transparent become the one transparent colour; every other
// pixel is taken as opaque.
IndexedPicture quantize(const QImage &picture);

#endif
