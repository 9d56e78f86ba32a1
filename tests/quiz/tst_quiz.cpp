#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/quiz/quizlayout.h"
#include "screens/quiz/quizscreen.h"
#include "support/fakes.h"
#include "support/keys.h"
#include "support/mouse.h"
#include "support/stubscreens.h"

#include <QApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <random>

namespace {

constexpr QRgb Red = 0xFFFF0000;

// The random number that draws the entry straight away.
double drawOf(int entry)
{
    return (entry - 0.5) / 60;
}

QString sound(const QString &player, const QString &file)
{
    return player + " SetFile " + ContentPath(file);
}

} // namespace

class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openingPutsUpTheFirstQuestion();
    void drawWalksForwardToAnUnaskedEntry_data();
    void drawWalksForwardToAnUnaskedEntry();
    void wholeGameByMouseAsksEveryEntryOnce();
    void rateIsTheIntegerPart_data();
    void rateIsTheIntegerPart();
    void resultIsGradedByTheRate_data();
    void resultIsGradedByTheRate();
    void rightTileClickedTwiceScoresOnce();
    void hoverLightsTheTileUnderTheMouse();
    void boardRestsAfterTheResultUntilARestart();
    void restartDuringThePauseKeepsTheNewQuestion();
    void lastLeaveClickWins();
    void boardIsOneTabStopWhoseArrowsLightLikeTheMouse();
    void enterAnswersTheLitTileAsAClickDoes();
    void keysAnswerNothingUnderTheResultAndRestartIt();

private:
    Form *form() const { return m_test->program.screen(ScreenName::Quiz).form(); }
    Label *tile(int index) const { return form()->labelArray("Label1")(index); }
    QString caption(const char *label) const { return form()->label(label)->caption(); }
    int shownEntry() const;
    void openQuiz(const QList<double> &draws = {});
    void answer(bool right);
    void tick(const char *timer);
    void endPause();
    void playGame(int rightAnswers);
    int litTile() const { return ::litTile(form()->labelArray("Label1")); }
    void lightByKeys(int target) { lightTileByKeys(form()->labelArray("Label1"), target); }

    QTemporaryDir m_data;
    std::unique_ptr<TestProgram> m_test;
};

void TestQuiz::initTestCase()
{
    DataPath = copyContentPack(m_data.path());
}

void TestQuiz::init()
{
    m_test = std::make_unique<TestProgram>();
    addScreensStubbingAllBut(m_test->program, ScreenName::Quiz);
}

void TestQuiz::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

int TestQuiz::shownEntry() const
{
    const QString source = form()->image("Image3")->pictureSource();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (source == EntryPicturePath(entry))
            return entry;
    return 0;
}

