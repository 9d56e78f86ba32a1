#ifndef PICTUREBOOKLAYOUT_H
#define PICTUREBOOKLAYOUT_H

#include "platform/layout.h"

#include <QRect>

// The picture book's window: the open book, the kana index, the two arrows,
// the hint line, the two buttons, the timer and the sounds, the entry's voice
// among them. The table has no
// name; the screen that shows it gives it one.
const FormSpec &pictureBookLayout();

// The same window with only the book and the controls that show an entry on
// it, for a page shown on its own, where nothing is chosen and nothing sounds.
FormSpec bookPageLayout();

// The part of the window that the book's picture paints, in the layout's
// pixels: the picture leaves a margin around the book transparent.
QRect drawnBookArea();

#endif
