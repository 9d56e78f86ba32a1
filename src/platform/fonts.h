#ifndef FONTS_H
#define FONTS_H

#include "platform/layout.h"

#include <QFont>

// The layouts name the Windows Mincho faces; IPA Mincho and IPA P Mincho
// stand in for them at the pixel sizes the layouts give.
QFont fontFor(const FontSpec &wanted);

#endif
