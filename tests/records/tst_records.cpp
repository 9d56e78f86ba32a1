#include "records/records.h"
#include "records/recordstore.h"
#include "storefiles.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString Pack = QStringLiteral("hana");

// A store at path with the learners named.
void addLearners(const QString &path, const QStringList &names)
{
    const auto store = RecordStore::openFile(path);
    for (const QString &name : names)
        QCOMPARE(store->addLearner(name, 1), LearnerChange::Done);
}

std::unique_ptr<Records> openRecords(const QString &path, Clock &clock)
{
    return Records::open(RecordStore::openFile(path), clock, Pack);
}

// The learner of that name as the records list them.
std::optional<Learner> learnerNamed(const Records &records, const QString &name)
{
    for (const Learner &learner : records.learners())
        if (learner.name == name)
            return learner;
    return std::nullopt;
}

int answerRows(const QString &path)
{
    int rows = -1;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM answers")) && query.next())
            rows = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return rows;
}

// The files in a folder but the log and its index that SQLite keeps beside
// a store in WAL mode while it is open.
QStringList storeFiles(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.removeIf([](const QString &file) {
        return file.endsWith(QStringLiteral("-wal")) || file.endsWith(QStringLiteral("-shm"));
    });
    return files;
}

int modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                     : -1;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answersAreKeptWithTheirNamesState();
    void guestsAndRunsWithoutAStoreKeepNothing();
    void aLearnerRemovedMeanwhileGetsNoAnswers();
    void learnersAreAddedRenamedAndRemoved();
    void aVersionOneStoreIsMigrated();
    void aStoreThatCannotBeUsedIsLeftAlone_data();
    void aStoreThatCannotBeUsedIsLeftAlone();
    void aFailedWriteTurnsRecordsOff();
    void storeAndFolderAreTheOwnersAlone();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_store;
    FakeClock m_clock;
};

void TestRecords::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = m_folder->filePath(QStringLiteral("records.sqlite"));
    m_clock = FakeClock();
}

void TestRecords::answersAreKeptWithTheirNamesState()
{
    addLearners(m_store, {QStringLiteral("ゆき"), QStringLiteral("はると")});
    QList<JudgedAnswer> history;
    {
        const auto records = openRecords(m_store, m_clock);
        QVERIFY(records->isAvailable());
        QVERIFY(records->notice().isEmpty());
        records->choosePlayer(learnerNamed(*records, QStringLiteral("ゆき")));
        QVERIFY(records->player());
        // Five days of play: some names always right, some missed each time.
        for (int day = 0; day < 5; ++day) {
            records->startGame(day % 2 ? GameKind::Review : GameKind::Full);
            for (int entry = 1; entry <= 12; ++entry) {
                const bool correct = entry % 3 != 0 || day == 4;
                records->recordAnswer({entry, correct ? entry : entry + 1, correct});
                history << JudgedAnswer{entry, correct, m_clock.currentDateTimeUtc()};
                m_clock.now += 7;
            }
            m_clock.date = m_clock.date.addDays(1);
        }
        QVERIFY(records->isAvailable());
    }
    const auto records = openRecords(m_store, m_clock);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("ゆき")));
    const NameStates expected = Leitner::statesOf(history);
    const NameStates states = records->nameStates();
    for (int entry = 1; entry <= 60; ++entry) {
        QCOMPARE(states[entry].box, expected[entry].box);
        QCOMPARE(states[entry].lastAnswered, expected[entry].lastAnswered);
        QCOMPARE(states[entry].rightCount, expected[entry].rightCount);
        QCOMPARE(states[entry].wrongCount, expected[entry].wrongCount);
    }
    QCOMPARE(records->reviewEntries(),
             Leitner::chooseReview(expected, m_clock.currentDateTimeUtc()));
    QCOMPARE(answerRows(m_store), 60);

    // The other learner's names are their own.
    records->choosePlayer(learnerNamed(*records, QStringLiteral("はると")));
    QCOMPARE(Leitner::learnedCount(records->nameStates()), 0);
    QCOMPARE(records->reviewEntries(), (QList<int>{1, 2, 3}));
}

