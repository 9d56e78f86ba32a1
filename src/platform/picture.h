#ifndef PICTURE_H
#define PICTURE_H

#include <QImage>
#include <QString>

class QIODevice;

// Loads a GIF picture from a file or a resource path. A missing file, a
// folder, a file that is not a GIF or a picture too large to hold raises a
// Failure that names the file.
QImage loadPicture(const QString &path);

// The twice-as-large version of a picture ("name@2x.gif" beside
// "name.gif") where the screen is scaled by 1.5 or more and it exists;
// otherwise empty.
QString highResolutionPicture(const QString &path, qreal devicePixelRatio);

// Decodes GIF bytes read from a device; path names the source in the
// failure raised when they are not a picture this program can show.
QImage decodePicture(QIODevice *device, const QString &path);

#endif
