#ifndef EXPECTATIONS_H
#define EXPECTATIONS_H

#include "content/contentcheck.h"

// What the program's own screens expect of the content: the quiz board's
// names, the picture book's explanation list and picture frame.
ContentExpectations screenExpectations();

#endif