void TestRecords::guestsAndRunsWithoutAStoreKeepNothing()
{
    addLearners(m_store, {QStringLiteral("ゆき")});
    const auto records = openRecords(m_store, m_clock);
    records->startGame(GameKind::Full);
    records->recordAnswer({1, 1, true});
    QCOMPARE(records->nameStates()[1].box, 0);
    QCOMPARE(answerRows(m_store), 0);

    const auto none = Records::open(nullptr, m_clock, Pack);
    QVERIFY(!none->isAvailable());
    QVERIFY(none->learners().isEmpty());
    none->choosePlayer(Learner{1, QStringLiteral("ゆき"), 1});
    none->recordAnswer({1, 1, true});
    QCOMPARE(none->nameStates()[1].box, 0);
}

void TestRecords::aLearnerRemovedMeanwhileGetsNoAnswers()
{
    addLearners(m_store, {QStringLiteral("ゆき")});
    const auto records = openRecords(m_store, m_clock);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("ゆき")));
    records->startGame(GameKind::Full);
    records->recordAnswer({1, 1, true});
    int erased = 0;
    QCOMPARE(RecordStore::openFile(m_store)->removeLearner(QStringLiteral("ゆき"), erased),
             LearnerChange::Done);
    QCOMPARE(erased, 1);
    records->recordAnswer({2, 2, true});
    QVERIFY(records->isAvailable());
    QCOMPARE(answerRows(m_store), 0);
    QCOMPARE(records->nameStates()[2].box, 0);
    QVERIFY(records->learners().isEmpty());

    // A new learner of the same name starts afresh.
    addLearners(m_store, {QStringLiteral("ゆき")});
    records->choosePlayer(learnerNamed(*records, QStringLiteral("ゆき")));
    QCOMPARE(records->nameStates()[1].box, 0);
}

void TestRecords::learnersAreAddedRenamedAndRemoved()
{
    const auto store = RecordStore::openFile(m_store);
    QCOMPARE(store->addLearner(QStringLiteral("あお"), 5), LearnerChange::Done);
    QCOMPARE(store->addLearner(QStringLiteral("あか"), 60), LearnerChange::Done);
    QCOMPARE(store->addLearner(QStringLiteral("あお"), 2), LearnerChange::Taken);
    QCOMPARE(store->renameLearner(QStringLiteral("あか"), QStringLiteral("あお")),
             LearnerChange::Taken);
    QCOMPARE(store->renameLearner(QStringLiteral("みどり"), QStringLiteral("き")),
             LearnerChange::Missing);
    QCOMPARE(store->renameLearner(QStringLiteral("あか"), QStringLiteral("べに")),
             LearnerChange::Done);
    int erased = -1;
    QCOMPARE(store->removeLearner(QStringLiteral("あか"), erased), LearnerChange::Missing);
    QCOMPARE(erased, 0);
    QList<Learner> learners = store->learners();
    QCOMPARE(learners.size(), 2);
    QCOMPARE(learners.at(0).name, QStringLiteral("あお"));
    QCOMPARE(learners.at(0).mark, 5);
    QCOMPARE(learners.at(1).name, QStringLiteral("べに"));
    QCOMPARE(learners.at(1).mark, 60);
    // A mark that is no flower is refused by the store itself.
    QCOMPARE(store->addLearner(QStringLiteral("くろ"), 61), LearnerChange::Taken);
    QVERIFY(!store->failure());
}

void TestRecords::aVersionOneStoreIsMigrated()
{
    QVERIFY(runSqlScript(QStringLiteral(HANA_RECORDS_TEST_DATA "/version1.sql"), m_store));
    const auto records = openRecords(m_store, m_clock);
    QVERIFY2(records->isAvailable(), qPrintable(records->notice()));
    const QList<Learner> learners = records->learners();
    QCOMPARE(learners.size(), 2);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("さくら")));
    NameStates states = records->nameStates();
    QCOMPARE(states[5].box, 4);
    QCOMPARE(states[5].rightCount, 4);
    QCOMPARE(states[5].lastAnswered, QDateTime(QDate(2026, 3, 13), QTime(9, 0), Qt::UTC));
    QCOMPARE(states[7].box, 2);
    QCOMPARE(states[7].wrongCount, 1);
    QCOMPARE(Leitner::learnedCount(states), 1);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("けん")));
    QCOMPARE(records->nameStates()[60].box, 1);
    // The old answers are still there, and new ones go on from them.
    records->startGame(GameKind::Review);
    records->recordAnswer({5, 5, true});
    QCOMPARE(answerRows(m_store), 8);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("さくら")));
    records->recordAnswer({5, 5, true});
    QCOMPARE(records->nameStates()[5].box, 5);
}

