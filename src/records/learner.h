#ifndef LEARNER_H
#define LEARNER_H

#include <QString>

// A child whose answers are kept: a name unique in the store and a mark, the
// number (1 to 60) of the flower that stands for them on their tile.
struct Learner
{
    qint64 id = 0;
    QString name;
    int mark = 1;

    bool operator==(const Learner &) const = default;
};

#endif
