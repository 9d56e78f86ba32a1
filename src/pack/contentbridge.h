#ifndef CONTENTBRIDGE_H
#define CONTENTBRIDGE_H

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QStringList>

// Everything hana-pack takes from the program's own content code: the names
// of the quiz board, the file layout of a content folder, the limits the
// screens put on pictures and text rows, the text reader and the content
// check. Kept in this one place so the rest of hana-pack depends on nothing
// else of the program.
namespace ContentBridge {

// The names of the quiz board in entry order, without the tiles' spacing.
QStringList boardNames();

// The largest picture the picture book's frame holds, in pixels.
QSize pictureFrame();

// The font and the text width of one row of the explanation list.
QFont listFont();
int listTextWidth();

// Paths relative to a content folder, beginning with "/".
QString namesListFile();
QString entryTextFile(int entry);
QString entryPictureFile(int entry);
// The marks, medals and sounds that are not one entry's.
QStringList fixedFiles();

// The lines of a text as the picture book splits them into rows.
QStringList splitLines(const QString &text);

// Reads a text file with the content reader's checks (missing, a folder,
// too large, unreadable); on failure returns false and sets *problem.
bool readTextBytes(const QString &path, QByteArray *bytes, QString *problem);

// The content check of hana-check: one line per problem, none when the
// folder works.
QStringList checkFolder(const QString &root);

// The content pack that comes with the program.
QString bundledRoot();

} // namespace ContentBridge

#endif
