// In-process timings of the teacher's view on a real SQLite file of a class:
// 40 learners, each with 200 games of 60 answers (480,000 answers), made as a
// store of the first version of the tables and migrated. It times the view
// from opening the store until the class table is painted with all its
// rows, choosing one child (their chart over 12,000 answers), and the
// question the view asks every few seconds whether anything changed. The
// store lies in the folder given. Prints one "key value" line per figure,
// in milliseconds, for scripts/bench.
#include "records/classrecords.h"
#include "records/recordstore.h"
#include "teacher/classpage.h"
#include "teacher/storewatch.h"
#include "teacher/teacherwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Learners = 40;
constexpr int Games = 200;
constexpr int Answers = 60;
constexpr int Opens = 7;
constexpr int Checks = 21;

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_teacher: %s\n", what);
    std::exit(1);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

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

// The class's store of the first version, written in one transaction: one
// game a day per learner, its answers five seconds apart.
void makeClass(const QString &path)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        require(db.open(), "the class's store cannot be made");
        QSqlQuery query(db);
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
        QSqlQuery learner(db);
        learner.prepare(QStringLiteral("INSERT INTO learners (id, name, mark, made_at)"
                                       " VALUES (?, ?, ?, '2025-01-01T00:00:00.000Z')"));
        query.prepare(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, 'hana', ?, "
                                     "'full', 'bench')"));
        const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
        for (int id = 1; id <= Learners; ++id) {
            learner.addBindValue(id);
            learner.addBindValue(QStringLiteral("学習者%1").arg(id));
            learner.addBindValue(id);
            require(learner.exec(), "a learner cannot be written");
            for (int game = 0; game < Games; ++game) {
                const QString gameId = QUuid::createUuid().toString(QUuid::WithoutBraces);
                for (int i = 0; i < Answers; ++i) {
                    const int entry = (i * 37 + game) % 60 + 1;
                    // Each learner is right more often on their own flowers.
                    const bool correct = (i + game + id) % (2 + id % 5) != 0;
                    query.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
                    query.addBindValue(id);
                    query.addBindValue(entry);
                    query.addBindValue(correct ? entry : entry % 60 + 1);
                    query.addBindValue(int(correct));
                    query.addBindValue(
                        start.addDays(game).addSecs(i * 5 + id).toString(Qt::ISODateWithMs));
                    query.addBindValue(gameId);
                    require(query.exec(), "an answer cannot be written");
                }
            }
        }
        require(QSqlQuery(db).exec(QStringLiteral("COMMIT")), "the class cannot be kept");
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

void print(const char *key, double value)
{
    std::printf("%s %.3f\n", key, value);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    require(argc == 2, "usage: bench_teacher FOLDER");
    QTemporaryDir folder(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-teacher-XXXXXX"));
    require(folder.isValid(), "no temporary folder");
    const QString path = folder.filePath(QStringLiteral("class.sqlite"));
    makeClass(path);
    QElapsedTimer migrating;
    migrating.start();
    require(!RecordStore::openFile(path)->failure(), "the class's store cannot be migrated");
    print("teacher_migrate_480000", migrating.nsecsElapsed() / 1e6);

    // From opening the store to the class table painted, each time anew.
    const QList<double> opens = timed(Opens, [&] {
        const auto store = RecordStore::openFile(path);
        TeacherWindow window(*store, StoreWatch::DefaultInterval);
        window.show();
        require(QTest::qWaitForWindowExposed(&window), "the view is not shown");
        QTableView *table = window.classPage()->view();
        table->repaint();
        require(table->model()->rowCount() == Learners, "the class table is not full");
    });
    print("teacher_open_median", median(opens));
    print("teacher_open_slowest", *std::max_element(opens.begin(), opens.end()));

    const auto store = RecordStore::openFile(path);
    TeacherWindow window(*store, StoreWatch::DefaultInterval);
    window.show();
    require(QTest::qWaitForWindowExposed(&window), "the view is not shown");
    print("teacher_choose_median",
          median(timed(Checks,
                       [&] {
                           window.chooseLearner(
                               QStringLiteral("学習者%1").arg(1 + Checks % Learners));
                           window.chooseLearner(QStringLiteral("学習者1"));
                       })) /
              2);
    print("teacher_check_median", median(timed(Checks, [&] { window.watch()->check(); })));
    return 0;
}
