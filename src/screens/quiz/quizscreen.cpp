#include "quizscreen.h"
#include "quizlayout.h"

QuizScreen::QuizScreen(Program &program) : Screen(program, quizLayout()) {}

void QuizScreen::connectHandlers(Form &) {}

void QuizScreen::load() {}
