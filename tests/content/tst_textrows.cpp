#include "content/contentpack.h"
#include "content/textrows.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

// Whether code page 932 writes a text and gives it back unchanged, asked
// of converters made for this one question.
bool codePageHolds(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder(text);
    QStringDecoder decoder("windows-31j");
    const QString back = decoder(bytes);
    return !encoder.hasError() && !decoder.hasError() && back == text;
}

QString repeated(QStringView piece, int times)
{
    return piece.toString().repeated(times);
}

} // namespace

Q_DECLARE_METATYPE(RowSpan)

class TestTextRows : public QObject
{
    Q_OBJECT

private slots:
    void widthsAreCountedWithoutFonts();
    void lookAlikesAreWrittenInTheCodePagesForm_data();
    void lookAlikesAreWrittenInTheCodePagesForm();
    void onlyWhatTheCodePageLacksIsLeftOut();
    void wideRowsWrapByTheLineBreakingRules_data();
    void wideRowsWrapByTheLineBreakingRules();
    void wrappedSpansStandInTheSourceLine();
    void rowsOfATextKnowTheirSourceLine();
    void longTextsWrapBesideTheScrollBar_data();
    void longTextsWrapBesideTheScrollBar();
};

// The list of the picture book is 225 pixels wide with a frame of 2 and a
// text margin of 1 on each side, and 212 high in rows of 18; the face is of
// fixed pitch.
void TestTextRows::widthsAreCountedWithoutFonts()
{
    QCOMPARE(ContentPack::listTextWidth(), 219);
    QCOMPARE(ContentPack::listVisibleRows(), 11);
    QCOMPARE(ContentPack::listTextWidth(11), 219);
    QCOMPARE(ContentPack::listTextWidth(12), 205); // beside a scroll bar of 14
    QCOMPARE(ContentPack::rowWidth(u""), 0);
    QCOMPARE(ContentPack::rowWidth(u"あ漢Ａ"), 48);
    QCOMPARE(ContentPack::rowWidth(u"ab1 ~"), 40);
    QCOMPARE(ContentPack::rowWidth(u"ｶﾀｶﾅ｡"), 40); // half-width katakana: one byte each
    QCOMPARE(ContentPack::rowWidth(u"😀"), 16);     // two code units, one character
    QCOMPARE(ContentPack::rowWidth(u"理科室のまどべでさきました。"), 224);
}

void TestTextRows::lookAlikesAreWrittenInTheCodePagesForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("wave dash") << "〜"
                               << "～";
    QTest::newRow("minus sign") << "−"
                                << "－";
    QTest::newRow("double vertical line") << "‖"
                                          << "∥";
    QTest::newRow("em dash") << "—"
                             << "―";
    QTest::newRow("cent sign") << "¢"
                               << "￠";
    QTest::newRow("pound sign") << "£"
                                << "￡";
    QTest::newRow("not sign") << "¬"
                              << "￢";
    QTest::newRow("yen sign") << "¥"
                              << "￥";
    QTest::newRow("broken bar") << "¦"
                                << "￤";
    QTest::newRow("overline") << "‾"
                              << "￣";
}

// Each look-alike is one the code page lacks, and what it becomes is one
// the code page holds.
void TestTextRows::lookAlikesAreWrittenInTheCodePagesForm()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QVERIFY(!codePageHolds(typed));
    QVERIFY(codePageHolds(written));
    const LineRows line = rowsOfLine(QString("春" + typed + "夏" + typed));
    QCOMPARE(line.rows, QStringList{"春" + written + "夏" + written});
    QCOMPARE(line.spans, (QList<RowSpan>{{RowChange::Converted, 1, 1, written},
                                         {RowChange::Converted, 3, 1, written}}));
}

void TestTextRows::onlyWhatTheCodePageLacksIsLeftOut()
{
    const LineRows line = rowsOfLine(u"花😀が꽃さく\uFFFD。");
    QCOMPARE(line.rows, QStringList{"花がさく。"});
    QCOMPARE(line.spans, (QList<RowSpan>{{RowChange::LeftOut, 1, 2},
                                         {RowChange::LeftOut, 4, 1},
                                         {RowChange::LeftOut, 7, 1}}));
    QCOMPARE(line.width, 80);

    const LineRows held = rowsOfLine(u"（ＩＰＡ）①～③、髙ｶﾅ\\~");
    QCOMPARE(held.rows, QStringList{QStringLiteral("（ＩＰＡ）①～③、髙ｶﾅ\\~")});
    QVERIFY(held.spans.isEmpty());
    QCOMPARE(rowsOfLine(u"").rows, QStringList{QString()});
    QCOMPARE(rowsOfLine(u"😀").rows, QStringList{QString()});
}

