#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Run by scripts/with-postgres: Qt's PostgreSQL driver reaches the private
// server through libpq's variables alone, as the program will.
class TestPgConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectsAndKeepsText();
    void serverStopsAndStartsAgain();
    void cleanupTestCase();

private:
    QSqlDatabase m_database;
};

void TestPgConnect::initTestCase()
{
    if (!QSqlDatabase::isDriverAvailable("QPSQL"))
        QSKIP("Qt's PostgreSQL driver is not installed (libqt6sql6-psql; scripts/setup installs "
              "it)");
    QVERIFY2(qEnvironmentVariableIsSet("PGHOST"), "not run by scripts/with-postgres");
    m_database = QSqlDatabase::addDatabase("QPSQL");
    m_database.setConnectOptions("connect_timeout=2");
    QVERIFY2(m_database.open(), qPrintable(m_database.lastError().text()));
}

void TestPgConnect::connectsAndKeepsText()
{
    QSqlQuery query(m_database);
    QVERIFY(query.exec("SELECT current_user, current_database(), inet_server_addr() IS NULL"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), "hana");
    QCOMPARE(query.value(1).toString(), "hana");
    QVERIFY2(query.value(2).toBool(), "the server is reached over TCP, not its own socket");

    QVERIFY(query.exec("CREATE TABLE learners (name text PRIMARY KEY)"));
    const QString name = QStringLiteral("はな🌸'); DROP TABLE learners; --");
    QVERIFY(query.prepare("INSERT INTO learners (name) VALUES (?)"));
    query.addBindValue(name);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    QVERIFY(query.exec("SELECT name FROM learners"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), name);
}

void TestPgConnect::serverStopsAndStartsAgain()
{
    const QString control = qEnvironmentVariable("HANA_PG_CTL");
    QCOMPARE(QProcess::execute(control, {"stop"}), 0);
    QSqlQuery query(m_database);
    QVERIFY(!query.exec("SELECT 1"));
    QCOMPARE(QProcess::execute(control, {"start"}), 0);
    m_database.close();
    QVERIFY2(m_database.open(), qPrintable(m_database.lastError().text()));
    QVERIFY(query.exec("SELECT count(*) FROM learners"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

void TestPgConnect::cleanupTestCase()
{
    m_database.close();
}

QTEST_GUILESS_MAIN(TestPgConnect)
#include "tst_pgconnect.moc"
