#ifndef ENTRYNAMES_H
#define ENTRYNAMES_H

#include <QStringList>

// Reads the 60 entry names from the names list under a data root (by
// default DataPath); name k is entry k.
QStringList ReadEntryNames(const QString &root);
QStringList ReadEntryNames();

// The first 60 fields of a names list's text. Fields end at a comma or a
// line end; a quoted field may hold commas; fewer than 60 fields raise a
// Failure naming the file.
QStringList parseEntryNames(const QString &text, const QString &path);

#endif
