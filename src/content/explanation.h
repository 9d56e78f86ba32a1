#ifndef EXPLANATION_H
#define EXPLANATION_H

#include <QStringList>

// Reads an entry's explanation text under a data root (by default DataPath)
// as its lines, in file order.
QStringList ReadExplanationLines(const QString &root, int entry);
QStringList ReadExplanationLines(int entry);

// The lines of a text: CR LF, a lone CR or a lone LF ends a line, the last
// line needs no line end, and an empty text has no lines.
QStringList splitLines(const QString &text);

#endif
