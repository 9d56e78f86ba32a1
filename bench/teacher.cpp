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
#include "versiononestore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
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

// The class's store of the first version: one game a day per learner, its
// answers five seconds apart.
void makeClass(const QString &path)
{
    VersionOneStore store(path);
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    for (int id = 1; id <= Learners; ++id) {
        store.addLearner(id, QStringLiteral("学習者%1").arg(id), id);
        for (int game = 0; game < Games; ++game) {
            const QString gameId = QUuid::createUuid().toString(QUuid::WithoutBraces);
            for (int i = 0; i < Answers; ++i) {
                // Each learner is right more often on their own flowers.
                store.addAnswer(id, (i * 37 + game) % 60 + 1, (i + game + id) % (2 + id % 5) != 0,
                                start.addDays(game).addSecs(i * 5 + id), gameId);
            }
        }
    }
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
