#ifndef PHOTOGRAPHS_H
#define PHOTOGRAPHS_H

#include <QImage>
#include <QString>

// The photographs a teacher brings from a camera, made on the spot.
constexpr QSize PhotographSize(2400, 1800);

// A photograph-like picture: a sky-to-meadow gradient, a few soft blossoms
// and grain, so that it compresses as a photograph does.
QImage photograph(int seed);

// Writes photographs 1.jpg to count.jpg into the folder, on all cores.
void writePhotographs(const QString &folder, int count);

#endif
