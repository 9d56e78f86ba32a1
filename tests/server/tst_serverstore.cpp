#include "records/answercsv.h"
#include "records/recordstore.h"
#include "records/serveraddress.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>

namespace {

const QString Superuser = QStringLiteral("superuser");
const QString Machine = QStringLiteral("hana_test_pc");
const QString Teacher = QStringLiteral("hana_test_sensei");

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// The address of a database on the private server, through its socket.
QString serverAt(const QString &database, const QString &user = {})
{
    return QStringLiteral("postgresql://%1%2/%3")
        .arg(user, user.isEmpty() ? QString() : QStringLiteral("@"), database);
}

// Runs statements as the server's superuser in a database; the first
// error, or an empty text.
QString asSuperuser(const QString &database, const QStringList &statements)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), Superuser);
        db.setDatabaseName(database);
        if (!db.open())
            error = db.lastError().text();
        QSqlQuery query(db);
        for (const QString &statement : statements)
            if (error.isEmpty() && !query.exec(statement))
                error = statement + QStringLiteral(": ") + query.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(Superuser);
    return error;
}

// The rows of one read as the superuser, each row's columns joined by |.
QStringList rowsOf(const QString &database, const QString &statement)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), Superuser);
        db.setDatabaseName(database);
        const bool opened = db.open();
        QSqlQuery query(db);
        if (!opened || !query.exec(statement))
            rows << QStringLiteral("failed: ") + query.lastError().text();
        while (query.next()) {
            QStringList columns;
            for (int column = 0; column < query.record().count(); ++column)
                columns << query.value(column).toString();
            rows << columns.join(u'|');
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(Superuser);
    return rows;
}

// A new, empty database on the server, and its address.
QString newDatabase(const QString &name)
{
    const QString error =
        asSuperuser(QStringLiteral("hana"), {QStringLiteral("CREATE DATABASE %1").arg(name)});
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return serverAt(name);
}

// What went wrong with the store, if anything did.
QString failureOf(const RecordStore &store)
{
    return store.failure() ? store.failure()->message() : QString();
}

QByteArray csvOf(RecordStore &store)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    AnswerCsv::write(store, buffer);
    return buffer.data();
}

// The answers of one learner in one game, a minute apart, with ids that
// every store given them shares.
QList<AnswerRecord> answersOf(const Learner &learner, int count)
{
    static const QUuid Game = QUuid::fromString(u"5d0c9a57-1b5e-4c2f-9f39-2a8a0e6b1c01");
    const QDateTime start = QDateTime::fromString(u"2025-04-01T09:00:00.250Z", Qt::ISODateWithMs);
    QList<AnswerRecord> answers;
    for (int i = 0; i < count; ++i)
        answers << AnswerRecord{QUuid::createUuidV5(Game, learner.name + QString::number(i)),
                                learner.id,
                                i % 7 + 1,
                                i % 3 == 0 ? i % 7 + 2 : i % 7 + 1,
                                i % 3 != 0,
                                start.addSecs(60 * i),
                                QStringLiteral("hana"),
                                Game,
                                i % 2 ? GameKind::Review : GameKind::Full,
                                QStringLiteral("0123456789abcdef0123456789abcdef")};
    return answers;
}

NameStates statesAfter(const QList<AnswerRecord> &answers)
{
    QList<JudgedAnswer> history;
    for (const AnswerRecord &answer : answers)
        history << JudgedAnswer{answer.entry, answer.correct, answer.answeredAt};
    return Leitner::statesOf(history);
}

// The learners in their order, with their ids or without: a server
// numbers on after an insert that failed, a file does not.
QStringList learnerRows(RecordStore &store, bool withIds = true)
{
    QStringList rows;
    for (const Learner &learner : store.learners())
        rows << QStringLiteral("%1|%2|%3")
                    .arg(withIds ? learner.id : 0)
                    .arg(learner.name)
                    .arg(learner.mark);
    return rows;
}

} // namespace

// Run by scripts/with-postgres: the records' store on a private server, as
// the children's machines, the teacher and hana-records use it.
class TestServerStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aFileAndAServerKeepTheSameRecords();
    void namesRoundTripThroughTheServer();
    void rolesLimitWhatEachMayDo();
    void failuresNameTheServer_data();
    void failuresNameTheServer();
    void aPasswordComesFromThePassFile();
    void aServerThatNeverAnswersIsAwayWithinTwoSeconds();

