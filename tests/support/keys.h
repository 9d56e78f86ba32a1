#ifndef KEYS_H
#define KEYS_H

#include "platform/controlarray.h"
#include "platform/label.h"

#include <Qt>

// Presses a key on the widget that has the keyboard focus, as a person does.
void press(Qt::Key key);

// The quiz board's tile lit red, or -1 when none is.
int litTile(const ControlArray<Label> &board);

// Arrow keys from the tile with the focus (after a first press where no
// tile is lit) to the target tile: across the columns first, then along the
// column. The board must have the focus.
void lightTileByKeys(const ControlArray<Label> &board, int target);

#endif
