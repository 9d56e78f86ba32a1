#include "records/recordstore.h"
#include "records/fileconnection.h"
#include "records/recordschema.h"
#include "records/serveraddress.h"
#include "records/serverconnection.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeOf(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toUTC();
}

// Binds the values in their order and runs a statement prepared before,
// so that a server prepares it once for many rows.
bool rerun(QSqlQuery &query, const QVariantList &values)
{
    for (int index = 0; index < values.size(); ++index)
        query.bindValue(index, values.at(index));
    return query.exec();
}

bool prepare(QSqlQuery &query, const QString &statement)
{
    query.setForwardOnly(true);
    return query.prepare(statement);
}

// Prepares the statement, binds the values and runs it; on failure the
// query's error is that of the step that failed.
bool run(QSqlQuery &query, const QString &statement, const QVariantList &values = {})
{
    return prepare(query, statement) && rerun(query, values);
}

const QString AnswerColumns =
    QStringLiteral("id, learner, entry, answer, correct, answered_at, pack, game, kind, machine");

// An answer for a learner not removed, unless one with its id is kept.
const QString InsertAnswer =
    QStringLiteral("INSERT INTO answers (%1) SELECT ?, id, ?, ?, ?, ?, ?, ?, ?, ?"
                   " FROM learners WHERE id = ? AND removed_at IS NULL"
                   " ON CONFLICT DO NOTHING")
        .arg(AnswerColumns);
const QString WriteState =
    QStringLiteral("INSERT INTO name_states (learner, entry, box, last_answered,"
                   " wrong_count, right_count) VALUES (?, ?, ?, ?, ?, ?)"
                   " ON CONFLICT (learner, entry) DO UPDATE SET"
                   " box = excluded.box,"
                   " last_answered = excluded.last_answered,"
                   " wrong_count = excluded.wrong_count,"
                   " right_count = excluded.right_count");

// The answer in the row's columns from the first, in AnswerColumns' order.
AnswerRecord answerIn(const QSqlQuery &row, int first)
{
    const auto value = [&](int column) { return row.value(first + column); };
    const GameKind kind =
        value(8).toString() == kindName(GameKind::Review) ? GameKind::Review : GameKind::Full;
    return AnswerRecord{QUuid(value(0).toString()), value(1).toLongLong(),      value(2).toInt(),
                        value(3).toInt(),           value(4).toInt() != 0,      timeOf(value(5)),
                        value(6).toString(),        QUuid(value(7).toString()), kind,
                        value(9).toString()};
}

} // namespace

QString kindName(GameKind kind)
{
    return kind == GameKind::Review ? QStringLiteral("review") : QStringLiteral("full");
}

RecordStore::RecordStore(std::unique_ptr<StoreConnection> connection)
    : m_connection(std::move(connection))
{
}

RecordStore::~RecordStore() = default;

std::unique_ptr<RecordStore> RecordStore::open(const QString &location)
{
    if (ServerAddress::isServer(location))
        return opened(std::make_unique<ServerConnection>(location));
    return openFile(location);
}

std::unique_ptr<RecordStore> RecordStore::openFile(const QString &path)
{
    return opened(std::make_unique<FileConnection>(path));
}

std::unique_ptr<RecordStore> RecordStore::opened(std::unique_ptr<StoreConnection> made)
{
    std::unique_ptr<RecordStore> store(new RecordStore(std::move(made)));
    StoreConnection &connection = *store->m_connection;
    int version = 0;
    std::optional<StoreFailure> failure = connection.open();
    if (!failure)
        failure = RecordSchema::readVersion(connection, version);
    if (!failure)
        failure = connection.prepareForWriting();
    if (!failure && version != RecordSchema::CurrentVersion)
        failure = RecordSchema::migrate(connection);
    if (failure)
        store->fail(*failure);
    return store;
}

QString RecordStore::path() const
{
    return m_connection->path();
}