private:
    Run hanaRecords(const QString &location, const QStringList &arguments);

    QTemporaryDir m_home;
};

void TestServerStore::initTestCase()
{
    if (!QSqlDatabase::isDriverAvailable("QPSQL"))
        QSKIP("Qt's PostgreSQL driver is not installed (libqt6sql6-psql; scripts/setup installs "
              "it)");
    QVERIFY2(qEnvironmentVariableIsSet("PGHOST"), "not run by scripts/with-postgres");
    QVERIFY(m_home.isValid());
}

Run TestServerStore::hanaRecords(const QString &location, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        environment.insert(QString::fromLatin1(variable), m_home.filePath(QStringLiteral("xdg")));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HANA_RECORDS_PATH),
                  QStringList{QStringLiteral("--records=") + location} + arguments);
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestServerStore::aFileAndAServerKeepTheSameRecords()
{
    const std::unique_ptr<RecordStore> file =
        RecordStore::openFile(m_home.filePath(QStringLiteral("same.sqlite")));
    const std::unique_ptr<RecordStore> server =
        RecordStore::open(newDatabase(QStringLiteral("same")));
    constexpr int Answers = 30;
    for (RecordStore *store : {file.get(), server.get()}) {
        QVERIFY2(!store->failure(), qPrintable(failureOf(*store)));
        int mark = 0;
        for (const QString &name :
             {QStringLiteral("ゆき"), QStringLiteral("Zoe"), QStringLiteral("zoe"),
              QStringLiteral("Ärger"), QStringLiteral("🌸"), QStringLiteral("はると")})
            QCOMPARE(store->addLearner(name, ++mark), LearnerChange::Done);
        const QList<Learner> learners = store->learners();
        for (const Learner &learner : learners) {
            const QList<AnswerRecord> answers = answersOf(learner, Answers);
            // Sent twice in one batch, once alone and once again, and a
            // whole batch once more: each answer counts once.
            QVERIFY(store->addAnswers(answers.mid(0, 20) + QList{answers[3], answers[19]}));
            for (const AnswerRecord &answer : answers.mid(20))
                QVERIFY(store->addAnswer(answer));
            QVERIFY(store->addAnswer(answers[25]));
            QVERIFY(store->addAnswers(answers.mid(0, 10)));
            QCOMPARE(store->answerCount(learner.id), Answers);
            QCOMPARE(store->nameStates(learner.id), statesAfter(answers));
        }
        // An answer for a learner removed meanwhile is not kept.
        int erased = 0;
        QCOMPARE(store->removeLearner(QStringLiteral("zoe"), erased), LearnerChange::Done);
        QCOMPARE(erased, Answers);
        const Learner removed = *std::find_if(learners.begin(), learners.end(),
                                              [](const Learner &l) { return l.name == u"zoe"; });
        QVERIFY(store->addAnswer(answersOf(removed, Answers + 1).last()));
        QCOMPARE(store->answerCount(removed.id), 0);
        QCOMPARE(store->nameStates(removed.id), NameStates());
    }
    QCOMPARE(learnerRows(*server), learnerRows(*file));
    QCOMPARE(learnerRows(*server).size(), 5);
    for (const Learner &learner : server->learners())
        QCOMPARE(server->nameStates(learner.id), file->nameStates(learner.id));
    const QByteArray csv = csvOf(*server);
    QCOMPARE(csv.count("\r\n"), 1 + 5 * Answers);
    QCOMPARE(csv, csvOf(*file));
    QVERIFY(!server->failure() && !file->failure());
}

