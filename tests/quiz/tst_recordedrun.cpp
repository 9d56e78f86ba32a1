#include "records/recordstore.h"
#include "support/fakes.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every folder and file under a folder, with the size and time of each file.
QStringList treeOf(const QString &folder)
{
    QStringList tree;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        tree << QStringLiteral("%1 %2 %3")
                    .arg(entry.filePath().mid(folder.size()))
                    .arg(entry.isDir() ? -1 : entry.size())
                    .arg(entry.lastModified().toMSecsSinceEpoch());
    }
    tree.sort();
    return tree;
}

int answerCount(const QString &store)
{
    const auto records = RecordStore::openFile(store);
    int count = 0;
    records->forEachAnswer([&count](const ExportedAnswer &) { ++count; });
    return count;
}

} // namespace

// Whole runs in processes of their own: a run killed in the middle of a game,
// and runs without records under a home folder of their own.
class TestRecordedRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedRunKeepsEveryJudgedAnswer();
    void withoutRecordsNothingIsWritten_data();
    void withoutRecordsNothingIsWritten();
    void theSettingsFileTurnsRecordsOn();

private:
    // A home with the usual folders in it, and the environment that points
    // every XDG folder into it. The runtime folder lies outside, as a
    // desktop session's does: the sound system keeps its sockets there.
    QProcessEnvironment homeIn(const QString &home) const;

    QTemporaryDir m_data;
    QTemporaryDir m_runtime;
    QString m_content;
};

void TestRecordedRun::initTestCase()
{
    m_content = copyContentPack(m_data.filePath(QStringLiteral("pack")));
}

QProcessEnvironment TestRecordedRun::homeIn(const QString &home) const
{
    QProcessEnvironment environment =
        machineEnvironment(home, m_data.filePath("etc-xdg"), m_runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// The game writes each answer before it says it has judged it, so the store
// holds at least every answer said, and at most the one being judged when
// the kill came.
void TestRecordedRun::killedRunKeepsEveryJudgedAnswer()
{
    QTemporaryDir folder;
    const QString store = folder.filePath("records.sqlite");
    QCOMPARE(RecordStore::openFile(store)->addLearner(QStringLiteral("たろう"), 44),
             LearnerChange::Done);
    QProcess game;
    game.setProcessEnvironment(homeIn(folder.filePath("home")));
    game.start(QStringLiteral(RECORDED_GAME_PATH), {m_content, store});
    QVERIFY(game.waitForStarted());
    int said = 0;
    while (said < 75 && game.waitForReadyRead(20000)) {
        while (game.canReadLine())
            said = game.readLine().trimmed().split(' ').value(1).toInt();
    }
    QVERIFY2(said >= 75, qPrintable(game.readAllStandardError()));
    game.kill();
    QVERIFY(game.waitForFinished());
    QCOMPARE(game.exitStatus(), QProcess::CrashExit);
    for (const QByteArray &line : game.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            said = line.split(' ').value(1).toInt();
    const int kept = answerCount(store);
    QVERIFY2(kept == said || kept == said + 1,
             qPrintable(QStringLiteral("%1 said, %2 kept").arg(said).arg(kept)));
}

void TestRecordedRun::withoutRecordsNothingIsWritten_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("untilKilled");
    QTest::newRow("the program, started and ended")
        << QStringLiteral(HANA_PATH) << QStringList{"--content", "PACK"} << true;
    QTest::newRow("a whole game") << QStringLiteral(RECORDED_GAME_PATH)
                                  << QStringList{"PACK", "", "60"} << false;
}

void TestRecordedRun::withoutRecordsNothingIsWritten()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, untilKilled);
    arguments.replaceInStrings(QStringLiteral("PACK"), m_content);
    QTemporaryDir folder;
    const QString home = folder.filePath("home");
    const QProcessEnvironment environment = homeIn(home);
    const QStringList before = treeOf(home);
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(program, arguments);
    QVERIFY(run.waitForStarted());
    if (untilKilled) {
        QTest::qWait(2500);
        QCOMPARE(run.state(), QProcess::Running);
        run.terminate();
    }
    QVERIFY(run.waitForFinished(60000));
    if (!untilKilled)
        QCOMPARE(run.readAllStandardOutput().count('\n'), 60);
    QCOMPARE(treeOf(home), before);
    // The same run asked for records writes its store there.
    if (untilKilled) {
        run.start(program, arguments << QStringLiteral("--records"));
        QVERIFY(run.waitForStarted());
        QTest::qWait(2500);
        run.terminate();
        QVERIFY(run.waitForFinished());
        QVERIFY(QFile::exists(home + "/.local/share/hana/records.sqlite"));
    }
}

// The account's settings name a store the command line does not; the
// program keeps its records there and writes nothing else into the home.
void TestRecordedRun::theSettingsFileTurnsRecordsOn()
{
    QTemporaryDir folder;
    const QString home = folder.filePath("home");
    const QProcessEnvironment environment = homeIn(home);
    QFile settings(home + "/.config/hana/hana.conf");
    QVERIFY(QDir().mkpath(home + "/.config/hana"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[records]\nstore=" + QFile::encodeName(folder.filePath("class.sqlite")) + "\n");
    settings.close();
    const QStringList before = treeOf(home);
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(HANA_PATH), {"--content", m_content});
    QVERIFY(run.waitForStarted());
    QTest::qWait(2500);
    QCOMPARE(run.state(), QProcess::Running);
    run.terminate();
    QVERIFY(run.waitForFinished());
    QVERIFY(QFile::exists(folder.filePath("class.sqlite")));
    QCOMPARE(treeOf(home), before);
}

QTEST_MAIN(TestRecordedRun)
#include "tst_recordedrun.moc"
