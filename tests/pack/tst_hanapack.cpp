#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "pack/packbuilder.h"
#include "pack/packmessage.h"
#include "platform/picture.h"
#include "recordingreport.h"
#include "sourcepictures.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SourceText1 = QStringLiteral("朝に咲く花です。\n\nつるをのばします。\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString bundled()
{
    return qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

struct Run
{
    int exitCode = -1;
    QString output;
};

Run runPack(const QStringList &arguments)
{
    QProcess pack;
    pack.start(HANA_PACK_PATH, arguments);
    pack.waitForFinished(120000);
    return Run{pack.exitCode(), QString::fromUtf8(pack.readAllStandardOutput())};
}

// The folder's entries, hidden ones too.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A folder as a teacher brings it: photographs named by number and by name,
// in both kana, one broken and one too large; texts good and bad in every way the pack refuses.
void makeSource(const QString &source)
{
    const QString pictures = source + "/pictures/";
    writeAll(pictures + "1.jpg", encoded(gradientPicture(QSize(800, 600)), "JPEG"));
    writeAll(pictures + "サ ク ラ.png", encoded(noisePicture(QSize(500, 500), 3), "PNG"));
    writeAll(pictures + "ひまわり.png", encoded(discPicture(QSize(400, 300)), "PNG"));
    writeAll(pictures + "60.jpg",
             withExifOrientation(encoded(markedPicture(QSize(4000, 3000)), "JPEG"), 6));
    const QByteArray jpeg = encoded(gradientPicture(QSize(300, 300)), "JPEG");
    writeAll(pictures + "7.jpg", jpeg.left(jpeg.size() / 2));
    writeAll(pictures + "8.jpg", jpegClaiming(QSize(20000, 20000)));

    const QString texts = source + "/texts/";
    writeAll(texts + "1.txt", SourceText1.toUtf8());
    writeAll(texts + "うめ.txt", ("短い行\n" + QString(30, QChar(0x82B1)) + "\n").toUtf8());
    writeAll(texts + "10.txt", QStringLiteral("カンナ😀の花\n").toUtf8());
    writeAll(texts + "12.txt", QByteArray("\x82\xa0\x82\xa2\r\n"));
}

} // namespace

class TestHanaPack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedSourcesAreNamed();
    void resultPassesTheContentCheck();
    void picturesShowWhatTheSourcesShow();
    void textsBecomeTheBooksRows();
    void namesListIsTheBoard();
    void everythingElseIsTheBundledPack();
    void nothingIsLeftBesideTheResult();
    void cleanSourceSucceeds();
    void sourcesItCannotUse_data();
    void sourcesItCannotUse();
    void failureOnTheWayLeavesNothing();
    void stopLeavesNothing();
    void runIsToldAsValues();
    void wrongArgumentsShowTheUsage();

private:
    QTemporaryDir m_dir;
    QString m_out;
    Run m_run;
};

void TestHanaPack::initTestCase()
{
    makeSource(m_dir.filePath("garden"));
    m_out = m_dir.filePath("garden-pack");
    m_run = runPack({m_dir.filePath("garden"), m_out});
}

void TestHanaPack::refusedSourcesAreNamed()
{
    QCOMPARE(m_run.exitCode, 1);
    const QStringList lines = m_run.output.split('\n');
    const auto has = [&lines](const QString &file, const QString &what) {
        return lines.filter(file).filter(what).size() == 1;
    };
    QVERIFY2(has("pictures/7.jpg: ", "途中で切れて"), qPrintable(m_run.output));
    QVERIFY(has("pictures/8.jpg: ", "絵が大きすぎます（20000 × 20000 ピクセル"));
    QVERIFY(has("texts/うめ.txt: ", "2行目は一覧の幅より広いので（480 / 219 ピクセル）、3 行に"));
    QVERIFY(
        has("texts/10.txt: ", "1行目の文字「😀」（U+1F600）は Shift-JIS にないので、除きました"));
    QVERIFY(has("texts/12.txt: ", "UTF-8"));
    QVERIFY(has("元の写真から作った絵: 4 枚", "1, 20, 45, 60 番"));
    QVERIFY(has("元の文から作った説明: 3 件", "1, 6, 10 番"));
    QVERIFY(has("同梱のパックから: 絵 56 枚、説明 57 件", "11 個"));
    QVERIFY(has("使わなかった元のファイル: 3 個", ""));
    QVERIFY(!m_run.output.contains(QChar(0x1B)));
}

