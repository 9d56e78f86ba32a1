#ifndef CONTENTPATH_H
#define CONTENTPATH_H

#include <QString>

// A data root followed directly by a pack's relative path (ContentPack). The
// forms without a root use DataPath; a content folder checked or packed from
// outside the program is passed as the root.
QString ContentPath(const QString &root, const QString &relative);
QString ContentPath(const QString &relative);

// An entry number as plain decimal digits: 1, 7, 60.
QString EntryFileNumber(int entry);

QString EntryExplanationPath(const QString &root, int entry);
QString EntryExplanationPath(int entry);
QString EntryPicturePath(const QString &root, int entry);
QString EntryPicturePath(int entry);
QString EntryVoicePath(const QString &root, int entry);
QString EntryVoicePath(int entry);
// Whether the pack under DataPath has voices, and whether an entry has one.
bool PackHasVoices();
bool EntryHasVoice(int entry);

#endif
