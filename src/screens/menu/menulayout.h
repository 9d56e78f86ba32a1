#ifndef MENULAYOUT_H
#define MENULAYOUT_H

#include "platform/layout.h"

const FormSpec &menuLayout();
// The menu when records are kept: who is playing below it, the buttons of
// the review game and the stamp card below the hydrangea, and a button back
// to the learner screen beside who is playing.
const FormSpec &recordsMenuLayout();

#endif
