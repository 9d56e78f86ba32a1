#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/label.h"
#include "records/recordstore.h"
#include "records/servermirror.h"
#include "support/recordedprogram.h"
#include "support/stderrlines.h"
#include "support/stubscreens.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

const QString Server = QStringLiteral("postgresql:///hana");
// Quick tries, so that a server back again is seen within a second.
constexpr MirrorTiming Quick{.firstRetry = 100, .longestRetry = 400, .refresh = 200};
constexpr int Patience = 15000;

QList<ExportedAnswer> serverAnswers()
{
    QList<ExportedAnswer> answers;
    RecordStore::open(Server)->forEachAnswer(
        [&answers](const ExportedAnswer &answer) { answers << answer; });
    return answers;
}

Learner serverLearner(const QString &name, int mark)
{
    const auto store = RecordStore::open(Server);
    if (store->addLearner(name, mark) != LearnerChange::Done)
        qFatal("%s could not be added on the server", qPrintable(name));
    for (const Learner &learner : store->learners())
        if (learner.name == name)
            return learner;
    return {};
}

bool knows(Records &records, const QString &name)
{
    for (const Learner &learner : records.learners())
        if (learner.name == name)
            return true;
    return false;
}

Learner learnerNamed(Records &records, const QString &name)
{
    for (const Learner &learner : records.learners())
        if (learner.name == name)
            return learner;
    return {};
}

} // namespace

// Run by scripts/with-postgres: a machine's records on a real server, kept
// first in the machine's outbox and sent from a thread of their own.
class TestOutbox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyAnswerArrivesOnceThoughTheServerStops();
    void aRunAfterLearnsNothingNewButSendsWhatWasLeft();
    void aBatchTheServerKeptButTheMachineDidNotForgetCountsOnce();
    void aLearnerRemovedOnTheServerLeavesTheOutbox();
    void theLearnerScreenFollowsTheServer();
    void aSilentServerNeverHoldsTheWindow();
    void aServerThatRefusesIsToldOnce();

private:
    void stopServer();
    void startServer();
    // Plays answers for the player, a second apart, each timed.
    qint64 play(RecordedProgram &test, int answers);

    QTemporaryDir m_data;
    bool m_stopped = false;
};

void TestOutbox::initTestCase()
{
    if (!QSqlDatabase::isDriverAvailable("QPSQL"))
        QSKIP("Qt's PostgreSQL driver is not installed (libqt6sql6-psql; scripts/setup installs "
              "it)");
    QVERIFY2(qEnvironmentVariableIsSet("HANA_PG_CTL"), "not run by scripts/with-postgres");
    DataPath = copyContentPack(m_data.path());
    const auto store = RecordStore::open(Server);
    if (store->failure())
        QFAIL(qPrintable(store->failure()->message()));
}

// Each case starts from an empty class.
void TestOutbox::init()
{
    const auto store = RecordStore::open(Server);
    QVERIFY(store->changeAll({QStringLiteral("DELETE FROM answers"),
                              QStringLiteral("DELETE FROM name_states"),
                              QStringLiteral("DELETE FROM learners")}));
}

void TestOutbox::cleanup()
{
    if (m_stopped)
        startServer();
    flushDeletedWindows();
}

void TestOutbox::stopServer()
{
    QCOMPARE(QProcess::execute(qEnvironmentVariable("HANA_PG_CTL"), {"stop"}), 0);
    m_stopped = true;
}

void TestOutbox::startServer()
{
    QCOMPARE(QProcess::execute(qEnvironmentVariable("HANA_PG_CTL"), {"start"}), 0);
    m_stopped = false;
}

qint64 TestOutbox::play(RecordedProgram &test, int answers)
{
    qint64 longest = 0;
    test.records().startGame(GameKind::Full);
    for (int answer = 0; answer < answers; ++answer) {
        test.clock.now += 1.0;
        const int entry = answer % 60 + 1;
        QElapsedTimer timer;
        timer.start();
        test.records().recordAnswer({entry, answer % 3 ? entry : entry % 60 + 1, answer % 3 != 0});
        longest = std::max(longest, timer.elapsed());
    }
    return longest;
}

