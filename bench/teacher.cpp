// In-process timings of the teacher's view of a class: 40 learners, each with
// 200 games of 60 answers (480,000 answers). Given a folder, the class is a
// real SQLite file there, made as a store of the first version of the
// tables and migrated; given a server's address (postgresql://...), it is
// written into that server's store, which must have no learners. It times
// the view from opening the store until the class table is painted with
// all its rows, choosing one child (their chart over 12,000 answers), and
// the question the view asks every few seconds whether anything changed.
// Prints one "key value" line per figure, in milliseconds, for
// scripts/bench.
#include "figures.h"
#include "records/classrecords.h"
#include "records/recordstore.h"
#include "records/serveraddress.h"
#include "serverclass.h"
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
#include <optional>

namespace {

constexpr int Learners = 40;
constexpr int Games = 200;
constexpr int Answers = 60;
constexpr int Opens = 7;
constexpr int Checks = 21;

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

// One game a day per learner, its answers five seconds apart; each learner
// is right more often on their own flowers.
QList<AnswerRecord> historyOf(int learner)
{
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    QList<AnswerRecord> answers;
    answers.reserve(Games * Answers);
    for (int game = 0; game < Games; ++game) {
        const QUuid gameId = QUuid::createUuid();
        for (int i = 0; i < Answers; ++i) {
            const int entry = (i * 37 + game) % 60 + 1;
            const bool correct = (i + game + learner) % (2 + learner % 5) != 0;
            answers << AnswerRecord{QUuid::createUuid(),
                                    learner,
                                    entry,
                                    correct ? entry : entry % 60 + 1,
                                    correct,
                                    start.addDays(game).addSecs(i * 5 + learner),
                                    QStringLiteral("hana"),
                                    gameId,
                                    GameKind::Full,
                                    QStringLiteral("bench")};
        }
    }
    return answers;
}

QString nameOf(int learner)
{
    return QStringLiteral("学習者%1").arg(learner);
}

// The class's store of the first version in the folder, migrated.
QString makeFileClass(const QString &folder)
{
    const QString path = folder + QStringLiteral("/class.sqlite");
    {
        VersionOneStore store(path);
        for (int id = 1; id <= Learners; ++id) {
            store.addLearner(id, nameOf(id), id);
            for (const AnswerRecord &answer : historyOf(id))
                store.addAnswer(id, answer.entry, answer.correct, answer.answeredAt,
                                answer.game.toString(QUuid::WithoutBraces));
        }
    }
    QElapsedTimer migrating;
    migrating.start();
    require(!RecordStore::openFile(path)->failure(), "the class's store cannot be migrated");
    print("teacher_migrate_480000", migrating.nsecsElapsed() / 1e6);
    return path;
}

void makeServerClass(const QString &location)
{
    QElapsedTimer filling;
    filling.start();
    ServerClass server(location);
    for (int id = 1; id <= Learners; ++id)
        server.addLearner(nameOf(id), id, historyOf(id));
    server.analyze();
    print("teacher_fill_480000", filling.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    require(argc == 2, "usage: bench_teacher FOLDER|postgresql://...");
    QString location = QString::fromLocal8Bit(argv[1]);
    std::optional<QTemporaryDir> folder;
    if (ServerAddress::isServer(location)) {
        makeServerClass(location);
    } else {
        folder.emplace(location + QStringLiteral("/bench-teacher-XXXXXX"));
        require(folder->isValid(), "no temporary folder");
        location = makeFileClass(folder->path());
    }
    // The names' states, which the view reads instead of the answers, count
    // every answer once.
    const std::optional<StoreStamp> made = ClassRecords::stamp(*RecordStore::open(location));
    require(made && made->answers == Learners * Games * Answers &&
                made->learners.size() == Learners,
            "the class's names' states do not count its answers");

    // From opening the store to the class table painted, each time anew.
    const QList<double> opens = timed(Opens, [&] {
        const auto store = RecordStore::open(location);
        TeacherWindow window(*store, StoreWatch::DefaultInterval);
        window.show();
        require(QTest::qWaitForWindowExposed(&window), "the view is not shown");
        QTableView *table = window.classPage()->view();
        table->repaint();
        require(table->model()->rowCount() == Learners, "the class table is not full");
    });
    print("teacher_open_median", median(opens));
    print("teacher_open_slowest", *std::max_element(opens.begin(), opens.end()));

    const auto store = RecordStore::open(location);
    TeacherWindow window(*store, StoreWatch::DefaultInterval);
    window.show();
    require(QTest::qWaitForWindowExposed(&window), "the view is not shown");
    print("teacher_choose_median",
          median(timed(Checks,
                       [&] {
                           window.chooseLearner(nameOf(1 + Checks % Learners));
                           window.chooseLearner(nameOf(1));
                       })) /
              2);
    print("teacher_check_median", median(timed(Checks, [&] { window.watch()->check(); })));
    return 0;
}
