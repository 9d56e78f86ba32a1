#ifndef INDEXEDPICTURE_H
#define INDEXEDPICTURE_H

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QSize>

// A picture of at most 256 colours: one palette index per pixel, row by
// row, and at most one palette entry that stands for a transparent pixel.
struct IndexedPicture
{
    QSize size;
    QList<QRgb> palette;
    QByteArray pixels;
    int transparentIndex = -1;
};

#endif
