#ifndef PICTURECACHE_H
#define PICTURECACHE_H

#include <QImage>
#include <QStringList>

// Decoding the first screen's pictures is the largest single piece of work
// before it can be painted. preloadPictures starts it on worker threads, so
// that it runs beside the rest of start-up; an image control then takes its
// preloaded picture instead of decoding the file again.
void preloadPictures(const QStringList &paths);

// The picture preloaded for this path, removed from the cache; a null image
// when there is none or its decoding failed (the caller then decodes the
// file itself, and reports what went wrong).
QImage takePreloadedPicture(const QString &path);

#endif
