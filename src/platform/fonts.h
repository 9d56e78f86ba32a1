#ifndef FONTS_H
#define FONTS_H

#include "platform/layout.h"

#include <QFont>

// The layouts' Mincho faces at the pixel sizes they give: "ＭＳ 明朝" and
// "ＭＳ Ｐ明朝" where they are installed, IPA Mincho and IPA P Mincho in
// their place elsewhere.
QFont fontFor(const FontSpec &wanted);

#endif
