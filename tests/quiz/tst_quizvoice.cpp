#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/quiz/quizscreen.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/stubscreens.h"
#include "support/tone.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AnswerSound = QStringLiteral("MediaPlayer2");
const QString Voice = QStringLiteral("MediaPlayer3");

// The random number that draws the entry straight away.
double drawOf(int entry)
{
    return (entry - 0.5) / 60;
}

QString voiceOf(int entry)
{
    return Voice + " SetFile " + EntryVoicePath(entry);
}

} // namespace

// The right name's voice after an answer, with the recording sound fake and
// the fake clock: the order of the sounds, and how long the answer pause
// lasts. The first click comes at 10:00:00.0, so the pause's own wait ends
// at the first tick after 10:00:02.0.
class TestQuizVoice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void packWithoutVoicesSoundsAsBefore();
    void rightNamesVoiceFollowsTheMarksSound_data();
    void rightNamesVoiceFollowsTheMarksSound();
    void pauseWaitsForTheVoiceToEnd();
    void pauseWaitsAtMostTwoSecondsMore();
    void voiceEndedEarlyLeavesThePauseAsItWas();
    void entryWithoutVoiceLeavesThePauseAsItWas();
    void laterClickStartsTheVoiceAfresh();
    void leavingOrRestartingDropsTheVoiceToCome_data();
    void leavingOrRestartingDropsTheVoiceToCome();

private:
    Form *form() const { return m_test->program.screen(ScreenName::Quiz).form(); }
    void addVoices(const QList<int> &entries);
    void openQuiz(int first, int second);
    void clickTile(int entry);
    // Lets the clock run to the second after 10:00:00 and ticks the pause.
    void tickAt(double seconds);
    bool pauseRuns() const { return form()->timer("Timer2")->isTicking(); }
    int shownEntry() const;
    QStringList &calls() { return m_test->sounds.calls; }

    std::unique_ptr<TestProgram> m_test;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestQuizVoice::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    DataPath = copyContentPack(m_data->path());
    m_test = std::make_unique<TestProgram>();
    addScreensStubbingAllBut(m_test->program, ScreenName::Quiz);
}

void TestQuizVoice::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

void TestQuizVoice::addVoices(const QList<int> &entries)
{
    QVERIFY(QDir().mkpath(ContentPath(ContentPack::VoicesFolder)));
    for (int entry : entries)
        QVERIFY(writeToneWav(EntryVoicePath(entry), 2500, 0.3));
}

void TestQuizVoice::openQuiz(int first, int second)
{
    m_test->random.values = {drawOf(first), drawOf(second)};
    m_test->program.dispatch([this] { m_test->program.open(ScreenName::Quiz); });
    QVERIFY(QTest::qWaitForWindowExposed(form()));
    calls().clear();
}

void TestQuizVoice::clickTile(int entry)
{
    Label *tile = form()->labelArray("Label1")(int16_t(entry - 1));
    QCOMPARE(clickAt(form(), centreOf(tile)), tile);
}

void TestQuizVoice::tickAt(double seconds)
{
    m_test->clock.now = 36000.0 + seconds;
    QVERIFY(pauseRuns());
    emit form()->timer("Timer2")->tick();
}

int TestQuizVoice::shownEntry() const
{
    const QString source = form()->image("Image3")->pictureSource();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (source == EntryPicturePath(entry))
            return entry;
    return 0;
}

void TestQuizVoice::packWithoutVoicesSoundsAsBefore()
{
    openQuiz(7, 8);
    clickTile(7);
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    tickAt(2.5);
    QCOMPARE(shownEntry(), 8);
    QCOMPARE(calls(), (QStringList{"MediaPlayer2 SetFile " + ContentPath(ContentPack::RightSound),
                                   "MediaPlayer1 Play"}));
}

void TestQuizVoice::rightNamesVoiceFollowsTheMarksSound_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("mark");
    QTest::newRow("right") << 7 << ContentPack::RightSound;
    QTest::newRow("wrong") << 9 << ContentPack::WrongSound;
}

