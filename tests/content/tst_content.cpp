#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/contenttext.h"
#include "content/datapath.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "platform/failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList numberedNames(int count)
{
    QStringList names;
    for (int entry = 1; entry <= count; ++entry)
        names << QStringLiteral("花%1").arg(entry);
    return names;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dataPathDropsOneTrailingSeparator_data();
    void dataPathDropsOneTrailingSeparator();
    void pathsAreJoinedPlainly();
    void namesOnePerLineOrCommaSeparated_data();
    void namesOnePerLineOrCommaSeparated();
    void quotedNamesAndEmptyFields();
    void namesBeyondSixtyAreIgnored();
    void fiftyNineNamesFailNamingTheFile();
    void namesDecodeCodePage932AndUtf8();
    void explanationLineEnds_data();
    void explanationLineEnds();
    void missingExplanationFails();
    void kanaRowsHoldTheirEntries();

private:
    QTemporaryDir m_root;
};

void TestContent::init()
{
    DataPath = m_root.path();
}

void TestContent::dataPathDropsOneTrailingSeparator_data()
{
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("dataPath");
    QTest::newRow("folder") << "/opt/app/"
                            << "/opt/app";
    QTest::newRow("no separator") << "/opt/app"
                                  << "/opt/app";
    QTest::newRow("root") << "/"
                          << "";
    QTest::newRow("two separators") << "/opt/app//"
                                    << "/opt/app/";
    QTest::newRow("japanese") << "/home/花子/図鑑/"
                              << "/home/花子/図鑑";
}

void TestContent::dataPathDropsOneTrailingSeparator()
{
    QFETCH(QString, reported);
    QFETCH(QString, dataPath);
    QCOMPARE(dataPathFor(reported), dataPath);
}

void TestContent::pathsAreJoinedPlainly()
{
    DataPath = QString();
    QCOMPARE(ContentPath(ContentPack::NamesList), QStringLiteral("/説明/name.txt"));
    DataPath = QStringLiteral("/opt/花");
    QCOMPARE(ContentPath(ContentPack::ButtonSound), QStringLiteral("/opt/花/音/oto.wav"));
    QCOMPARE(EntryFileNumber(1), QStringLiteral("1"));
    QCOMPARE(EntryFileNumber(7), QStringLiteral("7"));
    QCOMPARE(EntryFileNumber(60), QStringLiteral("60"));
    QCOMPARE(EntryPicturePath(7), QStringLiteral("/opt/花/画像/h7.gif"));
    QCOMPARE(EntryExplanationPath(60), QStringLiteral("/opt/花/説明/s60.txt"));
}

void TestContent::namesOnePerLineOrCommaSeparated_data()
{
    QTest::addColumn<QString>("text");
    const QStringList names = numberedNames(60);
    QTest::newRow("CR LF lines") << names.join("\r\n") + "\r\n";
    QTest::newRow("LF lines") << names.join("\n");
    QTest::newRow("CR lines") << names.join("\r") + "\r";
    QTest::newRow("commas") << names.mid(0, 30).join(",") + "\r\n" + names.mid(30).join(",");
    QTest::newRow("blanks around") << "  " + names.join(" ,\t") + "  ";
}

void TestContent::namesOnePerLineOrCommaSeparated()
{
    QFETCH(QString, text);
    QCOMPARE(parseEntryNames(text, "name.txt"), numberedNames(60));
}

void TestContent::quotedNamesAndEmptyFields()
{
    const QStringList fields = numberedNames(60);
    const QString text = "\"あ,さ\" ignored,\r\n\r\n," + fields.mid(4).join(",");
    const QStringList names = parseEntryNames(text, "name.txt");
    QCOMPARE(names.at(0), QStringLiteral("あ,さ"));
    QCOMPARE(names.at(1), QString());
    QCOMPARE(names.at(2), QString());
    QCOMPARE(names.at(3), QString());
    QCOMPARE(names.at(4), QStringLiteral("花5"));
    QCOMPARE(names.at(59), QStringLiteral("花60"));
}

void TestContent::namesBeyondSixtyAreIgnored()
{
    const QStringList names = parseEntryNames(numberedNames(75).join("\r\n"), "name.txt");
    QCOMPARE(names, numberedNames(60));
}

void TestContent::fiftyNineNamesFailNamingTheFile()
{
    writeFile(DataPath + "/説明/name.txt",
              numberedNames(59).join("\r\n").toUtf8().prepend("\xEF\xBB\xBF"));
    try {
        ReadEntryNames();
        QFAIL("59 names were accepted");
    } catch (const Failure &failure) {
        QVERIFY(failure.message().contains(DataPath + "/説明/name.txt"));
        QVERIFY(failure.message().contains("59"));
    }
}

void TestContent::namesDecodeCodePage932AndUtf8()
{
    // Made with: printf 'あさがお～①\r\nカーネーション' | iconv -f UTF-8 -t CP932
    const QByteArray cp932 =
        QByteArray::fromHex("82a082b382aa82a8816087400d0a834a815b836c815b835683878393");
    const QString decoded = decodeContentText(cp932);
    QCOMPARE(decoded, QStringLiteral("あさがお\uFF5E\u2460\r\nカーネーション"));

    const QByteArray tail = QStringList(numberedNames(60).mid(2)).join("\r\n").toUtf8();
    writeFile(DataPath + "/説明/name.txt", cp932 + "\r\n" + tail);
    QStringList names = ReadEntryNames();
    QCOMPARE(names.at(0), QStringLiteral("あさがお～①"));
    QCOMPARE(names.at(1), QStringLiteral("カーネーション"));

    writeFile(DataPath + "/説明/name.txt", "\xEF\xBB\xBF" +
                                               QStringLiteral("ひまわり\r\n").toUtf8() +
                                               numberedNames(60).mid(1).join("\r\n").toUtf8());
    names = ReadEntryNames();
    QCOMPARE(names.at(0), QStringLiteral("ひまわり"));
    QCOMPARE(names.size(), 60);
}

void TestContent::explanationLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, last line unterminated") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("ends in CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("empty line between") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("blanks kept") << QByteArray("  a  \r\n") << QStringList{"  a  "};
}

void TestContent::explanationLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    writeFile(EntryExplanationPath(7), bytes);
    QCOMPARE(ReadExplanationLines(7), lines);
}

void TestContent::missingExplanationFails()
{
    try {
        ReadExplanationLines(12);
        QFAIL("a missing file was read");
    } catch (const Failure &failure) {
        QVERIFY(failure.message().contains(DataPath + "/説明/s12.txt"));
        QVERIFY(failure.message().contains("見つかりません"));
    }
}

// Each row holds its first entry up to the next row's first; every name of
// the board starts in its row's column of the syllabary, voiced or not.
void TestContent::kanaRowsHoldTheirEntries()
{
    const QString columns = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"
                                           "はひふへほまみむめもや_ゆ_よらりるれろわ");
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const int row = ContentPack::kanaRowOf(entry);
        QVERIFY(ContentPack::KanaRows[row].firstEntry <= entry);
        QString first = ContentPack::BoardNames[entry - 1].left(1).toString().normalized(
            QString::NormalizationForm_D);
        first = first.left(1);
        if (first.at(0) >= u'ァ' && first.at(0) <= u'ヶ')
            first[0] = QChar(first.at(0).unicode() - 0x60);
        QCOMPARE(columns.indexOf(first) / 5, row);
    }
    QCOMPARE(ContentPack::kanaRowOf(7), 0);
    QCOMPARE(ContentPack::kanaRowOf(8), 1);
    QCOMPARE(ContentPack::kanaRowOf(60), 9);
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
