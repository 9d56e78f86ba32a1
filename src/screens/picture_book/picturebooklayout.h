#ifndef PICTUREBOOKLAYOUT_H
#define PICTUREBOOKLAYOUT_H

#include "layout.h"

const FormSpec &pictureBookLayout();

#endif
