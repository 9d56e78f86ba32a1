#ifndef FIGURES_H
#define FIGURES_H

#include <QList>
#include <QString>

// What every bench does with its figures: it gives up when a condition of
// the measurement does not hold, and prints each figure for scripts/bench.

// Ends the bench, saying what did not hold, when holds is false.
void require(bool holds, const char *what, const QString &detail = {});
// The middle of the values, the upper of the two for an even count.
double median(QList<double> values);
// One figure, a key and its value, on a line of its own.
void print(const char *key, double value);

#endif