void TestServerStore::namesRoundTripThroughTheServer()
{
    const QStringList names{
        QStringLiteral("x'); DROP TABLE learners; --"),
        QStringLiteral("\"ゆき\""),
        QStringLiteral("back\\slash\\"),
        QStringLiteral("\\'"),
        QStringLiteral("E'\\x41'"),
        QStringLiteral("?"),
        QStringLiteral("$1 $2"),
        QStringLiteral("$$ $tag$"),
        QStringLiteral(":name"),
        QStringLiteral("%s%n"),
        QStringLiteral("👨‍👩‍👧‍👦"),
        QStringLiteral("🏳️‍🌈🇯🇵"),
        QStringLiteral("はな　こ"),
    };
    const std::unique_ptr<RecordStore> file =
        RecordStore::openFile(m_home.filePath(QStringLiteral("names.sqlite")));
    const std::unique_ptr<RecordStore> server =
        RecordStore::open(newDatabase(QStringLiteral("names")));
    for (RecordStore *store : {file.get(), server.get()}) {
        QVERIFY2(!store->failure(), qPrintable(failureOf(*store)));
        for (const QString &name : names) {
            QCOMPARE(store->addLearner(name, 1 + names.indexOf(name)), LearnerChange::Done);
            QCOMPARE(store->addLearner(name, 60), LearnerChange::Taken);
            QCOMPARE(store->renameLearner(name, name + u'?'), LearnerChange::Done);
            QCOMPARE(store->renameLearner(name, QStringLiteral("だれか")), LearnerChange::Missing);
        }
        for (const Learner &learner : store->learners())
            QVERIFY(store->addAnswers(answersOf(learner, 2)));
    }
    QStringList renamed;
    for (const Learner &learner : server->learners())
        renamed << learner.name.chopped(1);
    QCOMPARE(QSet<QString>(renamed.begin(), renamed.end()),
             QSet<QString>(names.begin(), names.end()));
    QCOMPARE(learnerRows(*server, false), learnerRows(*file, false));
    QCOMPARE(csvOf(*server), csvOf(*file));
    int erased = 0;
    QCOMPARE(server->removeLearner(QStringLiteral("\\'?"), erased), LearnerChange::Done);
    QCOMPARE(erased, 2);
    QCOMPARE(server->learners().size(), names.size() - 1);
}

