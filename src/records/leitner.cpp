#include "records/leitner.h"

#include <algorithm>

namespace Leitner {

namespace {

constexpr std::array<int, BoxCount> IntervalDays{0, 1, 3, 7, 14};

// Days are counted on the calendar where the child plays: a name answered
// in the evening is due again the next morning, not a whole day later.
qint64 daysBetween(const QDateTime &from, const QDateTime &to)
{
    return from.toLocalTime().date().daysTo(to.toLocalTime().date());
}

// Weaker first: a lower box, then more wrong than right answers, then the
// name not asked for longest.
bool weaker(const NameState &a, const NameState &b)
{
    if (a.box != b.box)
        return a.box < b.box;
    const int balanceA = a.rightCount - a.wrongCount;
    const int balanceB = b.rightCount - b.wrongCount;
    if (balanceA != balanceB)
        return balanceA < balanceB;
    return a.lastAnswered < b.lastAnswered;
}

} // namespace

int intervalDays(int box)
{
    return box < 1 ? 0 : IntervalDays[std::min(box, BoxCount) - 1];
}

NameState afterAnswer(NameState state, bool correct, const QDateTime &at)
{
    state.box = correct ? std::min(state.box + 1, BoxCount) : 1;
    state.lastAnswered = at;
    ++(correct ? state.rightCount : state.wrongCount);
    return state;
}

NameStates statesOf(const QList<JudgedAnswer> &history)
{
    NameStates states;
    for (const JudgedAnswer &answer : history)
        if (answer.entry >= 1 && answer.entry < int(states.size()))
            states[answer.entry] =
                afterAnswer(states[answer.entry], answer.correct, answer.answeredAt);
    return states;
}

bool isDue(const NameState &state, const QDateTime &now)
{
    return state.box >= 1 && daysBetween(state.lastAnswered, now) >= intervalDays(state.box);
}

QList<int> chooseReview(const NameStates &states, const QDateTime &now, int size)
{
    QList<int> due;
    QList<int> fresh;
    QList<int> others;
    for (int entry = 1; entry < int(states.size()); ++entry) {
        const NameState &state = states[entry];
        if (state.box == 0)
            fresh << entry;
        else
            (isDue(state, now) ? due : others) << entry;
    }
    const auto byWeakness = [&](int a, int b) { return weaker(states[a], states[b]); };
    std::stable_sort(due.begin(), due.end(), byWeakness);
    std::stable_sort(others.begin(), others.end(), byWeakness);
    QList<int> chosen =
        due + fresh.first(std::min<qsizetype>(fresh.size(), NewNamesPerReview)) + others;
    return chosen.first(std::min<qsizetype>(chosen.size(), std::max(size, 0)));
}

bool isLearned(const NameState &state)
{
    return state.box >= LearnedBox;
}

int learnedCount(const NameStates &states)
{
    return int(std::count_if(states.begin(), states.end(), isLearned));
}

} // namespace Leitner
