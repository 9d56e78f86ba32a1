#ifndef CONTENTFILES_H
#define CONTENTFILES_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <optional>

// Writing the files of a content pack or a source folder. Each call either
// writes the whole file or leaves nothing, and says what kept it from being
// written, a full disk named as such.

// Replaces the file at path, or makes it: the bytes go to a new file beside
// it, reach the disk, and the new file is renamed over the old one, so a
// reader finds the old file or the new one, never a part of either, and a
// run killed on the way leaves the old file as it was.
std::optional<ContentProblem> writeFileAtomically(const QString &path, const QByteArray &bytes);

// Makes a file that does not exist yet, in a folder that is being built and
// will be made durable as a whole (syncFileSystem).
std::optional<ContentProblem> writeNewFile(const QString &path, const QByteArray &bytes);
// Copies a file into such a folder.
std::optional<ContentProblem> copyNewFile(const QString &from, const QString &to);

// Brings what was written in a folder's file system to the disk.
std::optional<ContentProblem> syncFileSystem(const QString &folder);

// The words for an error number of the system's file calls.
QString writeProblem(int error);

#endif
