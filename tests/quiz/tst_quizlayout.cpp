#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "screens/quiz/quizlayout.h"
#include "support/fakes.h"

#include <QTest>

class TestQuizLayout : public QObject
{
    Q_OBJECT

private slots:
    void tilesAreSpacedAndPlaced_data();
    void tilesAreSpacedAndPlaced();
    void controlsAreStackedInLayoutOrder();
};

// The captions cover every spacing rule: two kana, three, four with a long
// vowel, five with a small kana, six and seven.
void TestQuizLayout::tilesAreSpacedAndPlaced_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("caption");
    QTest::newRow("うめ") << 5 << 4695.f << 1965.f << "う\u3000\u3000め";
    QTest::newRow("カーネーション") << 7 << 4695.f << 2655.f << "カーネーション";
    QTest::newRow("ガーベラ") << 8 << 4695.f << 3000.f << "ガ\u3000ー\u3000ベ\u3000ラ";
    QTest::newRow("さくら") << 19 << 4695.f << 6795.f << "さ\u3000く\u3000ら";
    QTest::newRow("しゃくなげ") << 24 << 6525.f << 1620.f << "し ゃ く な げ";
    QTest::newRow("じんちょうげ") << 25 << 6525.f << 1965.f << "じんちょうげ";
    QTest::newRow("わすれなぐさ") << 59 << 8355.f << 6795.f << "わすれなぐさ";
}

void TestQuizLayout::tilesAreSpacedAndPlaced()
{
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QString, caption);
    RecordingSounds sounds;
    Form form(quizLayout(), sounds);
    const Label *tile = form.labelArray("Label1")(index);
    QCOMPARE(tile->leftTwips(), left);
    QCOMPARE(tile->topTwips(), top);
    QCOMPARE(tile->widthTwips(), 1740.f);
    QCOMPARE(tile->heightTwips(), 330.f);
    QCOMPARE(tile->caption(), caption);
}

// Front to back: the buttons, the fail banner, the covering area and the
// medal before the panel and the pictures, then the board from its last tile
// to its first, and the disc at the very back.
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
    QCOMPARE(form.labelArray("Label1").indices().front(), 0);
    QCOMPARE(form.label("Label6")->caption(), QStringLiteral("\uFF05"));
    QVERIFY(form.image("Image5")->stretch());
    QCOMPARE(form.image("Image2")->widthTwips(), 3165.f);
    QCOMPARE(form.size(), QSize(685, 491));
}

QTEST_MAIN(TestQuizLayout)
#include "tst_quizlayout.moc"