void TestOutbox::everyAnswerArrivesOnceThoughTheServerStops()
{
    serverLearner(QStringLiteral("たろう"), 5);
    RecordedProgram test(Server, Quick);
    QTRY_VERIFY_WITH_TIMEOUT(knows(test.records(), QStringLiteral("たろう")), Patience);
    test.records().choosePlayer(learnerNamed(test.records(), QStringLiteral("たろう")));

    QVERIFY(play(test, 20) < 50);
    QTRY_COMPARE_WITH_TIMEOUT(serverAnswers().size(), 20, Patience);
    stopServer();
    // Answered while the server is away, kept by the machine.
    QVERIFY(play(test, 25) < 50);
    QTRY_VERIFY_WITH_TIMEOUT(test.records().notice().contains(QStringLiteral("つながりません")),
                             Patience);
    QVERIFY(test.records().isAvailable());
    startServer();
    QTRY_COMPARE_WITH_TIMEOUT(serverAnswers().size(), 45, Patience);
    QTRY_VERIFY_WITH_TIMEOUT(test.records().notice().isEmpty(), Patience);

    const QList<ExportedAnswer> answers = serverAnswers();
    QSet<QUuid> ids;
    QList<JudgedAnswer> history;
    for (const ExportedAnswer &each : answers) {
        ids << each.answer.id;
        history << JudgedAnswer{each.answer.entry, each.answer.correct, each.answer.answeredAt};
    }
    QCOMPARE(ids.size(), 45);
    // The server's states are those its answers lead to, each counted once,
    // and the machine now reads the same.
    const auto server = RecordStore::open(Server);
    const qint64 learner = learnerNamed(test.records(), QStringLiteral("たろう")).id;
    QVERIFY(server->nameStates(learner) == Leitner::statesOf(history));
    QTRY_VERIFY_WITH_TIMEOUT(test.records().nameStates() == Leitner::statesOf(history), Patience);
    // Sent answers do not stay on the machine.
    QCOMPARE(RecordStore::openFile(test.storePath())->oldestAnswers(100).size(), 0);
}

void TestOutbox::aRunAfterLearnsNothingNewButSendsWhatWasLeft()
{
    serverLearner(QStringLiteral("はなこ"), 7);
    QTemporaryDir home;
    const QString outbox = home.filePath(QStringLiteral("outbox.sqlite"));
    {
        FakeClock clock;
        auto records = Records::open(RecordStore::openFile(outbox), clock, QStringLiteral("test"),
                                     std::make_unique<ServerMirror>(Server, outbox, Quick));
        QTRY_VERIFY_WITH_TIMEOUT(knows(*records, QStringLiteral("はなこ")), Patience);
    }
    stopServer();
    {
        // The learner screen of a run while the server is away lists the
        // learners read before, and that run's answers wait.
        FakeClock clock;
        auto records = Records::open(RecordStore::openFile(outbox), clock, QStringLiteral("test"),
                                     std::make_unique<ServerMirror>(Server, outbox, Quick));
        QVERIFY(knows(*records, QStringLiteral("はなこ")));
        records->choosePlayer(learnerNamed(*records, QStringLiteral("はなこ")));
        records->startGame(GameKind::Full);
        for (int entry = 1; entry <= 12; ++entry)
            records->recordAnswer({entry, entry, true});
        QCOMPARE(records->nameStates()[12].box, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!records->notice().isEmpty(), Patience);
        QElapsedTimer closing;
        closing.start();
        records.reset();
        QVERIFY2(closing.elapsed() < 1000, "closing waited on a server that is not there");
    }
    QCOMPARE(RecordStore::openFile(outbox)->oldestAnswers(100).size(), 12);
    startServer();
    FakeClock clock;
    auto records = Records::open(RecordStore::openFile(outbox), clock, QStringLiteral("test"),
                                 std::make_unique<ServerMirror>(Server, outbox, Quick));
    QTRY_COMPARE_WITH_TIMEOUT(serverAnswers().size(), 12, Patience);
}

// A run killed after the server's commit and before the outbox let the
// batch go: the next run sends it again, and the server keeps it once.
void TestOutbox::aBatchTheServerKeptButTheMachineDidNotForgetCountsOnce()
{
    const Learner learner = serverLearner(QStringLiteral("みどり"), 3);
    QTemporaryDir home;
    const QString outbox = home.filePath(QStringLiteral("outbox.sqlite"));
    QList<AnswerRecord> answers;
    QList<JudgedAnswer> history;
    const QDateTime start = QDateTime::fromString("2026-04-01T10:00:00Z", Qt::ISODate);
    for (int entry = 1; entry <= 10; ++entry) {
        const bool right = entry % 4 != 0;
        answers << AnswerRecord{QUuid::createUuid(),
                                learner.id,
                                entry,
                                right ? entry : 60,
                                right,
                                start.addSecs(entry),
                                QStringLiteral("test"),
                                QUuid::createUuid(),
                                GameKind::Full,
                                QStringLiteral("pc")};
        history << JudgedAnswer{entry, right, start.addSecs(entry)};
    }
    {
        const auto store = RecordStore::openFile(outbox);
        QVERIFY(store->copyLearners({LearnerBoxes{learner, {}}}, {}));
        for (const AnswerRecord &answer : answers)
            QVERIFY(store->addAnswer(answer));
    }
    QVERIFY(RecordStore::open(Server)->addAnswers(answers));

    FakeClock clock;
    auto records = Records::open(RecordStore::openFile(outbox), clock, QStringLiteral("test"),
                                 std::make_unique<ServerMirror>(Server, outbox, Quick));
    QTRY_COMPARE_WITH_TIMEOUT(RecordStore::openFile(outbox)->oldestAnswers(100).size(), 0,
                              Patience);
    QCOMPARE(serverAnswers().size(), 10);
    QVERIFY(RecordStore::open(Server)->nameStates(learner.id) == Leitner::statesOf(history));
}

