#include "records/classrecords.h"
#include "records/recordstore.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace ClassRecords {

namespace {

QDateTime timeOf(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toUTC();
}

} // namespace

QList<LearnerBoxes> classBoxes(RecordStore &store)
{
    QList<LearnerBoxes> rows;
    for (const Learner &learner : store.learners())
        rows << LearnerBoxes{learner, {}};
    QHash<qint64, qsizetype> rowOf;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rowOf.insert(rows[i].learner.id, i);
    store.forEachRow(QStringLiteral("SELECT learner, entry, box, last_answered, wrong_count,"
                                    " right_count FROM name_states"),
                     {}, [&](const QSqlQuery &row) {
                         const auto found = rowOf.constFind(row.value(0).toLongLong());
                         const int entry = row.value(1).toInt();
                         if (found == rowOf.constEnd() || entry < 1 || entry > 60)
                             return;
                         rows[*found].states[entry] =
                             NameState{row.value(2).toInt(), timeOf(row.value(3)),
                                       row.value(4).toInt(), row.value(5).toInt()};
                     });
    return store.failure() ? QList<LearnerBoxes>() : rows;
}

std::array<int, 61> learnersWhoKnow(const QList<LearnerBoxes> &boxes)
{
    std::array<int, 61> counts{};
    for (const LearnerBoxes &row : boxes)
        for (int entry = 1; entry < int(row.states.size()); ++entry)
            counts[entry] += Leitner::isLearned(row.states[entry]) ? 1 : 0;
    return counts;
}

QList<LearnedOnDay> learnedOverTime(RecordStore &store, qint64 learner)
{
    QList<LearnedOnDay> days;
    NameStates states;
    int learned = 0;
    store.forEachRow(
        QStringLiteral("SELECT entry, correct, answered_at FROM answers WHERE learner = ?"
                       " ORDER BY answered_at"),
        {learner}, [&](const QSqlQuery &row) {
            const int entry = row.value(0).toInt();
            if (entry < 1 || entry > 60)
                return;
            const QDateTime at = timeOf(row.value(2));
            const bool wasLearned = Leitner::isLearned(states[entry]);
            states[entry] = Leitner::afterAnswer(states[entry], row.value(1).toInt() != 0, at);
            learned += int(Leitner::isLearned(states[entry])) - int(wasLearned);
            const QDate day = at.toLocalTime().date();
            if (days.isEmpty() || days.last().day != day)
                days << LearnedOnDay{day, learned};
            days.last().learned = learned;
        });
    return store.failure() ? QList<LearnedOnDay>() : days;
}

QList<MissedName> missedMost(const NameStates &states, int limit)
{
    QList<MissedName> missed;
    for (int entry = 1; entry < int(states.size()); ++entry)
        if (states[entry].wrongCount > 0)
            missed << MissedName{entry, states[entry].wrongCount, states[entry].rightCount};
    std::stable_sort(missed.begin(), missed.end(), [](const MissedName &a, const MissedName &b) {
        return a.wrongCount != b.wrongCount ? a.wrongCount > b.wrongCount
                                            : a.rightCount < b.rightCount;
    });
    return missed.first(std::min<qsizetype>(missed.size(), std::max(limit, 0)));
}

std::pair<int, int> answerCounts(RecordStore &store, qint64 learner)
{
    std::pair<int, int> counts;
    store.forEachRow(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(correct), 0) FROM answers"
                                    " WHERE learner = ?"),
                     {learner}, [&](const QSqlQuery &row) {
                         counts = {row.value(0).toInt(), row.value(1).toInt()};
                     });
    return counts;
}

std::optional<StoreStamp> stamp(RecordStore &store)
{
    StoreStamp stamp;
    // Every answer kept moves its name's counts in the same transaction, so
    // the 60 names of each learner tell as much as the whole history does.
    store.forEachRow(QStringLiteral("SELECT COALESCE(SUM(wrong_count + right_count), 0),"
                                    " MAX(last_answered) FROM name_states"),
                     {}, [&](const QSqlQuery &row) {
                         stamp.answers = row.value(0).toLongLong();
                         stamp.lastAnswer = row.value(1).toString();
                     });
    stamp.learners = store.learners();
    if (store.failure())
        return std::nullopt;
    return stamp;
}

} // namespace ClassRecords
