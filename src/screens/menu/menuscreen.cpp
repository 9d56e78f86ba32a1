#include "menuscreen.h"
#include "menulayout.h"

MenuScreen::MenuScreen(Program &program) : Screen(program, menuLayout()) {}

void MenuScreen::connectHandlers(Form &) {}

void MenuScreen::load() {}