// 13 full-width characters (208 pixels) fit the 219 of the list, 14 do not;
// 27 half-width ones fit.
void TestTextRows::wideRowsWrapByTheLineBreakingRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("rows");
    const QString twelve = repeated(u"あ", 12);
    QTest::newRow("fits") << twelve + "あ" << QStringList{twelve + "あ"};
    QTest::newRow("at the width") << twelve + "あい" << QStringList{twelve + "あ", "い"};
    QTest::newRow("no stop at a row's start")
        << "理科室のまどべでさきました。" << QStringList{"理科室のまどべでさきまし", "た。"};
    QTest::newRow("no closing bracket or stop")
        << twelve + "い」。" << QStringList{twelve, "い」。"};
    QTest::newRow("no long vowel mark")
        << repeated(u"カ", 13) + "ー" << QStringList{repeated(u"カ", 12), "カー"};
    QTest::newRow("no small kana") << twelve + "しゃ" << QStringList{twelve, "しゃ"};
    QTest::newRow("no opening bracket at a row's end")
        << twelve + "「花」" << QStringList{twelve, "「花」"};
    QTest::newRow("ellipsis kept whole") << twelve + "……" << QStringList{twelve, "……"};
    QTest::newRow("a word kept whole")
        << repeated(u"x", 24) + " abcd" << QStringList{repeated(u"x", 24) + " ", "abcd"};
    QTest::newRow("a run wider than the list")
        << repeated(u"7", 30) << QStringList{repeated(u"7", 27), "777"};
    QTest::newRow("many rows") << repeated(u"花", 40)
                               << QStringList{repeated(u"花", 13), repeated(u"花", 13),
                                              repeated(u"花", 13), "花"};
    QTest::newRow("nothing but stops")
        << repeated(u"。", 14) << QStringList{repeated(u"。", 13), "。"};
}

void TestTextRows::wideRowsWrapByTheLineBreakingRules()
{
    QFETCH(QString, line);
    QFETCH(QStringList, rows);
    const LineRows wrapped = rowsOfLine(line);
    QCOMPARE(wrapped.rows, rows);
    for (const QString &row : wrapped.rows)
        QVERIFY(ContentPack::rowWidth(row) <= ContentPack::listTextWidth());
    QCOMPARE(wrapped.width, ContentPack::rowWidth(line));
}

// A span names the source line's characters, so the editor marks what the
// teacher typed: after an emoji left out, the wrapped part starts two code
// units later than in the row written.
void TestTextRows::wrappedSpansStandInTheSourceLine()
{
    const QString line =
        QStringLiteral("😀") + repeated(u"あ", 13) + QStringLiteral("い〜") + repeated(u"う", 13);
    const LineRows wrapped = rowsOfLine(line);
    QCOMPARE(wrapped.rows,
             (QStringList{repeated(u"あ", 13), "い～" + repeated(u"う", 11), repeated(u"う", 2)}));
    QCOMPARE(wrapped.spans, (QList<RowSpan>{{RowChange::LeftOut, 0, 2},
                                            {RowChange::Wrapped, 15, 13},
                                            {RowChange::Converted, 16, 1, "～"},
                                            {RowChange::Wrapped, 28, 2}}));
    QCOMPARE(line.mid(28, 2), repeated(u"う", 2));
}

void TestTextRows::rowsOfATextKnowTheirSourceLine()
{
    const TextRows text = rowsOfText({"一行目", repeated(u"花", 30), QString(), "😀"});
    QCOMPARE(text.lines.size(), 4);
    QCOMPARE(text.rows(), (QStringList{"一行目", repeated(u"花", 13), repeated(u"花", 13),
                                       repeated(u"花", 4), QString(), QString()}));
    QCOMPARE(text.sourceLines(), (QList<int>{0, 1, 1, 1, 2, 3}));
    QVERIFY(rowsOfText({}).rows().isEmpty());
}

// 12 full-width characters (192 pixels) or 25 half-width ones fit the 205
// beside the scroll bar; a text scrolls from its 12th row.
void TestTextRows::longTextsWrapBesideTheScrollBar_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("rowLimit");
    const QStringList nine(9, QStringLiteral("あ"));
    const QStringList ten(10, QStringLiteral("あ"));
    QTest::newRow("as many rows as shown keep the full width")
        << nine + QStringList{repeated(u"花", 26)}
        << nine + QStringList{repeated(u"花", 13), repeated(u"花", 13)} << 219;
    QTest::newRow("one row more than shown")
        << nine + QStringList{repeated(u"花", 27)}
        << nine + QStringList{repeated(u"花", 12), repeated(u"花", 12), repeated(u"花", 3)} << 205;
    QTest::newRow("a row that only the scroll bar would cut")
        << ten + QStringList{repeated(u"花", 13), "い"}
        << ten + QStringList{repeated(u"花", 12), "花", "い"} << 205;
    QTest::newRow("half-width") << ten + QStringList{repeated(u"x", 26), "b"}
                                << ten + QStringList{repeated(u"x", 25), "x", "b"} << 205;
    QTest::newRow("rows that fit beside the scroll bar stay")
        << QStringList(12, repeated(u"花", 12)) << QStringList(12, repeated(u"花", 12)) << 205;
    const QStringList many = QStringList(12, repeated(u"花", 12)) << QStringLiteral("花");
    QTest::newRow("one line of many rows") << QStringList{repeated(u"花", 145)} << many << 205;
}

// The list holds the text's rows, so whether it scrolls is decided on the
// whole text: then every row, of every line, is within what the scroll bar
// leaves, as the check asks of a pack.
void TestTextRows::longTextsWrapBesideTheScrollBar()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, rows);
    QFETCH(int, rowLimit);
    const TextRows text = rowsOfText(lines);
    QCOMPARE(text.rows(), rows);
    for (const LineRows &line : text.lines)
        QCOMPARE(line.rowLimit, rowLimit);
    for (const QString &row : text.rows())
        QVERIFY(ContentPack::rowWidth(row) <= ContentPack::listTextWidth(rows.size()));
    if (lines.size() == 1)
        QCOMPARE(rowsOfLine(lines.first()).rows, rows);
}

QTEST_GUILESS_MAIN(TestTextRows)
#include "tst_textrows.moc"
