#ifndef PHOTODROP_H
#define PHOTODROP_H

#include <QString>
#include <QStringList>

class QMimeData;

// The file a drag carries: its first local file with one of the suffixes,
// in any case; empty when none.
QString droppedFile(const QMimeData *data, const QStringList &suffixes);
// The photograph a drag carries: one with a suffix that hana-pack takes
// (jpg, jpeg, png, webp).
QString droppedPhoto(const QMimeData *data);
// The sound file a drag carries, in a format hana-pack makes voices of.
QString droppedVoice(const QMimeData *data);

#endif
