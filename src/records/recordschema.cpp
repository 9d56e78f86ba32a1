#include "records/recordschema.h"
#include "records/leitner.h"
#include "records/storeconnection.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <array>

namespace RecordSchema {

namespace {

// Version 1: the learners and their answers. A removed learner keeps a row
// without a name, so that an answer sent later for them is refused. The
// learners' key is numbered as each database numbers one.
const QStringList Version1{
    QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
    QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
    QStringLiteral("CREATE TABLE learners ("
                   " id {learner key},"
                   " name TEXT UNIQUE,"
                   " mark INTEGER NOT NULL CHECK (mark BETWEEN 1 AND 60),"
                   " made_at TEXT NOT NULL,"
                   " removed_at TEXT)"),
    QStringLiteral("CREATE TABLE answers ("
                   " id TEXT PRIMARY KEY,"
                   " learner INTEGER NOT NULL REFERENCES learners (id),"
                   " entry INTEGER NOT NULL CHECK (entry BETWEEN 1 AND 60),"
                   " answer INTEGER NOT NULL CHECK (answer BETWEEN 1 AND 60),"
                   " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
                   " answered_at TEXT NOT NULL,"
                   " pack TEXT NOT NULL,"
                   " game TEXT NOT NULL,"
                   " kind TEXT NOT NULL CHECK (kind IN ('full', 'review')),"
                   " machine TEXT NOT NULL)"),
};

// Version 2: each learner's names as their answers leave them, kept with
// every answer so that the stamp card and the review game read 60 rows, not
// the whole history; and the answers by learner and time for the export.
const QStringList Version2{
    QStringLiteral("CREATE INDEX answers_by_learner ON answers (learner, answered_at)"),
    QStringLiteral("CREATE TABLE name_states ("
                   " learner INTEGER NOT NULL REFERENCES learners (id),"
                   " entry INTEGER NOT NULL CHECK (entry BETWEEN 1 AND 60),"
                   " box INTEGER NOT NULL CHECK (box BETWEEN 1 AND 5),"
                   " last_answered TEXT NOT NULL,"
                   " wrong_count INTEGER NOT NULL,"
                   " right_count INTEGER NOT NULL,"
                   " PRIMARY KEY (learner, entry))"),
};

std::optional<StoreFailure> run(StoreConnection &connection, QString statement)
{
    QSqlQuery query(connection.database());
    statement.replace(QStringLiteral("{learner key}"), connection.learnerKey());
    if (!query.exec(statement))
        return connection.failureOf(query.lastError());
    return std::nullopt;
}

// The states of the names that the answers kept so far leave.
std::optional<StoreFailure> fillNameStates(StoreConnection &connection)
{
    QSqlQuery answers(connection.database());
    answers.setForwardOnly(true);
    if (!answers.exec(QStringLiteral("SELECT learner, entry, correct, answered_at FROM answers"
                                     " ORDER BY learner, answered_at")))
        return connection.failureOf(answers.lastError());
    QSqlQuery insert(connection.database());
    insert.prepare(QStringLiteral("INSERT INTO name_states (learner, entry, box, last_answered,"
                                  " wrong_count, right_count) VALUES (?, ?, ?, ?, ?, ?)"));
    const auto write = [&](qint64 learner, const NameStates &states) {
        for (int entry = 1; entry < int(states.size()); ++entry) {
            const NameState &state = states[entry];
            if (state.box == 0)
                continue;
            for (const QVariant &value : {QVariant(learner), QVariant(entry), QVariant(state.box),
                                          QVariant(state.lastAnswered.toString(Qt::ISODateWithMs)),
                                          QVariant(state.wrongCount), QVariant(state.rightCount)})
                insert.addBindValue(value);
            if (!insert.exec())
                return false;
        }
        return true;
    };
    qint64 learner = 0;
    NameStates states;
    while (answers.next()) {
        const qint64 next = answers.value(0).toLongLong();
        if (next != learner && !write(learner, states))
            return connection.failureOf(insert.lastError());
        if (next != learner)
            states = NameStates();
        learner = next;
        const int entry = answers.value(1).toInt();
        if (entry >= 1 && entry < int(states.size()))
            states[entry] = Leitner::afterAnswer(
                states[entry], answers.value(2).toInt() != 0,
                QDateTime::fromString(answers.value(3).toString(), Qt::ISODateWithMs));
    }
    if (answers.lastError().isValid())
        return connection.failureOf(answers.lastError());
    if (!write(learner, states))
        return connection.failureOf(insert.lastError());
    return std::nullopt;
}

std::optional<StoreFailure> step(StoreConnection &connection, int toVersion)
{
    for (const QString &statement : toVersion == 1 ? Version1 : Version2)
        if (auto failure = run(connection, statement))
            return failure;
    if (toVersion == 2)
        if (auto failure = fillNameStates(connection))
            return failure;
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
    query.addBindValue(toVersion);
    if (!query.exec())
        return connection.failureOf(query.lastError());
    return std::nullopt;
}

} // namespace

std::optional<StoreFailure> readVersion(StoreConnection &connection, int &version)
{
    QStringList names;
    if (auto failure = connection.tables(names))
        return failure;
    if (names.isEmpty()) {
        version = 0;
        return std::nullopt;
    }
    if (!names.contains(QStringLiteral("schema_version")))
        return StoreFailure{StoreProblem::Foreign, connection.path(), {}};
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")))
        return connection.failureOf(query.lastError());
    if (!query.next())
        return StoreFailure{StoreProblem::Corrupt, connection.path(),
                            QStringLiteral("形式の版がありません")};
    version = query.value(0).toInt();
    if (version > CurrentVersion)
        return StoreFailure{StoreProblem::Newer, connection.path(), QString::number(version)};
    return std::nullopt;
}

std::optional<StoreFailure> migrate(StoreConnection &connection)
{
    if (auto failure = connection.beginWrite())
        return failure;
    // Another program may have brought the store on meanwhile.
    int version = 0;
    if (auto failure = readVersion(connection, version)) {
        connection.rollback();
        return failure;
    }
    for (int next = version + 1; next <= CurrentVersion; ++next) {
        if (auto failure = step(connection, next)) {
            connection.rollback();
            return failure;
        }
    }
    if (auto failure = connection.commit()) {
        connection.rollback();
        return failure;
    }
    return std::nullopt;
}

} // namespace RecordSchema
