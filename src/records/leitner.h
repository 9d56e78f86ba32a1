#ifndef LEITNER_H
#define LEITNER_H

#include <QDateTime>
#include <QList>
#include <array>

// Where one name stands for one learner. Box 0 is a name never asked; a right
// answer moves a name up one box, to 5 at most, and a wrong one back to box 1.
struct NameState
{
    int box = 0;
    QDateTime lastAnswered; // UTC; invalid while the name was never asked
    int wrongCount = 0;
    int rightCount = 0;

    bool operator==(const NameState &) const = default;
};

// The state of every entry's name, indexed by entry number (index 0 unused).
using NameStates = std::array<NameState, 61>;

// One judged answer as the choice needs it, in the order they were given.
struct JudgedAnswer
{
    int entry = 0;
    bool correct = false;
    QDateTime answeredAt; // UTC
};

namespace Leitner {

constexpr int BoxCount = 5;
// A name in this box or higher counts as learned on the stamp card.
constexpr int LearnedBox = 4;
// The names a review game asks at most, and the new names it takes at most.
constexpr int ReviewSize = 10;
constexpr int NewNamesPerReview = 3;

// The days after its last answer at which a name in box 1 to 5 is due again.
int intervalDays(int box);
// Where one answer at the time at leaves a name.
NameState afterAnswer(NameState state, bool correct, const QDateTime &at);
// The states that a history of answers leads to.
NameStates statesOf(const QList<JudgedAnswer> &history);
// Whether a name is due at the time now.
bool isDue(const NameState &state, const QDateTime &now);
// The entries of a review game at the time now: the due names, lowest box
// first, then at most NewNamesPerReview names never asked, then the weakest,
// to at most size entries.
QList<int> chooseReview(const NameStates &states, const QDateTime &now, int size = ReviewSize);
// Whether a name counts as learned: in LearnedBox or higher.
bool isLearned(const NameState &state);
// How many names are learned.
int learnedCount(const NameStates &states);

} // namespace Leitner

#endif
