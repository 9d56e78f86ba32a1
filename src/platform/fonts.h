#ifndef FONTS_H
#define FONTS_H

#include "platform/layout.h"

#include <QFont>

// The layouts' Mincho faces at the pixel sizes they give: "ＭＳ 明朝" and
// "ＭＳ Ｐ明朝" where they are installed, IPA Mincho and IPA P Mincho in
// their place elsewhere.
// At a factor other than 1 the pixel size is scaled and rounded down, so
// that text laid out by Qt's own widgets never comes out wider than at the
// layout's size.
QFont fontFor(const FontSpec &wanted, qreal factor = 1);

#endif