QSqlQuery RecordStore::query() const
{
    return QSqlQuery(m_connection->database());
}

bool RecordStore::fail(const StoreFailure &failure)
{
    if (!m_failure)
        m_failure = failure;
    return false;
}

bool RecordStore::fail(const QSqlQuery &query)
{
    return fail(m_connection->failureOf(query.lastError()));
}

// Ends a write transaction with the step's outcome: kept when it went
// through, undone when it did not.
bool RecordStore::finishWrite(bool written)
{
    if (written)
        if (auto failure = m_connection->commit())
            written = fail(*failure);
    if (!written)
        m_connection->rollback();
    return written;
}

QList<Learner> RecordStore::learners()
{
    QList<Learner> learners;
    if (m_failure)
        return learners;
    QSqlQuery select = query();
    if (!run(select, QStringLiteral("SELECT id, name, mark FROM learners"
                                    " WHERE removed_at IS NULL ORDER BY name"))) {
        fail(select);
        return learners;
    }
    while (select.next())
        learners << Learner{select.value(0).toLongLong(), select.value(1).toString(),
                            select.value(2).toInt()};
    return learners;
}

std::optional<qint64> RecordStore::learnerId(const QString &name)
{
    QSqlQuery select = query();
    if (!run(select,
             QStringLiteral("SELECT id FROM learners WHERE name = ? AND removed_at IS NULL"),
             {name})) {
        fail(select);
        return std::nullopt;
    }
    return select.next() ? std::optional(select.value(0).toLongLong()) : std::nullopt;
}

LearnerChange RecordStore::addLearner(const QString &name, int mark)
{
    if (m_failure)
        return LearnerChange::Failed;
    QSqlQuery insert = query();
    if (run(insert, QStringLiteral("INSERT INTO learners (name, mark, made_at) VALUES (?, ?, ?)"),
            {name, mark, timeText(QDateTime::currentDateTimeUtc())}))
        return LearnerChange::Done;
    if (m_connection->isConstraint(insert.lastError()))
        return LearnerChange::Taken;
    fail(insert);
    return LearnerChange::Failed;
}

LearnerChange RecordStore::renameLearner(const QString &name, const QString &newName)
{
    if (m_failure)
        return LearnerChange::Failed;
    QSqlQuery update = query();
    if (run(update,
            QStringLiteral("UPDATE learners SET name = ? WHERE name = ? AND removed_at IS NULL"),
            {newName, name}))
        return update.numRowsAffected() == 1 ? LearnerChange::Done : LearnerChange::Missing;
    if (m_connection->isConstraint(update.lastError()))
        return LearnerChange::Taken;
    fail(update);
    return LearnerChange::Failed;
}

LearnerChange RecordStore::removeLearner(const QString &name, int &erasedAnswers)
{
    erasedAnswers = 0;
    if (m_failure)
        return LearnerChange::Failed;
    if (auto failure = m_connection->beginWrite()) {
        fail(*failure);
        return LearnerChange::Failed;
    }
    const std::optional<qint64> id = learnerId(name);
    if (!id) {
        finishWrite(false);
        return m_failure ? LearnerChange::Failed : LearnerChange::Missing;
    }
    QSqlQuery answers = query();
    QSqlQuery states = query();
    QSqlQuery learner = query();
    bool erased = run(answers, QStringLiteral("DELETE FROM answers WHERE learner = ?"), {*id});
    const int count = answers.numRowsAffected();
    erased = (erased || fail(answers)) &&
             (run(states, QStringLiteral("DELETE FROM name_states WHERE learner = ?"), {*id}) ||
              fail(states)) &&
             (run(learner,
                  QStringLiteral("UPDATE learners SET name = NULL, removed_at = ? WHERE id = ?"),
                  {timeText(QDateTime::currentDateTimeUtc()), *id}) ||
              fail(learner));
    if (!finishWrite(erased))
        return LearnerChange::Failed;
    erasedAnswers = count;
    return LearnerChange::Done;
}

