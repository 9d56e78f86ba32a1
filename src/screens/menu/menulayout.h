#ifndef MENULAYOUT_H
#define MENULAYOUT_H

#include "platform/layout.h"

const FormSpec &menuLayout();

#endif
