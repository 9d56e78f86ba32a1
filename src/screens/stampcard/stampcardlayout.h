#ifndef STAMPCARDLAYOUT_H
#define STAMPCARDLAYOUT_H

#include "platform/layout.h"

// The card: the 60 names as they stand on the quiz board, each with a
// stamp that shows once the name is learned, the count, and a button back
// to the menu.
const FormSpec &stampCardLayout();

#endif
