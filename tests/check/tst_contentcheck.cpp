#include "check/expectations.h"
#include "content/contentcheck.h"
#include "support/fakes.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

void overwrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray pngPicture()
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QTemporaryDir dir;
    picture.save(dir.filePath("p.png"), "PNG");
    return readAll(dir.filePath("p.png"));
}

bool anyContains(const QStringList &lines, const QString &file, const QString &what)
{
    for (const QString &line : lines)
        if (line.contains(file) && line.contains(what))
            return true;
    return false;
}

int runChecker(const QString &root)
{
    QProcess checker;
    checker.start(HANA_CHECK_PATH, {root});
    checker.waitForFinished();
    return checker.exitCode();
}

} // namespace

class TestContentCheck : public QObject
{
    Q_OBJECT

private slots:
    void expectationsComeFromTheScreens();
    void bundledPackPasses();
    void everyKindOfProblemIsReported();
    void shortNamesListIsReported();
    void versionNamesTheLicence();

private:
    QString brokenCopy();
    QTemporaryDir m_dir;
};

void TestContentCheck::expectationsComeFromTheScreens()
{
    const ContentExpectations expected = screenExpectations();
    QCOMPARE(expected.names.size(), 60);
    QCOMPARE(expected.names.at(36), QStringLiteral("なのはな"));
    QCOMPARE(expected.pictureFrame, QSize(218, 225));
    QVERIFY(expected.listTextWidth > 200 && expected.listTextWidth < 225);
}

void TestContentCheck::bundledPackPasses()
{
    const QString root = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
    QCOMPARE(checkContent(root, screenExpectations()), QStringList());
    QCOMPARE(runChecker(root), 0);
}

QString TestContentCheck::brokenCopy()
{
    const QString root = copyContentPack(m_dir.filePath("broken"));
    const QByteArray names = readAll(root + "/説明/name.txt");
    overwrite(root + "/説明/name.txt",
              QByteArray("\x82\xa0\x82\xa0\r\n") + names.mid(names.indexOf('\n') + 1));
    overwrite(root + "/説明/s3.txt", "\x82\xa0\xff\xfe\r\n");
    overwrite(root + "/説明/s4.txt", QString(20, QChar(0x3042)).toUtf8().prepend("\xEF\xBB\xBF"));
    QFile::remove(root + "/画像/h5.gif");
    overwrite(root + "/画像/h6.gif", pngPicture()); // a PNG under a GIF name
    overwrite(root + "/画像/h7.gif",
              readAll(qEnvironmentVariable("HANA_SOURCE_DIR") + "/artwork/menu/background.gif"));
    QFile::remove(root + "/音/oto.wav");
    QByteArray wav = readAll(root + "/音/x.wav");
    wav[20] = 3; // IEEE float instead of PCM
    overwrite(root + "/音/x.wav", wav);
    return root;
}

void TestContentCheck::everyKindOfProblemIsReported()
{
    const QString root = brokenCopy();
    const QStringList problems = checkContent(root, screenExpectations());
    QVERIFY2(anyContains(problems, "name.txt", "1番目"), qPrintable(problems.join('\n')));
    QVERIFY(anyContains(problems, "s3.txt", "読めないバイト"));
    QVERIFY(anyContains(problems, "s4.txt", "1行目"));
    QVERIFY(anyContains(problems, "h5.gif", "見つかりません"));
    QVERIFY(anyContains(problems, "h6.gif", "GIF"));
    QVERIFY(anyContains(problems, "h7.gif", "640 × 400"));
    QVERIFY(anyContains(problems, "oto.wav", "見つから"));
    QVERIFY(anyContains(problems, "x.wav", "PCM"));
    QCOMPARE(runChecker(root), 1);
}

void TestContentCheck::shortNamesListIsReported()
{
    const QString root = copyContentPack(m_dir.filePath("short"));
    overwrite(root + "/説明/name.txt", "a,b,c");
    const QStringList problems = checkContent(root, screenExpectations());
    QCOMPARE(problems.size(), 1);
    QVERIFY(anyContains(problems, "name.txt", "3個"));
}

void TestContentCheck::versionNamesTheLicence()
{
    QProcess checker;
    checker.start(HANA_CHECK_PATH, {"--version"});
    QVERIFY(checker.waitForFinished());
    QCOMPARE(checker.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(checker.readAllStandardOutput()).split('\n');
    QCOMPARE(lines.first(), QStringLiteral("hana-check " HANA_PROJECT_VERSION));
    QVERIFY2(lines.filter("GPL-3.0-or-later").size() == 1, qPrintable(lines.join('\n')));
}

QTEST_MAIN(TestContentCheck)
#include "tst_contentcheck.moc"
