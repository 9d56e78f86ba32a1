#ifndef QUIZLAYOUT_H
#define QUIZLAYOUT_H

#include "platform/layout.h"

// The back colour of the answer tiles as the layout gives it.
constexpr QRgb TileColor = 0xFF8080FF;

const FormSpec &quizLayout();

#endif