void TestOutbox::aLearnerRemovedOnTheServerLeavesTheOutbox()
{
    serverLearner(QStringLiteral("いちろう"), 1);
    serverLearner(QStringLiteral("じろう"), 2);
    RecordedProgram test(Server, Quick);
    int changes = 0;
    QObject context;
    test.records().setChangedHandler(&context, [&changes] { ++changes; });
    QTRY_VERIFY_WITH_TIMEOUT(knows(test.records(), QStringLiteral("じろう")), Patience);
    test.records().choosePlayer(learnerNamed(test.records(), QStringLiteral("じろう")));
    QVERIFY(play(test, 5) < 50);
    QTRY_COMPARE_WITH_TIMEOUT(serverAnswers().size(), 5, Patience);

    int erased = 0;
    QCOMPARE(RecordStore::open(Server)->removeLearner(QStringLiteral("じろう"), erased),
             LearnerChange::Done);
    QCOMPARE(erased, 5);
    const int before = changes;
    QTRY_VERIFY_WITH_TIMEOUT(!knows(test.records(), QStringLiteral("じろう")), Patience);
    // Told once the outbox has them as the server has.
    QTRY_VERIFY_WITH_TIMEOUT(changes > before, Patience);
    QVERIFY(knows(test.records(), QStringLiteral("いちろう")));
    // What the machine still had of theirs goes too, and nothing comes back.
    QVERIFY(test.records().nameStates() == NameStates());
    QCOMPARE(RecordStore::openFile(test.storePath())->nameStates(test.records().player()->id),
             NameStates());
    QCOMPARE(serverAnswers().size(), 0);
}

void TestOutbox::theLearnerScreenFollowsTheServer()
{
    RecordedProgram test(Server, Quick);
    Program &program = test.program();
    addScreensStubbingAllBut(program, ScreenName::Learners);
    program.dispatch([&program] { program.open(ScreenName::Learners); });
    Form *form = program.screen(ScreenName::Learners).form();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    Label *first = form->labelArray("Label1")(0);
    QVERIFY(!first->isVisible());

    // A learner the teacher adds shows while the screen is open.
    serverLearner(QStringLiteral("さくら"), 9);
    QTRY_VERIFY2_WITH_TIMEOUT(first->isVisible(), qPrintable(test.errors.messages.join('\n')),
                              Patience);
    QCOMPARE(first->caption(), QStringLiteral("さくら"));
    QVERIFY(!form->label("Label3")->isVisible());

    Label *notice = form->label("Label4");
    QVERIFY(!notice->isVisible());
    stopServer();
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), Patience);
    QVERIFY2(notice->caption().contains(QStringLiteral("postgresql:///hana")),
             qPrintable(notice->caption()));
    QVERIFY(first->isVisible());
    startServer();
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), Patience);
    QVERIFY2(test.errors.messages.isEmpty(), qPrintable(test.errors.messages.join('\n')));
}

// A server that takes the connection and never says a word: the window's
// event loop goes on while the mirror waits for it, and answers are kept.
void TestOutbox::aSilentServerNeverHoldsTheWindow()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const QString address =
        QStringLiteral("postgresql://127.0.0.1:%1/hana").arg(silent.serverPort());
    RecordedProgram test(address, Quick);
    const Learner learner{1, QStringLiteral("たろう"), 1};
    QVERIFY(RecordStore::openFile(test.storePath())->copyLearners({LearnerBoxes{learner, {}}}, {}));
    test.records().choosePlayer(learner);

    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    int answers = 0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceTick.restart());
        if (++answers % 10 == 0)
            play(test, 1);
    });
    sinceTick.start();
    ticks.start();
    QTRY_VERIFY_WITH_TIMEOUT(test.records().notice().contains(QStringLiteral("つながりません")),
                             Patience);
    QTest::qWait(2500);
    ticks.stop();
    QVERIFY2(longestPause < 50, qPrintable(QStringLiteral("a pause of %1 ms").arg(longestPause)));
    QVERIFY(RecordStore::openFile(test.storePath())->oldestAnswers(1000).size() > 20);
}

void TestOutbox::aServerThatRefusesIsToldOnce()
{
    StderrLines stderrLines;
    {
        RecordedProgram test(QStringLiteral("postgresql:///hana_missing"), Quick);
        QTRY_VERIFY_WITH_TIMEOUT(!test.records().notice().isEmpty(), Patience);
        // Several tries later, still one line.
        QTest::qWait(1500);
        const QString notice = test.records().notice();
        QVERIFY(notice.contains(QStringLiteral("入れません")));
        QVERIFY(notice.contains(QStringLiteral("hana_missing")));
        QVERIFY(test.records().isAvailable());
    }
    QCOMPARE(stderrLines.lines().filter(QStringLiteral("hana_missing")).size(), 1);
}

QTEST_MAIN(TestOutbox)
#include "tst_outbox.moc"
