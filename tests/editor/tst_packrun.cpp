#include "content/contentproblem.h"
#include "editor/packrun.h"
#include "pack/desktopentry.h"
#include "pack/packmessage.h"
#include "pack/photoformats.h"
#include "sourcepictures.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

constexpr int RunTimeout = 120000;
const QString PackName = QStringLiteral("校庭");

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestPackRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void valuesArriveOnTheRunsThread();
    void stoppedRunSaysTheEarlierPackIsKept();

private:
    PackResult runToTheEnd(PackRun &run, bool stopAtOnce = false);

    QTemporaryDir m_dir;
    PackOptions m_options;
    PackPlace m_place;
};

void TestPackRun::initTestCase()
{
    const QString source = m_dir.filePath("garden");
    QVERIFY(writeAll(source + "/pictures/1.png", encoded(gradientPicture(QSize(60, 40)), "PNG")));
    QVERIFY(writeAll(source + "/pictures/notes.txt", "not a photograph"));
    m_options.source = source;
    m_options.bundled = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
    m_place = {m_dir.filePath("packs"), m_dir.filePath("applications"), false};
}

PackResult TestPackRun::runToTheEnd(PackRun &run, bool stopAtOnce)
{
    QSignalSpy finished(&run, &PackRun::finished);
    run.start(PackName, m_options, m_place, QStringLiteral("hana"));
    if (stopAtOnce)
        run.cancel();
    if (!finished.wait(RunTimeout))
        return {};
    return finished.first().first().value<PackResult>();
}

// Steps and problems come as signals on the thread the run lives on, while
// the worker makes the pack; the result holds them as values.
void TestPackRun::valuesArriveOnTheRunsThread()
{
    PackRun run;
    QList<QThread *> threads;
    QList<int> totals;
    connect(&run, &PackRun::progress, this, [&](const QString &, int, int total) {
        threads << QThread::currentThread();
        totals << total;
    });
    QSignalSpy found(&run, &PackRun::problemFound);
    const PackResult result = runToTheEnd(run);

    QVERIFY(result.summary.made);
    const ContentProblem refused{m_options.source + "/pictures/notes.txt", 0,
                                 ContentMessage::wrongKind(PhotoFormats::suffixes())};
    QCOMPARE(result.problems, ContentProblems{refused});
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().first().value<ContentProblem>(), refused);
    QCOMPARE(result.notes, (ContentProblems{{m_options.source + "/texts", 0,
                                             PackMessage::sourceFolderMissing("説明")}}));
    QVERIFY(totals.contains(1)); // the one photograph, counted
    QCOMPARE(threads.count(QThread::currentThread()), threads.size());
    QCOMPARE(result.folder, m_place.folderOf(PackName));
    QCOMPARE(result.summary.menuEntry,
             m_place.applications + '/' + DesktopEntry::fileName(PackName));
    QCOMPARE(result.summary.lines().last(),
             PackMessage::menuEntryMade(DesktopEntry::title(PackName), result.summary.menuEntry));
}

void TestPackRun::stoppedRunSaysTheEarlierPackIsKept()
{
    PackRun run;
    QVERIFY(runToTheEnd(run).summary.made);
    const QString earlier = QFileInfo(m_place.folderOf(PackName)).canonicalFilePath();
    const PackResult result = runToTheEnd(run, true);
    QVERIFY(!result.summary.made);
    QVERIFY(result.summary.stopped);
    QVERIFY(result.summary.earlierPack);
    QCOMPARE(result.summary.lines().last(), PackMessage::earlierPackKept(result.folder));
    QCOMPARE(QFileInfo(result.folder).canonicalFilePath(), earlier);
}

QTEST_MAIN(TestPackRun)
#include "tst_packrun.moc"