void TestQuiz::openQuiz(const QList<double> &draws)
{
    m_test->random.values.assign(draws.begin(), draws.end());
    m_test->program.dispatch([this] { m_test->program.open(ScreenName::Quiz); });
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

// Clicks, by mouse, the right tile or the tile of the next entry.
void TestQuiz::answer(bool right)
{
    const int entry = shownEntry();
    Label *clicked = tile(right ? entry - 1 : entry % ContentPack::EntryCount);
    QCOMPARE(clickAt(form(), centreOf(clicked)), clicked);
}

void TestQuiz::tick(const char *timer)
{
    QVERIFY(form()->timer(timer)->isTicking());
    emit form()->timer(timer)->tick();
}

void TestQuiz::endPause()
{
    m_test->clock.now += 3.0;
    tick("Timer2");
}

void TestQuiz::playGame(int rightAnswers)
{
    openQuiz();
    for (int question = 0; question < ContentPack::EntryCount; ++question) {
        answer(question < rightAnswers);
        endPause();
    }
}

void TestQuiz::openingPutsUpTheFirstQuestion()
{
    openQuiz({drawOf(7)});
    QCOMPARE(shownEntry(), 7);
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    QCOMPARE(caption("Label5"), QString());
    const Image *picture = form()->image("Image3");
    QCOMPARE(picture->leftTwips(), 1050 + (2655 - picture->widthTwips()) / 2);
    QCOMPARE(picture->topTwips(), 1800 + (2760 - picture->heightTwips()) / 2);
    QCOMPARE(m_test->sounds.calls,
             QStringList({sound("MediaPlayer1", ContentPack::EntrySound), "MediaPlayer1 Stop",
                          "MediaPlayer2 SetProperty1030 1", "MediaPlayer1 Play"}));
    for (const char *hidden : {"Image4", "Image5", "Image6"})
        QVERIFY(!form()->image(hidden)->isVisible());
    QVERIFY(!form()->label("Label10")->isVisible());
    QCOMPARE(form()->focusWidget(), form()->button("Command1"));
}

void TestQuiz::drawWalksForwardToAnUnaskedEntry_data()
{
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("expected");
    QList<int> allBut30;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (entry != 30)
            allBut30 << entry;
    QTest::newRow("past a run") << QList<int>{5, 6, 7} << drawOf(5) << 8;
    QTest::newRow("60 asked goes on at 1") << QList<int>{60} << drawOf(60) << 1;
    QTest::newRow("60 and 1 asked") << QList<int>{1, 60} << drawOf(60) << 2;
    QTest::newRow("59 asked, 0 drawn") << allBut30 << 0.0 << 30;
    QTest::newRow("59 asked, 31 drawn") << allBut30 << drawOf(31) << 30;
    QTest::newRow("59 asked, top drawn") << allBut30 << 0.9999 << 30;
}

void TestQuiz::drawWalksForwardToAnUnaskedEntry()
{
    QFETCH(QList<int>, asked);
    QFETCH(double, draw);
    QFETCH(int, expected);
    QList<double> draws;
    for (int entry : asked)
        draws << drawOf(entry);
    openQuiz(draws << draw);
    for (int entry : asked) {
        QCOMPARE(shownEntry(), entry);
        answer(true);
        endPause();
    }
    QCOMPARE(shownEntry(), expected);
}

void TestQuiz::wholeGameByMouseAsksEveryEntryOnce()
{
    std::mt19937 engine(2024);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    QList<double> draws;
    for (int question = 0; question < ContentPack::EntryCount; ++question)
        draws << uniform(engine);
    openQuiz(draws);
    QSet<int> asked;
    for (int question = 1; question <= ContentPack::EntryCount; ++question) {
        asked << shownEntry();
        QCOMPARE(caption("Label3"), QString::number(ContentPack::EntryCount - question));
        m_test->clock.now = 40000.0 + 10 * question;
        answer(true);
        QCOMPARE(m_test->sounds.calls.last(), sound("MediaPlayer2", ContentPack::RightSound));
        QCOMPARE(caption("Label5"), QStringLiteral("100"));
        m_test->clock.now += 2.0;
        tick("Timer2"); // exactly two seconds are not yet over
        QVERIFY(form()->image("Image4")->isVisible());
        m_test->clock.now += 0.1;
        tick("Timer2");
    }
    QCOMPARE(asked.size(), ContentPack::EntryCount);
    QVERIFY(!asked.contains(0));
    QCOMPARE(m_test->random.reseeds, ContentPack::EntryCount);
    QCOMPARE(form()->image("Image5")->pictureSource(), ContentPath(ContentPack::GoldMedal));
}

void TestQuiz::rateIsTheIntegerPart_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("rate");
    QTest::newRow("right") << "R"
                           << "100";
    QTest::newRow("wrong") << "W"
                           << "0";
    QTest::newRow("1 of 3") << "RWW"
                            << "33";
    QTest::newRow("2 of 3") << "WRR"
                            << "66";
}

void TestQuiz::rateIsTheIntegerPart()
{
    QFETCH(QString, answers);
    QFETCH(QString, rate);
    openQuiz();
    for (qsizetype question = 0; question < answers.size(); ++question) {
        if (question > 0)
            endPause();
        answer(answers[question] == 'R');
    }
    QCOMPARE(caption("Label5"), rate);
}

void TestQuiz::resultIsGradedByTheRate_data()
{
    QTest::addColumn<int>("rightAnswers");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("medal");
    QTest::newRow("54: gold") << 54 << "90" << ContentPack::GoldMedal;
    QTest::newRow("53: silver") << 53 << "88" << ContentPack::SilverMedal;
    QTest::newRow("45: silver") << 45 << "75" << ContentPack::SilverMedal;
    QTest::newRow("44: copper") << 44 << "73" << ContentPack::CopperMedal;
    QTest::newRow("30: copper") << 30 << "50" << ContentPack::CopperMedal;
    QTest::newRow("29: fail") << 29 << "48" << QString();
}

void TestQuiz::resultIsGradedByTheRate()
{
    QFETCH(int, rightAnswers);
    QFETCH(QString, rate);
    QFETCH(QString, medal);
    playGame(rightAnswers);
    QCOMPARE(caption("Label5"), rate);
    QVERIFY(form()->image("Image6")->isVisible());
    const bool passed = !medal.isEmpty();
    QCOMPARE(m_test->sounds.calls.last(),
             sound("MediaPlayer2", passed ? ContentPack::PassSound : ContentPack::FailSound));
    QCOMPARE(form()->image("Image5")->isVisible(), passed);
    QCOMPARE(form()->label("Label10")->isVisible(), !passed);
    if (passed)
        QCOMPARE(form()->image("Image5")->pictureSource(), ContentPath(medal));
}

