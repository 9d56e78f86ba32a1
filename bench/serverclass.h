#ifndef SERVERCLASS_H
#define SERVERCLASS_H

#include "records/answerrecord.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

class RecordStore;

// A class written into a store on a PostgreSQL server for the benches: the
// learners through the store itself, their answers thousands to a statement
// in one transaction each, and the states of their names as the store keeps
// them, so that a long history is on the server in seconds.
class ServerClass
{
public:
    // The store at the address, its tables made; it must have no learners.
    explicit ServerClass(const QString &location);
    ~ServerClass();

    // Adds the learner with their answers, given in the order of time.
    void addLearner(const QString &name, int mark, QList<AnswerRecord> answers);
    // Gathers the tables' statistics for the planner, as the server's
    // autovacuum does after so many rows.
    void analyze();

private:
    void insertAnswers(const QList<AnswerRecord> &answers);

    std::unique_ptr<RecordStore> m_store;
    QSqlDatabase m_db;
};

#endif
