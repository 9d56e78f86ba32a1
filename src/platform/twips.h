#ifndef TWIPS_H
#define TWIPS_H

#include "platform/failure.h"

#include <QtGlobal>
#include <cmath>
#include <cstdint>

// Layout units: 1/1440 inch, 15 to a logical pixel at 96 dots per inch.
constexpr float TwipsPerPixel = 15.0f;

// A layout drawn at a factor (full screen) has factor logical pixels to each
// of its own; the window of its design size has the factor 1.
inline int twipsToPixels(float twips, qreal factor = 1)
{
    return qRound(twips / TwipsPerPixel * factor);
}

inline float pixelsToTwips(int pixels)
{
    return float(pixels) * TwipsPerPixel;
}

// A layout value stored by a screen: the nearest whole unit (a half to the
// even one) in a 16-bit integer. A value out of its range is an error.
inline int16_t roundToInt16(float value)
{
    const float rounded = std::nearbyint(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        throw Failure(QStringLiteral("値 %1 が16ビット整数の範囲を超えています。").arg(value));
    return int16_t(rounded);
}

#endif
