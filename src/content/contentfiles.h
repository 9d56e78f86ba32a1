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

// Makes a folder and those above it that are missing. A failure names the
// folder whose mkdir(2) failed first and its real error, or the file that
// stands where a folder should be.
std::optional<ContentProblem> makeFolders(const QString &path);

// Renames a file or folder in one step, over what has the new name.
std::optional<ContentProblem> renameOver(const QString &from, const QString &to);

// Whether a file name is that of the new file writeFileAtomically puts
// beside the file it replaces: ".1.txt.k2j4h1.tmp". A killed run leaves one.
bool isTemporaryFileName(const QString &fileName);

// The problem that an error number of the system's file calls gives a path.
ContentProblem fileProblem(const QString &path, int error);

// The words for an error number of the system's file calls.
QString writeProblem(int error);

#endif