void TestQuizVoice::rightNamesVoiceFollowsTheMarksSound()
{
    QFETCH(int, clicked);
    QFETCH(QString, mark);
    addVoices({7, 9});
    openQuiz(7, 8);
    clickTile(clicked);
    QCOMPARE(calls(),
             (QStringList{"MediaPlayer2 SetFile " + ContentPath(mark), "MediaPlayer3 Stop"}));
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    QCOMPARE(calls().last(), voiceOf(7));
    QVERIFY(m_test->sounds.endSound(Voice));
    tickAt(2.5);
    QCOMPARE(shownEntry(), 8);
    QCOMPARE(calls().last(), QStringLiteral("MediaPlayer1 Play"));
    QCOMPARE(calls().filter("MediaPlayer3 SetFile").size(), 1);
}

void TestQuizVoice::pauseWaitsForTheVoiceToEnd()
{
    addVoices({7});
    openQuiz(7, 8);
    clickTile(7);
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    for (double at : {2.5, 3.0, 3.5}) {
        tickAt(at);
        QVERIFY(form()->image("Image4")->isVisible());
        QCOMPARE(shownEntry(), 7);
    }
    QVERIFY(m_test->sounds.endSound(Voice));
    tickAt(3.6);
    QVERIFY(!pauseRuns());
    QVERIFY(!form()->image("Image4")->isVisible());
    QCOMPARE(shownEntry(), 8);
}

// A voice that never ends, or a mark's sound that never does, holds the
// pause for 2 s after its own wait and no longer.
void TestQuizVoice::pauseWaitsAtMostTwoSecondsMore()
{
    addVoices({7, 8});
    openQuiz(7, 8);
    clickTile(7);
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    tickAt(2.5);
    tickAt(4.4);
    QCOMPARE(shownEntry(), 7);
    tickAt(4.5);
    QCOMPARE(shownEntry(), 8);

    clickTile(8);
    m_test->clock.now += 2.5;
    emit form()->timer("Timer2")->tick();
    m_test->clock.now += 1.9;
    emit form()->timer("Timer2")->tick();
    QVERIFY(pauseRuns());
    m_test->clock.now += 0.1;
    emit form()->timer("Timer2")->tick();
    QVERIFY(!pauseRuns());
    QVERIFY(!calls().contains(voiceOf(8)));
}

void TestQuizVoice::voiceEndedEarlyLeavesThePauseAsItWas()
{
    addVoices({7});
    openQuiz(7, 8);
    clickTile(7);
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    QVERIFY(m_test->sounds.endSound(Voice));
    tickAt(1.5);
    tickAt(2.0);
    QCOMPARE(shownEntry(), 7);
    tickAt(2.1);
    QCOMPARE(shownEntry(), 8);
}

void TestQuizVoice::entryWithoutVoiceLeavesThePauseAsItWas()
{
    addVoices({8});
    openQuiz(7, 8);
    clickTile(7);
    QCOMPARE(calls().last(), QStringLiteral("MediaPlayer3 Stop"));
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    QVERIFY(!m_test->sounds.isSounding(Voice));
    tickAt(2.1);
    QCOMPARE(shownEntry(), 8);
}

// A click during the pause is judged again with its own mark's sound: the
// voice that sounded stops and follows that sound anew.
void TestQuizVoice::laterClickStartsTheVoiceAfresh()
{
    addVoices({7});
    openQuiz(7, 8);
    clickTile(7);
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    m_test->clock.now += 1.0;
    clickTile(1);
    QVERIFY(!m_test->sounds.isSounding(Voice));
    QVERIFY(m_test->sounds.endSound(AnswerSound));
    QVERIFY(m_test->sounds.isSounding(Voice));
    QCOMPARE(calls().filter("MediaPlayer3 SetFile").size(), 2);
    tickAt(3.5); // the second click's own wait is not yet over
    QCOMPARE(shownEntry(), 7);
    QVERIFY(m_test->sounds.endSound(Voice));
    tickAt(3.6);
    QCOMPARE(shownEntry(), 8);
}

void TestQuizVoice::leavingOrRestartingDropsTheVoiceToCome_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("leaving for the picture book") << "Command1";
    QTest::newRow("a new game from the title") << "Image2";
}

void TestQuizVoice::leavingOrRestartingDropsTheVoiceToCome()
{
    QFETCH(QString, control);
    addVoices({7});
    openQuiz(7, 8);
    clickTile(7);
    m_test->clock.now += 0.5;
    QVERIFY(clickAt(form(), centreOf(form()->findChild<QWidget *>(control))));
    m_test->sounds.endSound(AnswerSound);
    QVERIFY(calls().filter("MediaPlayer3 SetFile").isEmpty());
}

QTEST_MAIN(TestQuizVoice)
#include "tst_quizvoice.moc"
