#ifndef TWIPS_H
#define TWIPS_H

#include <QtGlobal>

// Layout units: 1/1440 inch, 15 to a logical pixel at 96 dots per inch.
constexpr float TwipsPerPixel = 15.0f;

inline int twipsToPixels(float twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline float pixelsToTwips(int pixels)
{
    return float(pixels) * TwipsPerPixel;
}

#endif
