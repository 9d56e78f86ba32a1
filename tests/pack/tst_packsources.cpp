#include "content/contentpack.h"
#include "pack/entrymatcher.h"
#include "pack/progressline.h"
#include "pack/sourcefolder.h"
#include "screens/quiz/quizboard.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPackSources : public QObject
{
    Q_OBJECT

private slots:
    void namesAsPeopleTypeThem_data();
    void namesAsPeopleTypeThem();
    void everyBoardNameAndCaptionFindsItsEntry();
    void sourceFolderRefusesWhatItCannotPlace();
    void missingFolderHasNoFiles();
    void progressOnlyOnATerminal();
};

void TestPackSources::namesAsPeopleTypeThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry");
    QTest::newRow("hiragana") << QStringLiteral("あさがお") << 1;
    QTest::newRow("katakana") << QStringLiteral("アサガオ") << 1;
    QTest::newRow("board spacing") << QStringLiteral("あ　さ　が　お") << 1;
    QTest::newRow("two kana, two spaces") << QStringLiteral("う　　め") << 6;
    QTest::newRow("ASCII spacing") << QStringLiteral("フ リ ー ジ ア") << 50;
    QTest::newRow("hiragana for katakana") << QStringLiteral("ふりーじあ") << 50;
    QTest::newRow("half-width katakana") << QStringLiteral("ﾌﾘｰｼﾞｱ") << 50;
    QTest::newRow("decomposed voicing") << QStringLiteral("カ\u3099ーヘ\u3099ラ") << 9;
    QTest::newRow("small kana") << QStringLiteral("シャクナゲ") << 25;
    QTest::newRow("voiced differs") << QStringLiteral("はら") << 0;
    QTest::newRow("number") << QStringLiteral("7") << 7;
    QTest::newRow("leading zero") << QStringLiteral("07") << 7;
    QTest::newRow("full-width digits") << QStringLiteral("６０") << 60;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("past the last") << QStringLiteral("61") << 0;
    QTest::newRow("signed") << QStringLiteral("+7") << 0;
    QTest::newRow("huge number") << QStringLiteral("99999999999999999999") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("romaji") << QStringLiteral("sakura") << 0;
}

void TestPackSources::namesAsPeopleTypeThem()
{
    QFETCH(QString, name);
    QFETCH(int, entry);
    QCOMPARE(EntryMatcher(ContentPack::boardNames()).entryFor(name), entry);
}

void TestPackSources::everyBoardNameAndCaptionFindsItsEntry()
{
    const QStringList names = ContentPack::boardNames();
    const EntryMatcher matcher(names);
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(matcher.entryFor(names.at(i)), i + 1);
        QCOMPARE(matcher.entryFor(QuizBoard::spacedCaption(names.at(i))), i + 1);
    }
}

void TestPackSources::sourceFolderRefusesWhatItCannotPlace()
{
    QTemporaryDir dir;
    const QStringList files{"1.jpg",   "さくら.PNG",  "notes.docx", "unknown.jpg", "ばら.jpg",
                            "41.webp", ".hidden.jpg", "2.jpeg",     "きく.old.png"};
    for (const QString &file : files) {
        QFile touched(dir.filePath(file));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir("old"));

    const SourceFolder folder(dir.path(), {"jpg", "jpeg", "png", "webp"},
                              EntryMatcher(ContentPack::boardNames()));
    QVERIFY(folder.exists());
    QCOMPARE(folder.files().keys(), (QList<int>{1, 2, 20}));
    QCOMPARE(folder.files().value(20), dir.filePath("さくら.PNG"));

    const QStringList refused = texts(folder.refused());
    const QStringList refusedFiles{"notes.docx", "unknown.jpg",  "ばら.jpg",
                                   "41.webp",    "きく.old.png", "old"};
    QCOMPARE(refused.size(), refusedFiles.size());
    for (const QString &file : refusedFiles)
        QVERIFY2(refused.filter(dir.filePath(file) + ": ").size() == 1, qPrintable(file));
    QVERIFY(refused.filter("41番").size() == 2);
}

void TestPackSources::missingFolderHasNoFiles()
{
    const SourceFolder folder("/nonexistent/pictures", {"jpg"},
                              EntryMatcher(ContentPack::boardNames()));
    QVERIFY(!folder.exists());
    QVERIFY(folder.files().isEmpty());
    QVERIFY(folder.refused().isEmpty());
}

void TestPackSources::progressOnlyOnATerminal()
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ProgressLine toFile(&file, false);
    toFile.show("絵 1 / 2");
    toFile.print("a.jpg: 壊れています");
    toFile.clear();
    QCOMPARE(QString::fromUtf8(file.data()), QStringLiteral("a.jpg: 壊れています\n"));

    QBuffer terminal;
    terminal.open(QIODevice::WriteOnly);
    ProgressLine toTerminal(&terminal, true);
    toTerminal.show("絵 1 / 2");
    toTerminal.show("絵 1 / 2");
    toTerminal.print("a.jpg: 壊れています");
    toTerminal.show("絵 2 / 2");
    toTerminal.clear();
    toTerminal.print("作りました");
    toTerminal.show("説明 1 / 1: " + QString(40, QChar(0x3042)) + ".txt");
    const QString erase = QStringLiteral("\r\x1b[K");
    QCOMPARE(QString::fromUtf8(terminal.data()),
             erase + "絵 1 / 2" + erase + "a.jpg: 壊れています\n" + erase + "絵 1 / 2" + erase +
                 "絵 2 / 2" + erase + "作りました\n" + erase +
                 "説明 1 / 1: " + QString(25, QChar(0x3042)) + "…");
}

QTEST_MAIN(TestPackSources)
#include "tst_packsources.moc"
