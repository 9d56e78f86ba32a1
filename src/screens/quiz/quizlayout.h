#ifndef QUIZLAYOUT_H
#define QUIZLAYOUT_H

#include "layout.h"

const FormSpec &quizLayout();

#endif
