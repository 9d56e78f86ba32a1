// The stamp card of a learner with 100,000 answers, opened in-process on the
// offscreen platform with the fakes of the screen tests and a real store:
// the window built, the player and the 60 names' boxes read from the store,
// the stamps shown; 30 times after 3 warm-ups, median. The history is
// written into the store in one transaction, as the program would have left
// it: every answer, and each name's box after them. Prints "key value" lines
// for scripts/bench.
#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "figures.h"
#include "platform/label.h"
#include "records/records.h"
#include "records/recordstore.h"
#include "screens/screens.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int Answers = 100000;
constexpr int WarmUps = 3;
constexpr int Openings = 30;

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// A child's answers over a year of playing: most right, one in four wrong.
QList<JudgedAnswer> history(const QDateTime &start)
{
    std::mt19937 engine(27);
    std::uniform_int_distribution<int> entry(1, 60);
    std::bernoulli_distribution right(0.75);
    QList<JudgedAnswer> answers;
    for (int answer = 0; answer < Answers; ++answer)
        answers << JudgedAnswer{entry(engine), right(engine), start.addSecs(300LL * answer)};
    return answers;
}

void writeHistory(const QString &store, qint64 learner, const QList<JudgedAnswer> &answers)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "history");
        db.setDatabaseName(store);
        require(db.open() && db.transaction(), "the store does not open");
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO answers (id, learner, entry, answer, correct, answered_at, pack, game,"
            " kind, machine) VALUES (?, ?, ?, ?, ?, ?, 'bench', ?, 'full', 'bench')"));
        const QString game = QUuid::createUuid().toString(QUuid::WithoutBraces);
        for (const JudgedAnswer &answer : answers) {
            insert.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            insert.addBindValue(learner);
            insert.addBindValue(answer.entry);
            insert.addBindValue(answer.correct ? answer.entry : answer.entry % 60 + 1);
            insert.addBindValue(int(answer.correct));
            insert.addBindValue(timeText(answer.answeredAt));
            insert.addBindValue(game);
            require(insert.exec(), "an answer is not written");
        }
        const NameStates states = Leitner::statesOf(answers);
        QSqlQuery state(db);
        state.prepare(QStringLiteral("INSERT INTO name_states (learner, entry, box,"
                                     " last_answered, wrong_count, right_count)"
                                     " VALUES (?, ?, ?, ?, ?, ?)"));
        for (int entry = 1; entry <= 60; ++entry) {
            const NameState &name = states.at(size_t(entry));
            if (name.box == 0)
                continue;
            for (const QVariant &value : {QVariant(learner), QVariant(entry), QVariant(name.box),
                                          QVariant(timeText(name.lastAnswered)),
                                          QVariant(name.wrongCount), QVariant(name.rightCount)})
                state.addBindValue(value);
            require(state.exec(), "a name's box is not written");
        }
        require(db.commit(), "the history is not written");
    }
    QSqlDatabase::removeDatabase("history");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    DataPath = copyContentPack(folder.filePath("pack"));
    const QString store = folder.filePath("records.sqlite");
    require(RecordStore::openFile(store)->addLearner(QStringLiteral("はなこ"), 12) ==
                LearnerChange::Done,
            "the learner is not added");
    FakeClock clock;
    const QDateTime now = clock.currentDateTimeUtc();
    const QList<JudgedAnswer> answers = history(now.addDays(-400));
    const Learner learner = RecordStore::openFile(store)->learners().constFirst();
    writeHistory(store, learner.id, answers);

    FakeRandom random;
    RecordingSounds sounds;
    RecordingErrors errors;
    const auto records = Records::open(RecordStore::openFile(store), clock, QStringLiteral("b"));
    records->choosePlayer(learner);
    Program program({clock, random, sounds, errors, records.get()});
    addScreens(program);
    const QString expected =
        QStringLiteral("%1 / 60").arg(Leitner::learnedCount(Leitner::statesOf(answers)));

    QList<double> times;
    for (int opening = 0; opening < WarmUps + Openings; ++opening) {
        QElapsedTimer timer;
        timer.start();
        program.dispatch([&program] { program.open(ScreenName::StampCard); });
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        Screen &card = program.screen(ScreenName::StampCard);
        require(card.isOpen() && errors.messages.isEmpty(), "the stamp card did not open");
        require(card.form()->label("Label3")->caption() == expected, "the count is wrong");
        if (opening >= WarmUps)
            times << elapsed;
        card.close();
        QCoreApplication::processEvents();
        flushDeletedWindows();
    }
    std::sort(times.begin(), times.end());
    std::printf("stampcard_answers %d\n", records->isAvailable() ? Answers : 0);
    std::printf("stampcard_open_ms %.3f\n", times.at(times.size() / 2));
    std::printf("stampcard_learned %s\n", qPrintable(expected));
    return 0;
}