void TestQuiz::rightTileClickedTwiceScoresOnce()
{
    openQuiz({drawOf(1)});
    answer(true);
    QCOMPARE(form()->image("Image4")->pictureSource(), ContentPath(ContentPack::RightMark));
    m_test->clock.now += 1.4;
    answer(true);
    QCOMPARE(form()->image("Image4")->pictureSource(), ContentPath(ContentPack::WrongMark));
    QCOMPARE(m_test->sounds.calls.last(), sound("MediaPlayer2", ContentPack::WrongSound));
    QCOMPARE(tile(0)->backColor(), Red);
    QCOMPARE(caption("Label5"), QStringLiteral("100"));

    m_test->clock.now += 1.2; // 2.6 s after the first click, 1.6 s after the second
    tick("Timer2");
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    m_test->clock.now += 0.5;
    tick("Timer2");
    QCOMPARE(caption("Label3"), QStringLiteral("58"));
    QVERIFY(!form()->image("Image4")->isVisible());
    QCOMPARE(tile(0)->backColor(), TileColor);
}

void TestQuiz::hoverLightsTheTileUnderTheMouse()
{
    openQuiz();
    QCOMPARE(moveTo(form(), centreOf(tile(3))), tile(3));
    QCOMPARE(tile(3)->backColor(), Red);
    moveTo(form(), centreOf(tile(4)));
    QCOMPARE(tile(3)->backColor(), TileColor);
    QCOMPARE(tile(4)->backColor(), Red);

    QCOMPARE(moveTo(form(), centreOf(form()->image("Image3"))), form()->image("Image3"));
    QCOMPARE(tile(4)->backColor(), Red);

    const QPoint betweenColumns(432, centreOf(tile(4)).y());
    QVERIFY(!qobject_cast<Control *>(moveTo(form(), betweenColumns)));
    QCOMPARE(tile(4)->backColor(), TileColor);
    moveTo(form(), centreOf(tile(4)));
    QCOMPARE(tile(4)->backColor(), Red);
}

void TestQuiz::boardRestsAfterTheResultUntilARestart()
{
    playGame(0);
    const QStringList calls = m_test->sounds.calls;
    QCOMPARE(clickAt(form(), centreOf(tile(0))), form()->image("Image6"));
    QCOMPARE(moveTo(form(), centreOf(tile(59))), form()->image("Image6"));
    QCOMPARE(tile(0)->backColor(), TileColor);
    QCOMPARE(tile(59)->backColor(), TileColor);
    QCOMPARE(m_test->sounds.calls, calls);
    QVERIFY(!form()->timer("Timer2")->isTicking());

    Label *banner = form()->label("Label10");
    QCOMPARE(clickAt(form(), centreOf(banner)), banner);
    QVERIFY(!banner->isVisible());
    QVERIFY(!form()->image("Image6")->isVisible());
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    QCOMPARE(caption("Label5"), QString());
    QCOMPARE(m_test->sounds.calls.last(), QStringLiteral("MediaPlayer1 Play"));
    answer(true);
    QCOMPARE(caption("Label5"), QStringLiteral("100"));
}

// A restart stops the pause of the old game's last answer, so the new
// game's first question stays up until it is answered.
void TestQuiz::restartDuringThePauseKeepsTheNewQuestion()
{
    openQuiz({drawOf(1), drawOf(2)});
    answer(true);
    m_test->clock.now += 1.0;
    Image *banner = form()->image("Image2");
    QCOMPARE(clickAt(form(), centreOf(banner)), banner);
    QVERIFY(!form()->timer("Timer2")->isTicking());
    QVERIFY(!form()->image("Image4")->isVisible());
    QCOMPARE(tile(0)->backColor(), TileColor);
    QCOMPARE(shownEntry(), 2);
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    QCOMPARE(caption("Label5"), QString());

    m_test->clock.now += 10.0;
    answer(true);
    QCOMPARE(caption("Label5"), QStringLiteral("100"));
}