int RecordStore::answerCount(qint64 learner)
{
    QSqlQuery count = query();
    if (m_failure)
        return 0;
    if (!run(count, QStringLiteral("SELECT COUNT(*) FROM answers WHERE learner = ?"), {learner}) ||
        !count.next())
        return fail(count), 0;
    return count.value(0).toInt();
}

bool RecordStore::addAnswer(const AnswerRecord &answer)
{
    return addAnswers({answer});
}

bool RecordStore::addAnswers(const QList<AnswerRecord> &answers)
{
    return inWrite([&] {
        QHash<qint64, NameStates> states;
        QSqlQuery insert = query();
        QSqlQuery state = query();
        bool written = (prepare(insert, InsertAnswer) || fail(insert)) &&
                       (prepare(state, WriteState) || fail(state));
        for (qsizetype at = 0; written && at < answers.size(); ++at)
            written = keepAnswer(answers.at(at), states, insert, state);
        return written;
    });
}

bool RecordStore::inWrite(const std::function<bool()> &steps)
{
    if (m_failure)
        return false;
    if (auto failure = m_connection->beginWrite())
        return fail(*failure);
    return finishWrite(steps());
}

bool RecordStore::keepAnswer(const AnswerRecord &answer, QHash<qint64, NameStates> &states,
                             QSqlQuery &insert, QSqlQuery &writeState)
{
    if (!rerun(insert, {answer.id.toString(QUuid::WithoutBraces), answer.entry, answer.answer,
                        int(answer.correct), timeText(answer.answeredAt), answer.pack,
                        answer.game.toString(QUuid::WithoutBraces), kindName(answer.kind),
                        answer.machine, answer.learner}))
        return fail(insert);
    if (insert.numRowsAffected() != 1)
        return true;
    if (!states.contains(answer.learner))
        states.insert(answer.learner, nameStates(answer.learner));
    NameState &state = states[answer.learner][answer.entry];
    state = Leitner::afterAnswer(state, answer.correct, answer.answeredAt);
    return !m_failure && keepState(writeState, answer.learner, answer.entry, state);
}

bool RecordStore::keepState(QSqlQuery &writeState, qint64 learner, int entry,
                            const NameState &state)
{
    return rerun(writeState, {learner, entry, state.box, timeText(state.lastAnswered),
                              state.wrongCount, state.rightCount}) ||
           fail(writeState);
}

bool RecordStore::change(const QString &statement, const QVariantList &values)
{
    QSqlQuery changing = query();
    return run(changing, statement, values) || fail(changing);
}

NameStates RecordStore::nameStates(qint64 learner)
{
    NameStates states;
    QSqlQuery select = query();
    if (m_failure)
        return states;
    if (!run(select,
             QStringLiteral("SELECT entry, box, last_answered, wrong_count, right_count"
                            " FROM name_states WHERE learner = ?"),
             {learner}))
        return fail(select), states;
    while (select.next()) {
        const int entry = select.value(0).toInt();
        if (entry >= 1 && entry < int(states.size()))
            states[entry] = NameState{select.value(1).toInt(), timeOf(select.value(2)),
                                      select.value(3).toInt(), select.value(4).toInt()};
    }
    return states;
}

bool RecordStore::forEachAnswer(const std::function<void(const ExportedAnswer &)> &take)
{
    QSqlQuery select = query();
    if (m_failure)
        return false;
    if (!run(select, QStringLiteral("SELECT l.name, a.id, a.learner, a.entry, a.answer,"
                                    " a.correct, a.answered_at, a.pack, a.game, a.kind, a.machine"
                                    " FROM answers a JOIN learners l ON l.id = a.learner"
                                    " ORDER BY l.name, a.answered_at")))
        return fail(select);
    while (select.next())
        take(ExportedAnswer{select.value(0).toString(), answerIn(select, 1)});
    return !select.lastError().isValid() || fail(select);
}

