#ifndef LEARNERSLAYOUT_H
#define LEARNERSLAYOUT_H

#include "platform/layout.h"

namespace LearnerTiles {

// Tiles for a class of learners, in rows of Columns, and after them the
// guest's tile, which has the index Guest.
constexpr int Count = 40;
constexpr int Columns = 5;
constexpr int Guest = Count;

} // namespace LearnerTiles

// The back colours of a learner's tile, of the guest's, and of the tile the
// keys or the last click lit.
constexpr QRgb LearnerTileColor = 0xFF8080FF;
constexpr QRgb GuestTileColor = 0xFFFFF0B0;
constexpr QRgb ChosenTileColor = 0xFFFF0000;

const FormSpec &learnersLayout();

#endif
