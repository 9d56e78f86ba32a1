#include "versiononestore.h"
#include "figures.h"

#include <QUuid>
#include <QVariant>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Connection = QStringLiteral("version-one");

} // namespace

VersionOneStore::VersionOneStore(const QString &path)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
    m_db.setDatabaseName(path);
    require(m_db.open(), "the store cannot be made");
    QSqlQuery query(m_db);
    for (const char *statement :
         {"CREATE TABLE schema_version (version INTEGER NOT NULL)",
          "INSERT INTO schema_version (version) VALUES (1)",
          "CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT UNIQUE, mark INTEGER NOT "
          "NULL, made_at TEXT NOT NULL, removed_at TEXT)",
          "CREATE TABLE answers (id TEXT PRIMARY KEY, learner INTEGER NOT NULL, entry INTEGER "
          "NOT NULL, answer INTEGER NOT NULL, correct INTEGER NOT NULL, answered_at TEXT NOT "
          "NULL, pack TEXT NOT NULL, game TEXT NOT NULL, kind TEXT NOT NULL, machine TEXT NOT "
          "NULL)",
          "BEGIN"})
        require(query.exec(QString::fromUtf8(statement)), statement);
    m_learner = QSqlQuery(m_db);
    m_learner.prepare(QStringLiteral("INSERT INTO learners (id, name, mark, made_at)"
                                     " VALUES (?, ?, ?, '2025-01-01T00:00:00.000Z')"));
    m_answer = QSqlQuery(m_db);
    m_answer.prepare(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, 'hana', ?, "
                                    "'full', 'bench')"));
}

VersionOneStore::~VersionOneStore()
{
    require(QSqlQuery(m_db).exec(QStringLiteral("COMMIT")), "the store cannot be kept");
    m_learner = QSqlQuery();
    m_answer = QSqlQuery();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(Connection);
}

void VersionOneStore::addLearner(qint64 id, const QString &name, int mark)
{
    m_learner.addBindValue(id);
    m_learner.addBindValue(name);
    m_learner.addBindValue(mark);
    require(m_learner.exec(), "a learner cannot be written");
}

void VersionOneStore::addAnswer(qint64 learner, int entry, bool correct,
                                const QDateTime &answeredAt, const QString &game)
{
    m_answer.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
    m_answer.addBindValue(learner);
    m_answer.addBindValue(entry);
    m_answer.addBindValue(correct ? entry : entry % 60 + 1);
    m_answer.addBindValue(int(correct));
    m_answer.addBindValue(answeredAt.toString(Qt::ISODateWithMs));
    m_answer.addBindValue(game);
    require(m_answer.exec(), "an answer cannot be written");
}