void TestRecords::aStoreThatCannotBeUsedIsLeftAlone_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("words");
    QTest::newRow("not a database") << "garbage"
                                    << "こわれて";
    QTest::newRow("damaged") << "damaged"
                             << "こわれて";
    QTest::newRow("newer") << "newer"
                           << "新しい版";
    QTest::newRow("another program's") << "foreign"
                                       << "記録のファイルではありません";
    QTest::newRow("read-only file") << "read-only file"
                                    << "読み取り専用";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "フォルダーに書きこめません";
    QTest::newRow("folder cannot be made") << "file for folder"
                                           << "フォルダー";
}

void TestRecords::aStoreThatCannotBeUsedIsLeftAlone()
{
    QFETCH(QString, broken);
    QFETCH(QString, words);
    QString path = m_store;
    if (broken == u"garbage") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'x'));
    } else if (broken == u"damaged") {
        addLearners(path, {QStringLiteral("ゆき")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.replace(100, 1000, QByteArray(1000, '\xff')); // the first page's tree
        file.seek(0);
        file.write(bytes);
    } else if (broken == u"newer") {
        addLearners(path, {QStringLiteral("ゆき")});
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), broken);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("UPDATE schema_version SET version = 99")));
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = DELETE")));
        db.close();
    } else if (broken == u"foreign") {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), broken);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE recipes (name TEXT)")));
        db.close();
    } else if (broken == u"read-only file") {
        addLearners(path, {QStringLiteral("ゆき")});
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    } else if (broken == u"read-only folder") {
        addLearners(path, {QStringLiteral("ゆき")});
        QVERIFY(QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QFile blocker(m_folder->filePath(QStringLiteral("hana")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        path = m_folder->filePath(QStringLiteral("hana/records.sqlite"));
    }
    QSqlDatabase::removeDatabase(broken);
    const QByteArray before = fileBytes(path);
    const QStringList filesBefore = storeFiles(m_folder->path());

    const auto records = openRecords(path, m_clock);
    QVERIFY(!records->isAvailable());
    QVERIFY2(records->notice().contains(words), qPrintable(records->notice()));
    QVERIFY2(records->notice().contains(path) || broken == u"file for folder",
             qPrintable(records->notice()));
    QVERIFY(records->notice().contains(QStringLiteral("この回は記録をとりません")));
    QVERIFY(records->learners().isEmpty());
    records->choosePlayer(Learner{1, QStringLiteral("ゆき"), 1});
    records->startGame(GameKind::Full);
    records->recordAnswer({1, 1, true});
    QCOMPARE(records->nameStates()[1].box, 0);
    QCOMPARE(records->reviewEntries(), (QList<int>{1, 2, 3}));

    QCOMPARE(fileBytes(path), before);
    QCOMPARE(storeFiles(m_folder->path()), filesBefore);
    QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestRecords::aFailedWriteTurnsRecordsOff()
{
    addLearners(m_store, {QStringLiteral("ゆき")});
    const auto records = openRecords(m_store, m_clock);
    records->choosePlayer(learnerNamed(*records, QStringLiteral("ゆき")));
    records->startGame(GameKind::Full);
    records->recordAnswer({1, 1, true});
    {
        // Something else takes a table away under the running program.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(m_store);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("DROP TABLE name_states")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    records->recordAnswer({2, 2, true});
    QVERIFY(!records->isAvailable());
    QVERIFY2(records->notice().contains(m_store), qPrintable(records->notice()));
    // The answer and its name's state go together or not at all.
    QCOMPARE(answerRows(m_store), 1);
    const QString notice = records->notice();
    records->recordAnswer({3, 3, true});
    QCOMPARE(records->notice(), notice);
    QCOMPARE(answerRows(m_store), 1);
}

void TestRecords::storeAndFolderAreTheOwnersAlone()
{
    const QString path = m_folder->filePath(QStringLiteral("data/hana/records.sqlite"));
    addLearners(path, {QStringLiteral("ゆき")});
    QCOMPARE(modeOf(path), 0600);
    for (const QString &folder : {QStringLiteral("data"), QStringLiteral("data/hana")})
        QCOMPARE(modeOf(m_folder->filePath(folder)), 0700);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
