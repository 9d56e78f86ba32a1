#ifndef PICTUREBOOKLAYOUT_H
#define PICTUREBOOKLAYOUT_H

#include "platform/layout.h"

const FormSpec &pictureBookLayout();

#endif
