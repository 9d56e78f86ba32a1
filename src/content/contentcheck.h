#ifndef CONTENTCHECK_H
#define CONTENTCHECK_H

#include "content/contentproblem.h"

// Checks a content folder as the program will use it, against the form of
// a content pack: the names of the quiz board, the rows of the explanation
// list, the picture frame, pictures that load, sounds that play and the
// entries' voices, where they have one. One
// problem each, naming the file; none when all is well. The list's rows
// are counted by its own measures (contentpack.h), so no display is needed.
ContentProblems checkContent(const QString &root);

#endif
