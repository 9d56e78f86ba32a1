#ifndef MENULAYOUT_H
#define MENULAYOUT_H

#include "layout.h"

const FormSpec &menuLayout();

#endif
