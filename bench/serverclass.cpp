#include "serverclass.h"
#include "figures.h"
#include "records/recordstore.h"
#include "records/serveraddress.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Connection = QStringLiteral("server-class");
// The answers in one INSERT: ten values each, well below the server's
// limit of 65,535 values to a statement.
constexpr qsizetype RowsPerInsert = 1000;

QString insertOf(qsizetype rows)
{
    QStringList values(rows, QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    return QStringLiteral("INSERT INTO answers (id, learner, entry, answer, correct, answered_at,"
                          " pack, game, kind, machine) VALUES ") +
           values.join(QStringLiteral(", "));
}

} // namespace

ServerClass::ServerClass(const QString &location) : m_store(RecordStore::open(location))
{
    require(!m_store->failure(), "the server's store cannot be opened:",
            m_store->failure() ? m_store->failure()->message() : QString());
    require(m_store->learners().isEmpty(), "the server's store has learners already");
    QString problem;
    const std::optional<ServerAddress> address = ServerAddress::parse(location, problem);
    require(address.has_value(), "not a server's address:", problem);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), Connection);
    m_db.setHostName(address->host());
    m_db.setPort(address->port());
    m_db.setUserName(address->user());
    m_db.setDatabaseName(address->database());
    m_db.setConnectOptions(address->connectOptions());
    require(m_db.open(), "no connection for the answers:", m_db.lastError().text());
}

ServerClass::~ServerClass()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(Connection);
}

// The learner and their names' states go through the store, as a copy of
// another store's learner would; the answers follow without touching them.
void ServerClass::addLearner(const QString &name, int mark, QList<AnswerRecord> answers)
{
    require(m_store->addLearner(name, mark) == LearnerChange::Done, "a learner cannot be added");
    std::optional<Learner> added;
    for (const Learner &learner : m_store->learners())
        if (learner.name == name)
            added = learner;
    require(added.has_value(), "a learner added is missing");
    QList<JudgedAnswer> judged;
    for (AnswerRecord &answer : answers) {
        answer.learner = added->id;
        judged << JudgedAnswer{answer.entry, answer.correct, answer.answeredAt};
    }
    require(m_store->copyLearners({LearnerBoxes{*added, Leitner::statesOf(judged)}}, {}),
            "the names' states cannot be written");
    insertAnswers(answers);
}

void ServerClass::insertAnswers(const QList<AnswerRecord> &answers)
{
    require(m_db.transaction(), "no transaction for the answers");
    for (qsizetype first = 0; first < answers.size(); first += RowsPerInsert) {
        const QList<AnswerRecord> rows = answers.mid(first, RowsPerInsert);
        QSqlQuery insert(m_db);
        require(insert.prepare(insertOf(rows.size())),
                "the answers' INSERT cannot be prepared:", insert.lastError().text());
        for (const AnswerRecord &answer : rows)
            for (const QVariant &value :
                 {QVariant(answer.id.toString(QUuid::WithoutBraces)), QVariant(answer.learner),
                  QVariant(answer.entry), QVariant(answer.answer), QVariant(int(answer.correct)),
                  QVariant(answer.answeredAt.toUTC().toString(Qt::ISODateWithMs)),
                  QVariant(answer.pack), QVariant(answer.game.toString(QUuid::WithoutBraces)),
                  QVariant(kindName(answer.kind)), QVariant(answer.machine)})
                insert.addBindValue(value);
        require(insert.exec(), "answers cannot be written:", insert.lastError().text());
    }
    require(m_db.commit(), "the answers cannot be kept:", m_db.lastError().text());
}

void ServerClass::analyze()
{
    QSqlQuery query(m_db);
    require(query.exec(QStringLiteral("ANALYZE")), "no statistics:", query.lastError().text());
}
