#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/explanation.h"
#include "pack/textpacker.h"

#include <QFontMetrics>
#include <QStringEncoder>
#include <QTest>

namespace {

const QString Path = QStringLiteral("texts/3.txt");

// A packed text with its problems as hana-pack prints them.
struct Packed
{
    QByteArray bytes;
    QStringList problems;
};

Packed pack(const QByteArray &utf8)
{
    const PackedText packed = TextPacker().pack(utf8, Path);
    return {packed.bytes, texts(packed.problems)};
}

// The rows the picture book shows for an explanation file's bytes.
QStringList rowsOf(const QByteArray &bytes)
{
    bool valid = false;
    const QString text = decodeContentText(bytes, &valid);
    return valid ? splitLines(text) : QStringList{QStringLiteral("(not code page 932)")};
}

// The longest row of one repeated character that still fits the list.
QString widestRow(QChar character)
{
    const QFontMetrics metrics(ContentPack::listFont());
    QString row;
    while (metrics.horizontalAdvance(row + character) <= ContentPack::listTextWidth())
        row += character;
    return row;
}

} // namespace

class TestPackTexts : public QObject
{
    Q_OBJECT

private slots:
    void rowsArriveUnchanged_data();
    void rowsArriveUnchanged();
    void emptyTextGivesNoRows();
    void widthLimitIsTheList();
    void charactersOutsideTheCodePageAreNamed_data();
    void charactersOutsideTheCodePageAreNamed();
    void everyProblemOfAFileIsReported();
    void textNotUtf8IsRefusedByLine();
};

void TestPackTexts::rowsArriveUnchanged_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QStringList>("rows");
    const QStringList rows{QStringLiteral("春に咲く花です。"), QString(),
                           QStringLiteral("（ＩＰＡ）①～③、髙い木。")};
    QTest::newRow("LF") << (rows.join('\n') + '\n').toUtf8() << rows;
    QTest::newRow("CR LF") << (rows.join("\r\n") + "\r\n").toUtf8() << rows;
    QTest::newRow("no line end at the end") << rows.join('\n').toUtf8() << rows;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + rows.join('\n').toUtf8() << rows;
    QTest::newRow("blank rows kept") << QByteArray("\n\nあ\n\n") << QStringList{"", "", "あ", ""};
}

void TestPackTexts::rowsArriveUnchanged()
{
    QFETCH(QByteArray, source);
    QFETCH(QStringList, rows);
    const Packed text = pack(source);
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(rowsOf(text.bytes), rows);
    QCOMPARE(text.bytes.count("\r\n"), rows.size());
    QCOMPARE(text.bytes.count('\n'), rows.size());
    QVERIFY(text.bytes.endsWith("\r\n"));
}

void TestPackTexts::emptyTextGivesNoRows()
{
    const Packed text = pack(QByteArray());
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(text.bytes, QByteArray());
}

// The limit is the check's own: a row that just fits passes, one character
// more is refused with its width, and the row is never wrapped instead.
void TestPackTexts::widthLimitIsTheList()
{
    const QString fits = widestRow(QChar(0x3042));
    QCOMPARE(pack(fits.toUtf8()).problems, QStringList());
    QCOMPARE(rowsOf(pack(fits.toUtf8()).bytes), QStringList{fits});

    const QString tooWide = fits + QChar(0x3042);
    const Packed text = pack(("一行目\n" + tooWide + "\n三行目").toUtf8());
    QCOMPARE(text.problems.size(), 1);
    const int width = QFontMetrics(ContentPack::listFont()).horizontalAdvance(tooWide);
    QCOMPARE(text.problems.first(),
             QStringLiteral("texts/3.txt: 2行目が一覧の幅より広すぎます（%1 / %2 ピクセル）。")
                 .arg(width)
                 .arg(ContentPack::listTextWidth()));
    QCOMPARE(text.bytes, QByteArray());

    // The widths an editor shows are the ones the check compares.
    const TextPacker packer;
    QCOMPARE(packer.lineWidth(tooWide), width);
    QCOMPARE(packer.listWidth(), ContentPack::listTextWidth());
}

void TestPackTexts::charactersOutsideTheCodePageAreNamed_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("instead");
    QTest::newRow("emoji") << QStringLiteral("花😀") << QStringLiteral("「😀」（U+1F600）")
                           << QString();
    QTest::newRow("hangul") << QStringLiteral("꽃") << QStringLiteral("（U+AF43）") << QString();
    QTest::newRow("wave dash") << QStringLiteral("春〜夏") << QStringLiteral("（U+301C）")
                               << QStringLiteral("「～」");
    QTest::newRow("minus sign") << QStringLiteral("−5度") << QStringLiteral("（U+2212）")
                                << QStringLiteral("「－」");
    QTest::newRow("yen sign") << QStringLiteral("100¥") << QStringLiteral("（U+00A5）")
                              << QStringLiteral("「￥」");
}

// A character that code page 932 would only give back as another one is
// refused too: the book would show something else.
void TestPackTexts::charactersOutsideTheCodePageAreNamed()
{
    QFETCH(QString, row);
    QFETCH(QString, named);
    QFETCH(QString, instead);
    const Packed text = pack(("一行目\n二行目\n" + row + "\n").toUtf8());
    QCOMPARE(text.problems.size(), 1);
    const QString problem = text.problems.first();
    QVERIFY2(problem.startsWith(QStringLiteral("texts/3.txt: 3行目の文字")), qPrintable(problem));
    QVERIFY2(problem.contains(named), qPrintable(problem));
    QCOMPARE(problem.contains(QStringLiteral("代わりに")), !instead.isEmpty());
    QVERIFY(instead.isEmpty() || problem.contains(instead));
    QCOMPARE(text.bytes, QByteArray());
}

void TestPackTexts::everyProblemOfAFileIsReported()
{
    const QString tooWide(40, QChar(0x3042));
    const Packed text = pack(("😀😀\n" + tooWide + "\nふつう\n꽃" + tooWide).toUtf8());
    QCOMPARE(text.problems.size(), 4);
    QVERIFY(text.problems.at(0).contains(QStringLiteral("1行目の文字")));
    QVERIFY(text.problems.at(1).contains(QStringLiteral("2行目が一覧の幅")));
    QVERIFY(text.problems.at(2).contains(QStringLiteral("4行目の文字")));
    QVERIFY(text.problems.at(3).contains(QStringLiteral("4行目が一覧の幅")));
}

// A text saved in Shift-JIS, as the content files are, is not the UTF-8 the
// source must be.
void TestPackTexts::textNotUtf8IsRefusedByLine()
{
    QStringEncoder encoder("windows-31j");
    const Packed text = pack("first\r\n" + encoder(QStringLiteral("あいう")) + "\r\n");
    QCOMPARE(text.problems,
             QStringList{QStringLiteral(
                 "texts/3.txt: 2行目に UTF-8 の文字として読めないバイトがあります。")});
    QCOMPARE(text.bytes, QByteArray());
}

QTEST_MAIN(TestPackTexts)
#include "tst_packtexts.moc"
