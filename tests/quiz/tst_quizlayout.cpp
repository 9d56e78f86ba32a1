#include "commandbutton.h"
#include "fakes.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "quizboard.h"
#include "quizlayout.h"

#include <QTest>

class TestQuizLayout : public QObject
{
    Q_OBJECT

private slots:
    void captionsAreSpacedByLength_data();
    void captionsAreSpacedByLength();
    void tilesStandInThreeColumnsOfTwenty_data();
    void tilesStandInThreeColumnsOfTwenty();
    void controlsAreStackedInLayoutOrder();
    void picturesKeepOrFillTheirBoxes();
};

void TestQuizLayout::captionsAreSpacedByLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("two kana") << "うめ"
                              << "う\u3000\u3000め";
    QTest::newRow("three kana") << "あやめ"
                                << "あ\u3000や\u3000め";
    QTest::newRow("four with a long vowel") << "ガーベラ"
                                            << "ガ\u3000ー\u3000ベ\u3000ラ";
    QTest::newRow("five kana") << "しゃくなげ"
                               << "し ゃ く な げ";
    QTest::newRow("six kana") << "じんちょうげ"
                              << "じんちょうげ";
    QTest::newRow("seven kana") << "カーネーション"
                                << "カーネーション";
}

void TestQuizLayout::captionsAreSpacedByLength()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(QuizBoard::spacedCaption(name), caption);
}

void TestQuizLayout::tilesStandInThreeColumnsOfTwenty_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << 0 << 4695.f << 240.f << "あ\u3000さ\u3000が\u3000お";
    QTest::newRow("foot of column 1") << 19 << 4695.f << 6795.f << "さ\u3000く\u3000ら";
    QTest::newRow("head of column 2") << 20 << 6525.f << 240.f << "さ く ら そ う";
    QTest::newRow("middle of column 3") << 49 << 8355.f << 3345.f << "フ リ ー ジ ア";
    QTest::newRow("last") << 59 << 8355.f << 6795.f << "わすれなぐさ";
}

void TestQuizLayout::tilesStandInThreeColumnsOfTwenty()
{
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QString, caption);
    RecordingSounds sounds;
    Form form(quizLayout(), sounds);
    const ControlArray<Label> board = form.labelArray("Label1");
    QCOMPARE(board.size(), 60);
    QCOMPARE(board.indices().front(), 0);
    const Label *tile = board(index);
    QCOMPARE(tile->leftTwips(), left);
    QCOMPARE(tile->topTwips(), top);
    QCOMPARE(tile->widthTwips(), 1740.f);
    QCOMPARE(tile->heightTwips(), 330.f);
    QCOMPARE(tile->caption(), caption);
    QCOMPARE(tile->backColor(), TileColor);
    QVERIFY(tile->sunken());
}

// Front to back: the two buttons, the fail banner, the covering area and
// the medal before the panel and the picture, then the board from its last
// tile to its first, and the disc at the very back.
void TestQuizLayout::controlsAreStackedInLayoutOrder()
{
    RecordingSounds sounds;
    Form form(quizLayout(), sounds);
    QStringList names;
    for (const Control *control : form.controls())
        names << control->objectName();
    QCOMPARE(names.size(), 74);
    QCOMPARE(names.mid(0, 14), QStringList({"Command2", "Command1", "Label10", "Image6", "Image5",
                                            "Label6", "Label5", "Label4", "Label3", "Label2",
                                            "Image4", "Image3", "Image2", "Label1(59)"}));
    QCOMPARE(names.mid(72), QStringList({"Label1(0)", "Image1"}));
    QCOMPARE(form.label("Label6")->caption(), QStringLiteral("\uFF05"));
    QCOMPARE(form.caption(), QStringLiteral("花の名前"));
    QCOMPARE(form.size(), QSize(685, 491));
}

void TestQuizLayout::picturesKeepOrFillTheirBoxes()
{
    RecordingSounds sounds;
    Form form(quizLayout(), sounds);
    Image *medal = form.image("Image5");
    medal->setPicture(QImage(40, 50, QImage::Format_ARGB32));
    QCOMPARE(medal->widthTwips(), 2985.f);
    QCOMPARE(medal->heightTwips(), 3585.f);
    Image *mark = form.image("Image4");
    mark->setPicture(QImage(40, 50, QImage::Format_ARGB32));
    QCOMPARE(mark->widthTwips(), 600.f);
    QCOMPARE(mark->heightTwips(), 750.f);
    QCOMPARE(form.image("Image2")->widthTwips(), 3165.f);
    QCOMPARE(form.image("Image1")->heightTwips(), 3975.f);
    QVERIFY(!form.image("Image6")->isVisibleTo(&form));
    QVERIFY(!form.label("Label10")->isVisibleTo(&form));
}

QTEST_MAIN(TestQuizLayout)
#include "tst_quizlayout.moc"