void TestServerStore::rolesLimitWhatEachMayDo()
{
    const QString store = newDatabase(QStringLiteral("roles"));
    // The statements of what every role may do, and the roles themselves.
    const auto grants = [] {
        return rowsOf(QStringLiteral("roles"),
                      QStringLiteral("SELECT relname, relacl FROM pg_class WHERE relnamespace ="
                                     " 'public'::regnamespace ORDER BY relname")) +
               rowsOf(QStringLiteral("roles"),
                      QStringLiteral("SELECT rolname, rolcanlogin FROM pg_roles"
                                     " WHERE rolname LIKE 'hana\\_%' ORDER BY rolname"));
    };
    Run result = hanaRecords(store, {QStringLiteral("--init")});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.out.contains(u"hana_machine") && result.out.contains(u"hana_teacher"),
             qPrintable(result.out));
    const QStringList granted = grants();
    QVERIFY2(granted.contains(u"hana_machine|false") && granted.contains(u"hana_teacher|false"),
             qPrintable(granted.join(u'\n')));
    result = hanaRecords(store, {QStringLiteral("--init")});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(grants(), granted);

    QCOMPARE(
        asSuperuser(QStringLiteral("roles"),
                    {QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE hana_machine").arg(Machine),
                     QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE hana_teacher").arg(Teacher)}),
        QString());
    QCOMPARE(hanaRecords(store, {QStringLiteral("--add"), QStringLiteral("ゆき")}).status, 0);

    // A child's machine reads the learners and adds answers.
    const QString machine = serverAt(QStringLiteral("roles"), Machine);
    {
        const std::unique_ptr<RecordStore> pc = RecordStore::open(machine);
        QVERIFY2(!pc->failure(), qPrintable(failureOf(*pc)));
        const QList<Learner> learners = pc->learners();
        QCOMPARE(learners.size(), 1);
        const QList<AnswerRecord> answers = answersOf(learners.first(), 4);
        QVERIFY(pc->addAnswers(answers.mid(0, 3)));
        QVERIFY(pc->addAnswer(answers[3]));
        QVERIFY(pc->addAnswer(answers[0]));
        QCOMPARE(pc->nameStates(learners.first().id), statesAfter(answers));
        QVERIFY(!pc->failure());
        // It reads no answers.
        QVERIFY(!pc->forEachAnswer([](const ExportedAnswer &) {}));
        QCOMPARE(pc->failure()->problem, StoreProblem::NotAllowed);
    }
    const QStringList before =
        rowsOf(QStringLiteral("roles"), QStringLiteral("SELECT * FROM learners ORDER BY id")) +
        rowsOf(QStringLiteral("roles"), QStringLiteral("SELECT count(*) FROM answers"));
    QCOMPARE(before.last(), QStringLiteral("4"));
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--csv"), QStringLiteral("-")},
          QStringList{QStringLiteral("--add"), QStringLiteral("そら")},
          QStringList{QStringLiteral("--rename"), QStringLiteral("ゆき"), QStringLiteral("ゆう")},
          QStringList{QStringLiteral("--remove"), QStringLiteral("ゆき")}}) {
        result = hanaRecords(machine, arguments);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(QStringLiteral("このロールにはできない")) &&
                     result.err.contains(machine) && result.err.contains(u"permission denied"),
                 qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
    }
    QCOMPARE(rowsOf(QStringLiteral("roles"), QStringLiteral("SELECT * FROM learners ORDER BY id")) +
                 rowsOf(QStringLiteral("roles"), QStringLiteral("SELECT count(*) FROM answers")),
             before);

    // The teacher does everything hana-records does.
    const QString teacher = serverAt(QStringLiteral("roles"), Teacher);
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--add"), QStringLiteral("そら")},
          QStringList{QStringLiteral("--rename"), QStringLiteral("そら"), QStringLiteral("はる")},
          QStringList{QStringLiteral("--list")},
          QStringList{QStringLiteral("--csv"), QStringLiteral("-")},
          QStringList{QStringLiteral("--remove"), QStringLiteral("ゆき")}}) {
        result = hanaRecords(teacher, arguments);
        QVERIFY2(result.status == 0,
                 qPrintable(arguments.join(u' ') + QStringLiteral(": ") + result.err));
        if (arguments.first() == u"--list")
            QCOMPARE(result.out, QStringLiteral("はる\tしるし 2\t答え 0 件\n"
                                                "ゆき\tしるし 1\t答え 4 件\n"));
        if (arguments.first() == u"--csv")
            QCOMPARE(result.out.count(QStringLiteral("\r\nゆき,")), 4);
        if (arguments.first() == u"--remove")
            QVERIFY2(result.out.contains(QStringLiteral("答え 4 件を消しました")),
                     qPrintable(result.out));
    }
    QCOMPARE(rowsOf(QStringLiteral("roles"), QStringLiteral("SELECT count(*) FROM answers")),
             QStringList{"0"});
}

void TestServerStore::failuresNameTheServer_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<StoreProblem>("problem");
    QTest::addColumn<QString>("said");
    QTest::newRow("no such database")
        << serverAt(QStringLiteral("nosuchdb")) << StoreProblem::Refused
        << "database \"nosuchdb\" does not exist";
    QTest::newRow("no such role") << serverAt(QStringLiteral("hana"), QStringLiteral("nobodyhere"))
                                  << StoreProblem::Refused << "role \"nobodyhere\" does not exist";
    const QString folder = m_home.filePath(QStringLiteral("no server"));
    QTest::newRow("a socket folder with no server")
        << QStringLiteral("postgresql://%1/hana")
               .arg(QString::fromLatin1(QUrl::toPercentEncoding(folder)))
        << StoreProblem::Away << "No such file or directory";
    QTest::newRow("a password after the user")
        << "postgresql://hana:geheim@/hana" << StoreProblem::BadAddress << "~/.pgpass";
    QTest::newRow("a password key")
        << "postgresql:///hana?password=geheim" << StoreProblem::BadAddress << "~/.pgpass";
}

void TestServerStore::failuresNameTheServer()
{
    QFETCH(QString, location);
    QFETCH(StoreProblem, problem);
    QFETCH(QString, said);
    const std::unique_ptr<RecordStore> store = RecordStore::open(location);
    QVERIFY(store->failure());
    const QString message = store->failure()->message();
    QCOMPARE(store->failure()->problem, problem);
    const QString shown = ServerAddress::shown(location);
    QVERIFY2(message.contains(shown) && message.contains(said), qPrintable(message));
    QVERIFY2(!message.contains(u"geheim"), qPrintable(message));
    const Run result = hanaRecords(location, {QStringLiteral("--list")});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, QStringLiteral("hana-records: ") + message + u'\n');
    QVERIFY(result.out.isEmpty());
}

