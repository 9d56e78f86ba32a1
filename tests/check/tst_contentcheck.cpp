#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "support/fakes.h"

#include <QDir>
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
    void limitsAreThoseOfTheScreens();
    void bundledPackPasses();
    void everyKindOfProblemIsReported();
    void shortNamesListIsReported();
    void voicesAreChecked_data();
    void voicesAreChecked();

private:
    QString brokenCopy();
    QTemporaryDir m_dir;
};

void TestContentCheck::limitsAreThoseOfTheScreens()
{
    const QStringList names = ContentPack::boardNames();
    QCOMPARE(names.size(), 60);
    QCOMPARE(names.at(36), QStringLiteral("なのはな"));
    QCOMPARE(ContentPack::pictureFrame(), QSize(218, 225));
    QVERIFY(ContentPack::listTextWidth() > 200 && ContentPack::listTextWidth() < 225);
}

void TestContentCheck::bundledPackPasses()
{
    const QString root = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
    QCOMPARE(texts(checkContent(root)), QStringList());
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
    const QStringList problems = texts(checkContent(root));
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
    const QStringList problems = texts(checkContent(root));
    QCOMPARE(problems.size(), 1);
    QVERIFY(anyContains(problems, "name.txt", "3個"));
}

// Voices made with sox as the pack has them: 44.1 kHz mono 16-bit.
void TestContentCheck::voicesAreChecked_data()
{
    QTest::addColumn<QStringList>("sox");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("problems");
    const QString voice = "/声/k2.wav: ";
    QTest::newRow("a name") << QStringList{"synth", "1.5", "sine", "440"} << QByteArray()
                            << QStringList();
    QTest::newRow("exactly the longest")
        << QStringList{"synth", "4", "sine", "440"} << QByteArray() << QStringList();
    QTest::newRow("over-long") << QStringList{"synth", "4.1", "sine", "440"} << QByteArray()
                               << QStringList{voice + "声が長すぎます（4 秒まで）。"};
    QTest::newRow("silent") << QStringList{"trim", "0", "1"} << QByteArray()
                            << QStringList{voice +
                                           "声が聞こえません。音がほとんど入っていません。"};
    QTest::newRow("empty") << QStringList() << QByteArray()
                           << QStringList{voice + "音のファイルが空です。"};
    QTest::newRow("cut short") << QStringList() << QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16)
                               << QStringList{voice + "音のデータが途中で切れています。"};
    QTest::newRow("text") << QStringList() << QByteArray("あさがお")
                          << QStringList{voice + "WAVファイルではありません。"};
}

void TestContentCheck::voicesAreChecked()
{
    QFETCH(QStringList, sox);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, problems);
    const QString root =
        copyContentPack(m_dir.filePath(QStringLiteral("voice ") + QTest::currentDataTag()));
    QVERIFY(QDir(root).mkdir("声"));
    const QString path = root + ContentPack::entryVoice(2);
    if (sox.isEmpty()) {
        overwrite(path, bytes);
    } else {
        QProcess made;
        made.start("sox", QStringList{"-n", "-r", "44100", "-c", "1", "-b", "16", path} + sox);
        QVERIFY(made.waitForFinished() && made.exitCode() == 0);
    }
    QStringList found = texts(checkContent(root));
    found.replaceInStrings(root, QString());
    QCOMPARE(found, problems);
    QCOMPARE(runChecker(root), problems.isEmpty() ? 0 : 1);
}

QTEST_MAIN(TestContentCheck)
#include "tst_contentcheck.moc"
