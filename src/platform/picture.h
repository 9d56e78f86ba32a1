#ifndef PICTURE_H
#define PICTURE_H

#include <QImage>
#include <QString>

// Loads a GIF picture from a file or a resource path. A missing file, a
// folder, a file that is not a GIF or a picture too large to hold raises a
// Failure that names the file.
QImage loadPicture(const QString &path);

#endif
