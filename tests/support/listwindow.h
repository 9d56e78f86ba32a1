#ifndef LISTWINDOW_H
#define LISTWINDOW_H

#include "platform/layout.h"

// A window of 6000 x 4500 twips (400 x 300 pixels) that holds the picture
// book's list alone, black on white: the list as the book has it, measured
// and drawn by the tests of its widths.
const FormSpec &bookListWindow();

#endif
