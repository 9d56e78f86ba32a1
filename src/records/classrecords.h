#ifndef CLASSRECORDS_H
#define CLASSRECORDS_H

#include "records/learner.h"
#include "records/leitner.h"

#include <QDate>
#include <QList>
#include <array>
#include <optional>

class RecordStore;

// One learner's row of the class: their names' boxes and how many answers
// they gave.
struct LearnerBoxes
{
    Learner learner;
    NameStates states;
};

// How many names a learner knew at the end of one day they played.
struct LearnedOnDay
{
    QDate day;
    int learned = 0;
};

// A name a learner missed, and how often.
struct MissedName
{
    int entry = 0;
    int wrongCount = 0;
    int rightCount = 0;
};

// What a teacher's view compares to tell whether the store changed: cheap to
// ask (the names' counts, not the answers), and different after any answer
// or change of the learners.
struct StoreStamp
{
    qint64 answers = 0;
    QString lastAnswer;
    QList<Learner> learners;

    bool operator==(const StoreStamp &) const = default;
};

// The questions a teacher asks of the whole class, read through the store.
// Each one fails as the store's own reads do: the store keeps the failure and
// the answer is empty.
namespace ClassRecords {

// Every learner with the boxes of their 60 names, in the order of names.
QList<LearnerBoxes> classBoxes(RecordStore &store);
// For each entry (index 0 unused), how many learners have its name in a
// box of Leitner::LearnedBox or higher.
std::array<int, 61> learnersWhoKnow(const QList<LearnerBoxes> &boxes);
// The learned names at the end of each day the learner answered, on the
// local calendar, first day first.
QList<LearnedOnDay> learnedOverTime(RecordStore &store, qint64 learner);
// The names the learner missed most, most first, at most limit.
QList<MissedName> missedMost(const NameStates &states, int limit);
// The learner's answers and how many were right.
std::pair<int, int> answerCounts(RecordStore &store, qint64 learner);
std::optional<StoreStamp> stamp(RecordStore &store);

} // namespace ClassRecords

#endif
