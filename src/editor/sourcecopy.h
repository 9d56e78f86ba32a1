#ifndef SOURCECOPY_H
#define SOURCECOPY_H

#include <QString>
#include <optional>

// The folder a writable copy of a source folder is suggested as: beside
// the others in the home folder, "~/NAME の写し", or the first of
// "~/NAME の写し 2", ... that is free.
QString copyFolderFor(const QString &source);

// Copies a source folder's photographs and texts into a new folder that
// its owner may write, files too; what kept it from being made, or nothing.
std::optional<QString> copySourceFolder(const QString &source, const QString &copy);

#endif
