// In-process timings of the records on a real SQLite file: one answer
// written through Records as the quiz writes it (its own transaction,
// brought to the disk), and for a learner with 100,000 answers, made as a
// store of the first version of the tables and migrated, the name states
// that the stamp card shows and the choice of a review game. The store lies
// in the folder given (a real disk, not a tmpfs, so that fsync counts).
// Prints one "key value" line per figure, in milliseconds, for scripts/bench.
#include "records/records.h"
#include "figures.h"
#include "platform/clock.h"
#include "records/recordstore.h"
#include "versiononestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Writes = 500;
constexpr int Reads = 51;
constexpr int HistoryAnswers = 100000;

QList<double> timed(int times, const std::function<void()> &work)
{
    QList<double> milliseconds;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        milliseconds << timer.nsecsElapsed() / 1e6;
    }
    return milliseconds;
}

// A store of the first version with one learner and their long history.
void makeHistory(const QString &path)
{
    VersionOneStore store(path);
    store.addLearner(1, QStringLiteral("ゆき"), 1);
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < HistoryAnswers; ++i)
        store.addAnswer(1, (i * 37) % 60 + 1, i % 4 != 0, start.addSecs(qint64(i) * 300),
                        QString::number(i / 60));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    require(argc == 2, "usage: bench_records FOLDER");
    QTemporaryDir folder(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-records-XXXXXX"));
    require(folder.isValid(), "no temporary folder");
    SystemClock clock;

    const QString writes = folder.filePath(QStringLiteral("writes.sqlite"));
    require(RecordStore::openFile(writes)->addLearner(QStringLiteral("ゆき"), 1) ==
                LearnerChange::Done,
            "no learner");
    QElapsedTimer opening;
    opening.start();
    const auto records =
        Records::open(RecordStore::openFile(writes), clock, QStringLiteral("hana"));
    const QList<Learner> learners = records->learners();
    print("records_open", opening.nsecsElapsed() / 1e6);
    require(records->isAvailable() && learners.size() == 1, "the store cannot be used");
    records->choosePlayer(learners.first());
    records->startGame(GameKind::Full);
    int next = 0;
    QList<double> answers = timed(Writes, [&] {
        ++next;
        records->recordAnswer({next % 60 + 1, next % 60 + 1, next % 3 != 0});
    });
    require(records->isAvailable(), "an answer was not kept");
    std::sort(answers.begin(), answers.end());
    print("answer_median", median(answers));
    print("answer_p95", answers.at(answers.size() * 95 / 100));

    const QString history = folder.filePath(QStringLiteral("history.sqlite"));
    makeHistory(history);
    QElapsedTimer migrating;
    migrating.start();
    const auto history_records =
        Records::open(RecordStore::openFile(history), clock, QStringLiteral("hana"));
    print("migrate_100000", migrating.nsecsElapsed() / 1e6);
    require(history_records->isAvailable(), "the history cannot be migrated");
    history_records->choosePlayer(history_records->learners().first());
    NameStates states;
    print("name_states_median",
          median(timed(Reads, [&] { states = history_records->nameStates(); })));
    require(Leitner::learnedCount(states) > 0, "the history has no learned name");
    QList<int> review;
    print("review_median",
          median(timed(Reads, [&] { review = history_records->reviewEntries(); })));
    require(review.size() == Leitner::ReviewSize, "no review game");
    // The same states from the whole history, as without the kept states.
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fold"));
        db.setDatabaseName(history);
        require(db.open(), "the history cannot be read");
        print("history_fold_median", median(timed(5, [&] {
                  QList<JudgedAnswer> judged;
                  QSqlQuery query(db);
                  query.setForwardOnly(true);
                  query.exec(QStringLiteral("SELECT entry, correct, answered_at FROM answers"
                                            " WHERE learner = 1 ORDER BY answered_at"));
                  while (query.next())
                      judged << JudgedAnswer{
                          query.value(0).toInt(), query.value(1).toBool(),
                          QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs)};
                  states = Leitner::statesOf(judged);
              })));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fold"));
    return 0;
}
