#ifndef STOREFILES_H
#define STOREFILES_H

#include <QByteArray>
#include <QString>

// A file's bytes, or "(none)" when there is no such file, to compare a
// store before and after something that must leave it alone.
QByteArray fileBytes(const QString &path);

// Runs the SQL script at script on a new SQLite file at path.
bool runSqlScript(const QString &script, const QString &path);

#endif