// The server asks one role for its password; libpq finds it in the file
// that PGPASSFILE names, as it would in ~/.pgpass.
void TestServerStore::aPasswordComesFromThePassFile()
{
    const QString store = newDatabase(QStringLiteral("password"));
    QCOMPARE(hanaRecords(store, {QStringLiteral("--init")}).status, 0);
    QCOMPARE(asSuperuser(QStringLiteral("password"),
                         {QStringLiteral("CREATE ROLE pwuser LOGIN PASSWORD 'right'"
                                         " IN ROLE hana_teacher")}),
             QString());
    const QString control = qEnvironmentVariable("HANA_PG_CTL");
    QFile rules(qEnvironmentVariable("PGHOST") + QStringLiteral("/data/pg_hba.conf"));
    QVERIFY(rules.open(QIODevice::ReadOnly));
    const QByteArray trusting = rules.readAll();
    rules.close();
    // The file keeps its owner and mode, the server's, as it is rewritten.
    const auto writeRules = [&](const QByteArray &text) {
        return rules.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               rules.write(text) == text.size() && (rules.close(), true) &&
               QProcess::execute(control, {QStringLiteral("reload")}) == 0;
    };
    const auto restore = qScopeGuard([&] { writeRules(trusting); });
    QVERIFY(writeRules("local all pwuser scram-sha-256\n" + trusting));

    const QString passFile = m_home.filePath(QStringLiteral("pgpass"));
    // Opens the store as pwuser with the password in the file, or with no
    // file for none.
    const auto openWith = [&](const QByteArray &password) {
        QFile file(passFile);
        file.remove();
        if (!password.isEmpty() && file.open(QIODevice::WriteOnly)) {
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            file.write("*:*:*:pwuser:" + password + '\n');
            file.close();
        }
        qputenv("PGPASSFILE", passFile.toLocal8Bit());
        return RecordStore::open(serverAt(QStringLiteral("password"), QStringLiteral("pwuser")));
    };
    const auto cleanEnvironment = qScopeGuard([] { qunsetenv("PGPASSFILE"); });
    // The server reloads its rules a moment after it is told to.
    std::unique_ptr<RecordStore> opened = openWith({});
    for (int tries = 0; !opened->failure() && tries < 50; ++tries) {
        QThread::msleep(100);
        opened = openWith({});
    }
    QVERIFY2(opened->failure(), "the server never asked for a password");
    QCOMPARE(opened->failure()->problem, StoreProblem::Refused);

    opened = openWith("wrong");
    QVERIFY(opened->failure());
    QCOMPARE(opened->failure()->problem, StoreProblem::Refused);
    const QString message = opened->failure()->message();
    QVERIFY2(message.contains(u"password authentication failed") &&
                 message.contains(u"postgresql://pwuser@/password"),
             qPrintable(message));
    QVERIFY(!message.contains(u"wrong"));

    opened = openWith("right");
    QVERIFY2(!opened->failure(), qPrintable(failureOf(*opened)));
    QCOMPARE(opened->addLearner(QStringLiteral("ゆき"), 1), LearnerChange::Done);
    QCOMPARE(opened->learners().size(), 1);
}

// A server that takes the connection and never says a word, like a host
// whose server hangs.
void TestServerStore::aServerThatNeverAnswersIsAwayWithinTwoSeconds()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const QString location =
        QStringLiteral("postgresql://127.0.0.1:%1/hana").arg(silent.serverPort());
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<RecordStore> store = RecordStore::open(location);
    const qint64 waited = timer.elapsed();
    QVERIFY(store->failure());
    QCOMPARE(store->failure()->problem, StoreProblem::Away);
    QVERIFY2(failureOf(*store).contains(location), qPrintable(failureOf(*store)));
    QVERIFY2(waited > 1500 && waited < 2500, qPrintable(QString::number(waited)));
}

QTEST_GUILESS_MAIN(TestServerStore)
#include "tst_serverstore.moc"
