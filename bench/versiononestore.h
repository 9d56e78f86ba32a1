#ifndef VERSIONONESTORE_H
#define VERSIONONESTORE_H

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// A records store in the first version of its tables, filled in one
// transaction for the benches: a long history is written in seconds, and
// opening it with RecordStore migrates it as an old store would be.
class VersionOneStore
{
public:
    explicit VersionOneStore(const QString &path);
    // Commits what was added.
    ~VersionOneStore();

    void addLearner(qint64 id, const QString &name, int mark);
    // A right answer is the entry's own tile; a wrong one the next tile.
    void addAnswer(qint64 learner, int entry, bool correct, const QDateTime &answeredAt,
                   const QString &game);

private:
    QSqlDatabase m_db;
    QSqlQuery m_learner;
    QSqlQuery m_answer;
};

#endif
