#ifndef RECORDSTORE_H
#define RECORDSTORE_H

#include "records/answerrecord.h"
#include "records/classrecords.h"
#include "records/learner.h"
#include "records/leitner.h"
#include "records/storefailure.h"

#include <QHash>
#include <QList>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

class QSqlQuery;
class StoreConnection;

// What became of a change to the learners.
enum class LearnerChange
{
    Done,
    Taken,   // another learner has the name
    Missing, // no learner has the old name
    Failed,  // the store failed; failure() says why
};

// One answer as the export lists it, with its learner's name.
struct ExportedAnswer
{
    QString learner;
    AnswerRecord answer;
};

// The learners and answers in one store, an SQLite file or a database on a
// PostgreSQL server. Every statement is prepared with bound values, and
// every change is its own transaction. The first failure is kept in
// failure(), and the store does nothing more after it.
class RecordStore
{
public:
    // The store at a server's address or in a file, brought to the current
    // version of the tables.
    static std::unique_ptr<RecordStore> open(const QString &location);
    // The store in the SQLite file at path, made with its folder when
    // missing.
    static std::unique_ptr<RecordStore> openFile(const QString &path);
    ~RecordStore();

    const std::optional<StoreFailure> &failure() const { return m_failure; }
    QString path() const;

    // The learners in the order of their names.
    QList<Learner> learners();
    LearnerChange addLearner(const QString &name, int mark);
    LearnerChange renameLearner(const QString &name, const QString &newName);
    // Erases the learner and every answer of theirs; the answers erased go
    // to erasedAnswers.
    LearnerChange removeLearner(const QString &name, int &erasedAnswers);
    int answerCount(qint64 learner);

    // Keeps the answer and the state of its name in one transaction. An
    // answer for a learner removed meanwhile is not kept, nor one kept
    // already: an answer sent twice counts once.
    bool addAnswer(const AnswerRecord &answer);
    // Keeps the answers and the states of their names in one transaction.
    bool addAnswers(const QList<AnswerRecord> &answers);

    // The first answers by time, at most limit.
    QList<AnswerRecord> oldestAnswers(int limit);
    // Erases the answers with these ids, in one transaction.
    bool forgetAnswers(const QList<QUuid> &ids);
    // Makes the learners and their names' states those of another store:
    // the rows given are written as they are, the learners with the ids
    // removed go with their answers. A learner with answers here keeps the
    // states these answers left.
    bool copyLearners(const QList<LearnerBoxes> &rows, const QList<qint64> &removed);
    NameStates nameStates(qint64 learner);

    // Runs the statements, which bind no values, in one transaction.
    bool changeAll(const QStringList &statements);

    // Every answer, by learner's name and time; false if the store failed.
    bool forEachAnswer(const std::function<void(const ExportedAnswer &)> &take);
    // Runs one read, prepared with the values bound, and hands each row to
    // take; false if the store failed.
    bool forEachRow(const QString &statement, const QVariantList &values,
                    const std::function<void(const QSqlQuery &)> &take);

private:
    explicit RecordStore(std::unique_ptr<StoreConnection> connection);
    static std::unique_ptr<RecordStore> opened(std::unique_ptr<StoreConnection> made);
    QSqlQuery query() const;
    // Keeps the first failure; false, for the step that failed.
    bool fail(const StoreFailure &failure);
    bool fail(const QSqlQuery &query);
    bool finishWrite(bool written);
    // Runs the steps in one write transaction, kept when they all went
    // through.
    bool inWrite(const std::function<bool()> &steps);
    // Writes one answer and its name's state, with the states read so far,
    // through the two statements prepared for the batch.
    bool keepAnswer(const AnswerRecord &answer, QHash<qint64, NameStates> &states,
                    QSqlQuery &insert, QSqlQuery &writeState);
    bool keepState(QSqlQuery &writeState, qint64 learner, int entry, const NameState &state);
    bool copyLearner(const LearnerBoxes &row, bool withStates);
    bool eraseLearner(qint64 learner);
    // Runs one change, prepared with the values bound; false if it failed.
    bool change(const QString &statement, const QVariantList &values);
    std::optional<qint64> learnerId(const QString &name);

    std::unique_ptr<StoreConnection> m_connection;
    std::optional<StoreFailure> m_failure;
};

#endif
