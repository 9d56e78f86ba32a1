#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/explanation.h"
#include "pack/textpacker.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Path = QStringLiteral("texts/3.txt");

// A packed text with its problems and notes as hana-pack prints them.
struct Packed
{
    QByteArray bytes;
    QStringList problems;
    QStringList notes;
};

Packed pack(const QByteArray &utf8)
{
    const PackedText packed = TextPacker().pack(utf8, Path);
    return {packed.bytes, texts(packed.problems), texts(packed.notes)};
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
    QString row;
    while (ContentPack::rowWidth(row + character) <= ContentPack::listTextWidth())
        row += character;
    return row;
}

// What the content check says of an explanation file of these bytes.
QStringList checked(const QByteArray &bytes)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("説明"));
    QFile file(root.filePath(QStringLiteral("説明/s1.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {QStringLiteral("(not written)")};
    file.close();
    QStringList about;
    for (const ContentProblem &problem : checkContent(root.path()))
        if (problem.file == file.fileName())
            about << problem.what;
    return about;
}

} // namespace

class TestPackTexts : public QObject
{
    Q_OBJECT

private slots:
    void rowsArriveUnchanged_data();
    void rowsArriveUnchanged();
    void emptyTextGivesNoRows();
    void wideRowsAreWrappedWithANote();
    void longTextsAreWrappedBesideTheScrollBar();
    void charactersOutsideTheCodePageAreWrittenOrLeftOut_data();
    void charactersOutsideTheCodePageAreWrittenOrLeftOut();
    void everyChangeOfAFileIsNoted();
    void textNotUtf8IsRefusedByLine();
    void textWithNothingWritableIsRefused();
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
    QCOMPARE(text.notes, QStringList());
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

// The limit is the check's own: a row that just fits arrives as it is, one
// character more is wrapped, and the note names the line and its width.
void TestPackTexts::wideRowsAreWrappedWithANote()
{
    const QString fits = widestRow(QChar(0x3042));
    QCOMPARE(pack(fits.toUtf8()).notes, QStringList());
    QCOMPARE(rowsOf(pack(fits.toUtf8()).bytes), QStringList{fits});

    const QString tooWide = fits + QStringLiteral("。");
    const Packed text = pack(("一行目\n" + tooWide + "\n三行目").toUtf8());
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(text.notes,
             QStringList{QStringLiteral("texts/3.txt: 2行目は一覧の幅より広いので"
                                        "（224 / 219 ピクセル）、2 行に折り返しました。")});
    QCOMPARE(rowsOf(text.bytes),
             (QStringList{"一行目", fits.chopped(1), QStringLiteral("あ。"), "三行目"}));
}

// A text of more rows than the list shows is packed within the width the
// scroll bar leaves, which the check then holds the pack to; the same rows
// at the full width would be cut behind the scroll bar.
void TestPackTexts::longTextsAreWrappedBesideTheScrollBar()
{
    const QStringList ten(10, QStringLiteral("あ"));
    const QString row = QString(13, QChar(0x82B1));
    const Packed text = pack((ten + QStringList{row, "おわり"}).join('\n').toUtf8());
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(text.notes, QStringList{QStringLiteral(
                             "texts/3.txt: 11行目はスクロールバーの横の幅より広いので"
                             "（208 / 205 ピクセル）、2 行に折り返しました。説明が一覧に見える "
                             "11 行より多いので、スクロールバーが出ます。")});
    QCOMPARE(rowsOf(text.bytes), (ten + QStringList{row.chopped(1), row.right(1), "おわり"}));
    QCOMPARE(checked(text.bytes), QStringList());

    const QStringList cut = ten + QStringList{row, "おわり"};
    QCOMPARE(
        checked(encodeContentLines(cut)),
        QStringList{QStringLiteral("がスクロールバーの横の幅より広すぎます（208 / 205 ピクセル）。"
                                   "12 行あって一覧に見える 11 行より多いので、"
                                   "スクロールバーが出ます。")});
    QCOMPARE(checked(encodeContentLines(cut.mid(1))), QStringList());
}

void TestPackTexts::charactersOutsideTheCodePageAreWrittenOrLeftOut_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("note");
    QTest::newRow("emoji") << QStringLiteral("花😀") << QStringLiteral("花")
                           << QStringLiteral("の文字「😀」（U+1F600）は Shift-JIS にないので、"
                                             "除きました。");
    QTest::newRow("hangul") << QStringLiteral("꽃です") << QStringLiteral("です")
                            << QStringLiteral("の文字「꽃」（U+AF43）は Shift-JIS にないので、"
                                              "除きました。");
    QTest::newRow("wave dash") << QStringLiteral("春〜夏") << QStringLiteral("春～夏")
                               << QStringLiteral("の文字「〜」（U+301C）は Shift-JIS にないので、"
                                                 "同じ形の「～」（U+FF5E）で書きました。");
    QTest::newRow("yen sign twice")
        << QStringLiteral("100¥と¥") << QStringLiteral("100￥と￥")
        << QStringLiteral("の文字「¥」（U+00A5）は Shift-JIS にないので、"
                          "同じ形の「￥」（U+FFE5）で書きました。");
}

// A character that code page 932 would only give back as another one is
// written in its look-alike or left out, named once a line, and the rest
// of the text arrives.
void TestPackTexts::charactersOutsideTheCodePageAreWrittenOrLeftOut()
{
    QFETCH(QString, row);
    QFETCH(QString, written);
    QFETCH(QString, note);
    const Packed text = pack(("一行目\n二行目\n" + row + "\n").toUtf8());
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(text.notes, QStringList{QStringLiteral("texts/3.txt: 3行目") + note});
    QCOMPARE(rowsOf(text.bytes), (QStringList{"一行目", "二行目", written}));
}

void TestPackTexts::everyChangeOfAFileIsNoted()
{
    const QString tooWide(40, QChar(0x3042));
    const Packed text = pack(("😀😀\n" + tooWide + "\nふつう\n꽃" + tooWide).toUtf8());
    QCOMPARE(text.problems, QStringList());
    QCOMPARE(text.notes.size(), 4);
    QVERIFY(text.notes.at(0).contains(QStringLiteral("1行目の文字「😀」")));
    QVERIFY(text.notes.at(1).contains(QStringLiteral("2行目は一覧の幅より広い")));
    QVERIFY(text.notes.at(2).contains(QStringLiteral("4行目の文字「꽃」")));
    QVERIFY(text.notes.at(3).contains(QStringLiteral("4 行に折り返しました")));
    QCOMPARE(rowsOf(text.bytes).size(), 1 + 4 + 1 + 4);
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

// Only when nothing of a text can be written is it refused, and a text
// larger than a content text may be is refused as such.
void TestPackTexts::textWithNothingWritableIsRefused()
{
    const Packed emoji = pack(QStringLiteral("😀\n\n🌸🌸").toUtf8());
    QCOMPARE(emoji.problems,
             QStringList{QStringLiteral(
                 "texts/3.txt: Shift-JIS で書ける文字が一つもないので、使えません。")});
    QCOMPARE(emoji.bytes, QByteArray());

    const Packed huge = pack(QByteArray(ContentPack::MaximumTextBytes + 1, 'a'));
    QCOMPARE(huge.problems.size(), 1);
    QVERIFY(huge.problems.first().contains(QStringLiteral("512")));
    QCOMPARE(huge.bytes, QByteArray());
}

QTEST_MAIN(TestPackTexts)
#include "tst_packtexts.moc"