void TestHanaPack::resultPassesTheContentCheck()
{
    QCOMPARE(texts(checkContent(m_out)), QStringList());
}

void TestHanaPack::picturesShowWhatTheSourcesShow()
{
    QCOMPARE(loadPicture(m_out + "/画像/h1.gif").size(), QSize(218, 164));
    QCOMPARE(loadPicture(m_out + "/画像/h20.gif").size(), QSize(218, 218));

    const QImage sunflower =
        loadPicture(m_out + "/画像/h45.gif").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(sunflower.size(), QSize(218, 164));
    QCOMPARE(qAlpha(sunflower.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(sunflower.pixel(109, 82)), 255);

    // Stored lying on its side; its red left edge is the top once turned.
    const QImage turned = loadPicture(m_out + "/画像/h60.gif");
    QCOMPARE(turned.size(), QSize(169, 225));
    QVERIFY(turned.pixelColor(84, 5).red() > 220 && turned.pixelColor(84, 5).green() < 40);
    QVERIFY(turned.pixelColor(84, 219).green() > 40);
}

void TestHanaPack::textsBecomeTheBooksRows()
{
    const QByteArray bytes = readAll(m_out + "/説明/s1.txt");
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    bool valid = false;
    QCOMPARE(splitLines(decodeContentText(bytes, &valid)), splitLines(SourceText1));
    QVERIFY(valid);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
}

void TestHanaPack::namesListIsTheBoard()
{
    const QString path = m_out + "/説明/name.txt";
    QCOMPARE(parseEntryNames(readTextFile(path), path), ContentPack::boardNames());
}

// A refused source leaves its entry as the bundled pack has it.
void TestHanaPack::everythingElseIsTheBundledPack()
{
    const QList<int> madePictures{1, 20, 45, 60};
    for (int entry = 1; entry <= 60; ++entry) {
        const QString picture = ContentPack::entryPicture(entry);
        QCOMPARE(readAll(m_out + picture) == readAll(bundled() + picture),
                 !madePictures.contains(entry));
        const QString text = ContentPack::entryText(entry);
        QCOMPARE(readAll(m_out + text) == readAll(bundled() + text),
                 entry != 1 && entry != 6 && entry != 10);
    }
    for (const QString &file : ContentPack::fixedFiles())
        QCOMPARE(readAll(m_out + file), readAll(bundled() + file));
}

void TestHanaPack::nothingIsLeftBesideTheResult()
{
    QCOMPARE(entriesOf(m_dir.path()), (QStringList{"garden", "garden-pack"}));
    QCOMPARE(entriesOf(m_out), (QStringList{"画像", "説明", "音"}));
}

void TestHanaPack::cleanSourceSucceeds()
{
    const QString source = m_dir.filePath("clean");
    writeAll(source + "/texts/ゆり.txt", "白い花。\n");
    const Run run = runPack({source, m_dir.filePath("clean-pack")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains("元の文から作った説明: 1 件（56 番）"), qPrintable(run.output));
    QVERIFY(run.output.contains("pictures: フォルダがないので"));
    QVERIFY(!run.output.contains("使わなかった"));
}

void TestHanaPack::sourcesItCannotUse_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("named");
    const QString empty = m_dir.filePath("empty-source");
    QDir().mkpath(empty);
    const QString taken = m_dir.filePath("taken");
    writeAll(taken + "/keep.txt", "mine");
    QTest::newRow("no source") << m_dir.filePath("missing") << m_dir.filePath("out1")
                               << m_dir.filePath("missing") + ": 元のフォルダが見つかりません";
    QTest::newRow("neither folder in the source")
        << empty << m_dir.filePath("out2") << empty + ": 中に pictures のフォルダも";
    QTest::newRow("result already there")
        << m_dir.filePath("garden") << taken << taken + ": すでにあります";
    QTest::newRow("no folder for the result")
        << m_dir.filePath("garden") << m_dir.filePath("nowhere/out")
        << m_dir.filePath("nowhere") + ": 作る先のフォルダが見つかりません";
}

void TestHanaPack::sourcesItCannotUse()
{
    QFETCH(QString, source);
    QFETCH(QString, out);
    QFETCH(QString, named);
    const QStringList before = entriesOf(m_dir.path());
    const Run run = runPack({source, out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(named), qPrintable(run.output));
    QVERIFY(run.output.contains("は作りませんでした"));
    QCOMPARE(entriesOf(m_dir.path()), before);
    QCOMPARE(readAll(m_dir.filePath("taken/keep.txt")), QByteArray("mine"));
}

// A bundled pack that lacks a sound stops the run after half the copying.
void TestHanaPack::failureOnTheWayLeavesNothing()
{
    QTemporaryDir dir;
    const QString broken = copyContentPack(dir.filePath("bundled"));
    QVERIFY(QFile::remove(broken + "/音/x.wav"));
    makeSource(dir.filePath("garden"));

    RecordingReport report;
    const PackOptions options{dir.filePath("garden"), dir.filePath("out"), broken};
    const PackSummary summary = PackBuilder(options, report).run();
    QVERIFY(!summary.made);
    QVERIFY(!summary.clean());
    QCOMPARE(report.problems.size(), 1);
    QCOMPARE(report.problems.first().file, broken + "/音/x.wav");
    QCOMPARE(summary.lines(), QStringList{PackMessage::notMade(dir.filePath("out"))});
    QCOMPARE(entriesOf(dir.path()), (QStringList{"bundled", "garden"}));
}

void TestHanaPack::stopLeavesNothing()
{
    QTemporaryDir dir;
    makeSource(dir.filePath("garden"));
    const std::atomic_bool stop = true;
    RecordingReport report;
    const PackOptions options{dir.filePath("garden"), dir.filePath("out"), bundled(), &stop};
    const PackSummary summary = PackBuilder(options, report).run();
    QVERIFY(!summary.made);
    QVERIFY(summary.stopped);
    QVERIFY(report.problems.isEmpty()); // a stop is no fault of a file
    // No pack was there before, so none is said to be left.
    QCOMPARE(summary.lines(),
             (QStringList{PackMessage::stopped(), PackMessage::notMade(dir.filePath("out"))}));
    QCOMPARE(entriesOf(dir.path()), QStringList{"garden"});
}

// Each step comes with its count, each refused file and missing folder as
// the value it is, and the summary once, last, as the run returns it.
void TestHanaPack::runIsToldAsValues()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("garden");
    for (const char *name : {"1.png", "2.png", "3.png"})
        writeAll(source + "/pictures/" + name, encoded(gradientPicture(QSize(40, 30)), "PNG"));
    const QByteArray jpeg = encoded(gradientPicture(QSize(300, 300)), "JPEG");
    writeAll(source + "/pictures/4.jpg", jpeg.left(jpeg.size() / 2));
    RecordingReport report;
    const PackOptions options{source, dir.filePath("out"), bundled()};
    const PackSummary summary = PackBuilder(options, report).run();

    QStringList counted;
    for (const RecordingReport::Step &step : report.steps)
        if (step.total > 0)
            counted << QStringLiteral("%1/%2 %3").arg(step.done).arg(step.total).arg(step.step);
    QCOMPARE(counted, (QStringList{"1/4 絵 1 / 4: 1.png", "2/4 絵 2 / 4: 2.png",
                                   "3/4 絵 3 / 4: 3.png", "4/4 絵 4 / 4: 4.jpg"}));
    const ContentProblem cutShort{source + "/pictures/4.jpg", 0, ContentMessage::pictureCutShort()};
    QCOMPARE(report.problems, ContentProblems{cutShort});
    const ContentProblem noTexts{source + "/texts", 0, PackMessage::sourceFolderMissing("説明")};
    QCOMPARE(report.notes, ContentProblems{noTexts});
    QCOMPARE(report.told.count("summary"), 1);
    QCOMPARE(report.told.last(), "summary");
    QCOMPARE(report.summaries.first().lines(), summary.lines());
    QVERIFY(summary.made);
    QCOMPARE(summary.refused, 1);
    QCOMPARE(summary.picturesMade, (QList<int>{1, 2, 3}));
}

void TestHanaPack::wrongArgumentsShowTheUsage()
{
    QProcess pack;
    pack.start(HANA_PACK_PATH, {m_dir.filePath("garden")});
    pack.waitForFinished();
    QCOMPARE(pack.exitCode(), 2);
    QVERIFY(QString::fromUtf8(pack.readAllStandardError()).contains("引数が足りません"));
}

QTEST_MAIN(TestHanaPack)
#include "tst_hanapack.moc"