void TestQuiz::lastLeaveClickWins()
{
    openQuiz();
    clickAt(form(), centreOf(form()->button("Command2")));
    m_test->clock.now += 1.0;
    clickAt(form(), centreOf(form()->button("Command1")));
    QCOMPARE(m_test->sounds.calls.mid(m_test->sounds.calls.size() - 2),
             QStringList(2, sound("MediaPlayer2", ContentPack::ButtonSound)));

    m_test->clock.now += 1.6; // 2.6 s after the first click
    tick("Timer1");
    QVERIFY(m_test->program.screen(ScreenName::Quiz).isOpen());
    m_test->clock.now += 0.5;
    tick("Timer1");
    QVERIFY(!m_test->program.screen(ScreenName::Quiz).isOpen());
    QVERIFY(m_test->program.screen(ScreenName::PictureBook).isOpen());
    QVERIFY(!m_test->program.hasInstance(ScreenName::Menu));
}

// The board comes after Command1 and Command2 in the Tab order. The first
// arrow lights tile 0; the arrows move over the columns and stop at their
// edges, and the focus and the Tab stop go with the lit tile.
void TestQuiz::boardIsOneTabStopWhoseArrowsLightLikeTheMouse()
{
    openQuiz();
    QCOMPARE(QApplication::focusWidget(), form()->button("Command1"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form()->button("Command2"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tile(0));
    QCOMPARE(litTile(), -1);

    const QList<QPair<Qt::Key, int>> moves{
        {Qt::Key_Down, 0},   {Qt::Key_Up, 0},     {Qt::Key_Left, 0},   {Qt::Key_Down, 1},
        {Qt::Key_Right, 21}, {Qt::Key_Right, 41}, {Qt::Key_Right, 41}, {Qt::Key_Left, 21},
        {Qt::Key_Up, 20},    {Qt::Key_Up, 20},    {Qt::Key_Left, 0}};
    for (const auto &[key, expected] : moves) {
        press(key);
        QCOMPARE(litTile(), expected);
        QCOMPARE(QApplication::focusWidget(), tile(expected));
    }
    lightByKeys(59);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    QCOMPARE(litTile(), 59);
    QCOMPARE(tile(58)->backColor(), TileColor);

    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form()->button("Command2"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tile(59));

    // The mouse and the keys light the same one tile.
    moveTo(form(), centreOf(tile(5)));
    QCOMPARE(litTile(), 5);
    press(Qt::Key_Down);
    QCOMPARE(litTile(), 6);
}

// Enter and Space answer the lit tile with the same marks, counts and sounds
// as a click on it.
void TestQuiz::enterAnswersTheLitTileAsAClickDoes()
{
    openQuiz({drawOf(7), drawOf(8), drawOf(9)});
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    lightByKeys(6);
    QStringList before = m_test->sounds.calls;
    press(Qt::Key_Return);
    const QStringList byKey = m_test->sounds.calls.mid(before.size());
    QCOMPARE(caption("Label5"), QStringLiteral("100"));
    QVERIFY(form()->image("Image4")->isVisible());
    QVERIFY(form()->timer("Timer2")->isTicking());
    endPause();

    before = m_test->sounds.calls;
    answer(true);
    QCOMPARE(m_test->sounds.calls.mid(before.size()), byKey);
    endPause();

    QCOMPARE(shownEntry(), 9);
    lightByKeys(0);
    press(Qt::Key_Space);
    QCOMPARE(caption("Label5"), QStringLiteral("66"));
    QCOMPARE(caption("Label3"), QStringLiteral("57"));
}

// While the result covers the board the keys answer nothing. With the focus
// on the board at the last answer, a fail moves it to the fail banner, where
// Enter starts a new game; F5 starts one at any time.
void TestQuiz::keysAnswerNothingUnderTheResultAndRestartIt()
{
    openQuiz();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    int lastLit = 0;
    for (int question = 0; question < ContentPack::EntryCount; ++question) {
        lastLit = shownEntry() % ContentPack::EntryCount;
        lightByKeys(lastLit);
        press(Qt::Key_Return);
        endPause();
    }
    Label *banner = form()->label("Label10");
    QVERIFY(banner->isVisible());
    QCOMPARE(QApplication::focusWidget(), banner);
    const QStringList calls = m_test->sounds.calls;
    tile(0)->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Space})
        press(key);
    QCOMPARE(m_test->sounds.calls, calls);
    QCOMPARE(caption("Label3"), QStringLiteral("0"));

    banner->setFocus();
    press(Qt::Key_Return);
    QVERIFY(!banner->isVisible());
    QVERIFY(!form()->image("Image6")->isVisible());
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    QCOMPARE(QApplication::focusWidget(), tile(lastLit));

    answer(true);
    QTest::keyClick(form(), Qt::Key_F5);
    QCOMPARE(caption("Label3"), QStringLiteral("59"));
    QCOMPARE(caption("Label5"), QString());
    QVERIFY(!form()->timer("Timer2")->isTicking());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
