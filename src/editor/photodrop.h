#ifndef PHOTODROP_H
#define PHOTODROP_H

#include <QString>

class QMimeData;

// The photograph a drag carries: its first local file with a suffix that
// hana-pack takes (jpg, jpeg, png, webp, in any case); empty when none.
QString droppedPhoto(const QMimeData *data);

#endif
