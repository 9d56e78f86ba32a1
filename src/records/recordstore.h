#ifndef RECORDSTORE_H
#define RECORDSTORE_H

#include "records/answerrecord.h"
#include "records/learner.h"
#include "records/leitner.h"
#include "records/storefailure.h"

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

// The learners and answers in one store. Every statement is prepared with
// bound values, and every change is its own transaction. The first failure
// is kept in failure(), and the store does nothing more after it.
class RecordStore
{
public:
    // The store in the SQLite file at path, made with its folder when
    // missing, and brought to the current version of the tables.
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
    // answer for a learner removed meanwhile is not kept.
    bool addAnswer(const AnswerRecord &answer);
    NameStates nameStates(qint64 learner);

    // Every answer, by learner's name and time; false if the store failed.
    bool forEachAnswer(const std::function<void(const ExportedAnswer &)> &take);
    // Runs one read, prepared with the values bound, and hands each row to
    // take; false if the store failed.
    bool forEachRow(const QString &statement, const QVariantList &values,
                    const std::function<void(const QSqlQuery &)> &take);

private:
    explicit RecordStore(std::unique_ptr<StoreConnection> connection);
    QSqlQuery query() const;
    // Keeps the first failure; false, for the step that failed.
    bool fail(const StoreFailure &failure);
    bool fail(const QSqlQuery &query);
    bool finishWrite(bool written);
    std::optional<qint64> learnerId(const QString &name);

    std::unique_ptr<StoreConnection> m_connection;
    std::optional<StoreFailure> m_failure;
};

#endif