QList<AnswerRecord> RecordStore::oldestAnswers(int limit)
{
    QList<AnswerRecord> answers;
    forEachRow(
        QStringLiteral("SELECT %1 FROM answers ORDER BY answered_at LIMIT ?").arg(AnswerColumns),
        {limit}, [&](const QSqlQuery &row) { answers << answerIn(row, 0); });
    return answers;
}

bool RecordStore::forgetAnswers(const QList<QUuid> &ids)
{
    return inWrite([&] {
        QSqlQuery erase = query();
        if (!prepare(erase, QStringLiteral("DELETE FROM answers WHERE id = ?")))
            return fail(erase);
        for (const QUuid &id : ids)
            if (!rerun(erase, {id.toString(QUuid::WithoutBraces)}))
                return fail(erase);
        return true;
    });
}

bool RecordStore::copyLearners(const QList<LearnerBoxes> &rows, const QList<qint64> &removed)
{
    return inWrite([&] {
        QSet<qint64> answered;
        bool copied =
            forEachRow(QStringLiteral("SELECT DISTINCT learner FROM answers"), {},
                       [&](const QSqlQuery &row) { answered << row.value(0).toLongLong(); });
        for (qint64 learner : removed)
            copied = copied && eraseLearner(learner);
        // Names change places in two steps, so that no two learners ever
        // share one.
        for (const LearnerBoxes &row : rows)
            copied =
                copied && change(QStringLiteral("UPDATE learners SET name = NULL WHERE id = ?"),
                                 {row.learner.id});
        for (const LearnerBoxes &row : rows)
            copied = copied && copyLearner(row, !answered.contains(row.learner.id));
        return copied;
    });
}

bool RecordStore::eraseLearner(qint64 learner)
{
    return change(QStringLiteral("DELETE FROM answers WHERE learner = ?"), {learner}) &&
           change(QStringLiteral("DELETE FROM name_states WHERE learner = ?"), {learner}) &&
           change(QStringLiteral("DELETE FROM learners WHERE id = ?"), {learner});
}

bool RecordStore::copyLearner(const LearnerBoxes &row, bool withStates)
{
    const Learner &learner = row.learner;
    if (!change(
            QStringLiteral("INSERT INTO learners (id, name, mark, made_at) VALUES (?, ?, ?, ?)"
                           " ON CONFLICT (id) DO UPDATE SET name = excluded.name,"
                           " mark = excluded.mark, removed_at = NULL"),
            {learner.id, learner.name, learner.mark, timeText(QDateTime::currentDateTimeUtc())}))
        return false;
    if (!withStates)
        return true;
    QSqlQuery writeState = query();
    if (!change(QStringLiteral("DELETE FROM name_states WHERE learner = ?"), {learner.id}) ||
        !(prepare(writeState, WriteState) || fail(writeState)))
        return false;
    for (int entry = 1; entry < int(row.states.size()); ++entry)
        if (row.states[entry].box > 0 &&
            !keepState(writeState, learner.id, entry, row.states[entry]))
            return false;
    return true;
}

bool RecordStore::changeAll(const QStringList &statements)
{
    // Statements that bind nothing, some of which the server will not
    // prepare (GRANT, DO), run as they are.
    return inWrite([&] {
        for (const QString &statement : statements) {
            QSqlQuery changing = query();
            if (!changing.exec(statement))
                return fail(changing);
        }
        return true;
    });
}

bool RecordStore::forEachRow(const QString &statement, const QVariantList &values,
                             const std::function<void(const QSqlQuery &)> &take)
{
    QSqlQuery select = query();
    if (m_failure)
        return false;
    if (!run(select, statement, values))
        return fail(select);
    while (select.next())
        take(select);
    return !select.lastError().isValid() || fail(select);
}
