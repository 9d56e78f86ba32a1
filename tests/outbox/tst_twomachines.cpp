#include "records/recordstore.h"
#include "records/storelocation.h"
#include "support/fakes.h"
#include "teacher/classmodel.h"
#include "teacher/classpage.h"
#include "teacher/teacherwindow.h"

#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QTableView>
#include <QTest>

namespace {

const QString Owner = QStringLiteral("postgresql:///hana");
const QString Machine = QStringLiteral("postgresql://pc@/hana");
const QString Teacher = QStringLiteral("postgresql://sensei@/hana");
const QStringList Learners{QStringLiteral("あき"), QStringLiteral("ふゆ🌸'; DROP x;--")};
constexpr int GameLength = 60;

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run records(const QStringList &arguments)
{
    return run(QStringLiteral(HANA_RECORDS_PATH), arguments);
}

// The files under a folder, relative to it.
QStringList treeOf(const QString &folder)
{
    QStringList files;
    QDirIterator each(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (each.hasNext())
        files << each.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

} // namespace

// Run by scripts/with-postgres: a class on one server, as two machines of a
// school's room and the teacher's view see it, each with the role it has.
class TestTwoMachines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void twoMachinesPlayIntoOneClass();
    void theMachinesSettingsNameTheServer();

private:
    // A machine of its own: a home with its own settings and state.
    QProcessEnvironment machine(const QString &home) const;

    QTemporaryDir m_data;
    QTemporaryDir m_runtime;
    QString m_content;
};

void TestTwoMachines::initTestCase()
{
    if (!QSqlDatabase::isDriverAvailable("QPSQL"))
        QSKIP("Qt's PostgreSQL driver is not installed (libqt6sql6-psql; scripts/setup installs "
              "it)");
    QVERIFY2(qEnvironmentVariableIsSet("PGHOST"), "not run by scripts/with-postgres");
    m_content = copyContentPack(m_data.filePath(QStringLiteral("pack")));
    const Run init = records({"--records=" + Owner, "--init"});
    QVERIFY2(init.status == 0, qPrintable(init.err));
    QVERIFY(RecordStore::open(Owner)->changeAll(
        {QStringLiteral("CREATE ROLE pc LOGIN IN ROLE hana_machine"),
         QStringLiteral("CREATE ROLE sensei LOGIN IN ROLE hana_teacher")}));
    for (const QString &name : Learners) {
        const Run added = records({"--records=" + Teacher, "--add", name});
        QVERIFY2(added.status == 0, qPrintable(added.err));
    }
}

QProcessEnvironment TestTwoMachines::machine(const QString &home) const
{
    return machineEnvironment(home, m_data.filePath("etc-xdg"), m_runtime.path());
}

void TestTwoMachines::twoMachinesPlayIntoOneClass()
{
    QTemporaryDir homes;
    QList<QProcess *> games;
    for (int each = 0; each < 2; ++each) {
        auto *game = new QProcess(this);
        game->setProcessEnvironment(machine(homes.filePath(QString::number(each))));
        game->start(QStringLiteral(RECORDED_GAME_PATH),
                    {m_content, Machine, QString::number(GameLength), Learners.at(each)});
        games << game;
    }
    for (QProcess *game : games) {
        QVERIFY(game->waitForFinished(120000));
        QVERIFY2(game->exitCode() == 0, game->readAllStandardError().constData());
        QCOMPARE(game->readAllStandardOutput().count("judged"), GameLength);
        delete game;
    }

    // Each machine sent its game before it ended, and keeps none of it.
    for (int each = 0; each < 2; ++each) {
        const QString outbox = StoreLocation::outboxPath(Machine).replace(
            QDir::homePath() + "/.local/state",
            homes.filePath(QString::number(each)) + "/.local/state");
        QVERIFY2(QFile::exists(outbox), qPrintable(outbox));
        QCOMPARE(RecordStore::openFile(outbox)->oldestAnswers(1000).size(), 0);
    }

    const Run csv = records({"--records=" + Teacher, "--csv", "-"});
    QVERIFY2(csv.status == 0, qPrintable(csv.err));
    const QStringList rows = csv.out.split(u'\n', Qt::SkipEmptyParts).mid(1);
    QCOMPARE(rows.size(), 2 * GameLength);
    QCOMPARE(rows.filter(QStringLiteral("あき,")).size(), GameLength);
    QCOMPARE(rows.filter(QStringLiteral("DROP x")).size(), GameLength);
    const Run list = records({"--records=" + Teacher, "--list"});
    QCOMPARE(list.out.count(QStringLiteral("答え %1 件").arg(GameLength)), 2);

    // The teacher's view: both children, every name asked once.
    const auto store = RecordStore::open(Teacher);
    TeacherWindow window(*store, 0);
    QAbstractItemModel *model = window.classPage()->view()->model();
    QCOMPARE(model->rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        for (int entry = 0; entry < 60; ++entry)
            QCOMPARE(model->index(row, ClassModel::FirstEntryColumn + entry)
                         .data(ClassModel::SortRole)
                         .toInt(),
                     1);
}

// The machine's settings name the server: the program keeps its outbox in
// the state folder and writes nothing else into the home.
void TestTwoMachines::theMachinesSettingsNameTheServer()
{
    QTemporaryDir folder;
    const QString home = folder.filePath("home");
    QVERIFY(QDir().mkpath(home + "/.config/hana"));
    QFile settings(home + "/.config/hana/hana.conf");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[records]\nstore=" + Machine.toUtf8() + "\n");
    settings.close();
    const QStringList before = treeOf(home);

    QProcess hana;
    hana.setProcessEnvironment(machine(home));
    hana.start(QStringLiteral(HANA_PATH), {"--content", m_content});
    QVERIFY(hana.waitForStarted());
    QString outbox;
    QTRY_VERIFY_WITH_TIMEOUT(!(outbox = QDir(home + "/.local/state/hana")
                                            .entryList({QStringLiteral("outbox-*.sqlite")})
                                            .value(0))
                                  .isEmpty(),
                             10000);
    const QString outboxPath = home + "/.local/state/hana/" + outbox;
    QTRY_COMPARE_WITH_TIMEOUT(RecordStore::openFile(outboxPath)->learners().size(), 2, 10000);
    QCOMPARE(hana.state(), QProcess::Running);
    hana.terminate();
    QVERIFY(hana.waitForFinished());
    QCOMPARE(QFile::permissions(outboxPath) & 0077, 0);
    QStringList added = treeOf(home);
    for (const QString &file : before)
        added.removeOne(file);
    for (const QString &file : added)
        QVERIFY2(file.startsWith(".local/state/hana/" + outbox), qPrintable(file));
}

QTEST_MAIN(TestTwoMachines)
#include "tst_twomachines.moc"
