#ifndef SOURCEPICTURES_H
#define SOURCEPICTURES_H

#include <QByteArray>
#include <QImage>
#include <QSize>

// Photographs as a teacher brings them, made on the spot.

// A smooth diagonal gradient through many colours.
QImage gradientPicture(QSize size);
// Every pixel an unrelated random colour, the same for the same seed.
QImage noisePicture(QSize size, quint32 seed);
// An opaque red disc on a transparent ground, with a soft rim.
QImage discPicture(QSize size);
// A gradient whose left quarter is pure red, to tell which way it turned.
QImage markedPicture(QSize size);

// The picture in a file format ("JPEG", "PNG", "WEBP").
QByteArray encoded(const QImage &picture, const char *format);

// A JPEG file with an EXIF block that gives its orientation (1 to 8).
QByteArray withExifOrientation(const QByteArray &jpeg, quint16 orientation);

// Real picture files whose headers claim another size.
QByteArray jpegClaiming(QSize size);
QByteArray webpClaiming(QSize size);

#endif
