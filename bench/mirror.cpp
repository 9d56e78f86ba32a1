// The outbox of a children's program sending to a PostgreSQL server: an
// outbox of 1,000 answers for a learner the server has, a ServerMirror
// started on it, and the time until its last sent(), when the server holds
// the 1,000; 5 rounds, each with a fresh outbox in the folder given and new
// answers, median. Prints one "key value" line per figure, in milliseconds,
// for scripts/bench.
#include "figures.h"
#include "records/recordstore.h"
#include "records/servermirror.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Queued = 1000;
constexpr int Rounds = 5;
// A round that has not sent everything by then has failed.
constexpr int Patience = 30000;

// The learner the answers are for, added on the server when missing.
Learner serverLearner(RecordStore &server)
{
    const QString name = QStringLiteral("送る子");
    const LearnerChange change = server.addLearner(name, 7);
    require(change == LearnerChange::Done || change == LearnerChange::Taken,
            "the server's store cannot take a learner");
    for (const Learner &learner : server.learners())
        if (learner.name == name)
            return learner;
    require(false, "the learner added is missing");
    return {};
}

// An outbox as the program leaves it: the learner copied from the server,
// and the answers of three and a bit games, each in its own transaction.
void fillOutbox(const QString &path, const Learner &learner)
{
    const auto outbox = RecordStore::openFile(path);
    require(outbox->copyLearners({LearnerBoxes{learner, {}}}, {}), "no outbox");
    const QDateTime start = QDateTime::currentDateTimeUtc();
    QUuid game;
    for (int i = 0; i < Queued; ++i) {
        if (i % 300 == 0)
            game = QUuid::createUuid();
        const int entry = i % 60 + 1;
        const bool correct = i % 4 != 0;
        require(outbox->addAnswer({QUuid::createUuid(), learner.id, entry,
                                   correct ? entry : entry % 60 + 1, correct,
                                   start.addMSecs(i * 3000), QStringLiteral("hana"), game,
                                   GameKind::Full, QStringLiteral("bench")}),
                "an answer cannot be queued");
    }
}

// From the mirror's start to its last batch sent.
double sendAll(const QString &server, const QString &outbox)
{
    QEventLoop loop;
    QTimer::singleShot(Patience, &loop, [&] { loop.exit(1); });
    int sent = 0;
    QElapsedTimer timer;
    timer.start();
    ServerMirror mirror(server, outbox);
    QObject::connect(&mirror, &ServerMirror::sent, &loop, [&](int answers) {
        sent += answers;
        if (sent >= Queued)
            loop.quit();
    });
    require(loop.exec() == 0, "the answers were not all sent in time");
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    require(sent == Queued, "more answers sent than were queued");
    return milliseconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    require(argc == 3, "usage: bench_mirror postgresql://... FOLDER");
    const QString server = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/bench-mirror-XXXXXX"));
    require(folder.isValid(), "no temporary folder");
    const auto store = RecordStore::open(server);
    require(!store->failure(), "the server's store cannot be opened");
    const Learner learner = serverLearner(*store);

    QList<double> rounds;
    for (int round = 0; round < Rounds; ++round) {
        const QString outbox = folder.filePath(QStringLiteral("outbox-%1.sqlite").arg(round));
        fillOutbox(outbox, learner);
        const int before = store->answerCount(learner.id);
        rounds << sendAll(server, outbox);
        require(store->answerCount(learner.id) == before + Queued,
                "the server does not hold the answers sent");
        require(RecordStore::openFile(outbox)->oldestAnswers(1).isEmpty(),
                "the outbox still holds answers sent");
    }
    print("mirror_send_median", median(rounds));
    print("mirror_send_slowest", *std::max_element(rounds.begin(), rounds.end()));
    return 0;
}
