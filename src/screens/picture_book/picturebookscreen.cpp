#include "picturebookscreen.h"
#include "picturebooklayout.h"

PictureBookScreen::PictureBookScreen(Program &program) : Screen(program, pictureBookLayout()) {}

void PictureBookScreen::connectHandlers(Form &) {}

void PictureBookScreen::load() {}
