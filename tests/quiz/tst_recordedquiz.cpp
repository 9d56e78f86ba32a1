#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "support/keys.h"
#include "support/mouse.h"
#include "support/recordedprogram.h"
#include "support/stubscreens.h"

#include <QApplication>
#include <QSet>
#include <QTest>

namespace {

// The random number that draws the entry straight away.
double drawOf(int entry)
{
    return (entry - 0.5) / 60;
}

QString sound(const QString &file)
{
    return "MediaPlayer2 SetFile " + ContentPath(file);
}

// Wrong answers to the first entries, which leaves them due at once.
QList<GivenAnswer> missed(int entries)
{
    QList<GivenAnswer> answers;
    for (int entry = 1; entry <= entries; ++entry)
        answers << GivenAnswer{.entry = entry, .answer = entry % 60 + 1, .correct = false};
    return answers;
}

} // namespace

// The quiz and the review game with records kept in a real store.
class TestRecordedQuiz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wholeGameByKeysKeepsSixtyAnswers();
    void onlyTheFirstAnswerToAQuestionIsKept();
    void aGuestsAnswersAreNotKept();
    void reviewAsksTheChosenNamesInTheirOrder();
    void reviewIsGradedAsTheFullGame_data();
    void reviewIsGradedAsTheFullGame();
    void reviewRestartAsksWhatIsDueThen();
    void aFirstReviewAsksOnlyNewNames();

private:
    Form *form() const { return m_test->program().screen(m_screen).form(); }
    const ControlArray<Label> &board() const { return form()->labelArray("Label1"); }
    QString caption(const char *label) const { return form()->label(label)->caption(); }
    int shownEntry() const;
    void open(const QString &screen, const QList<double> &draws = {});
    void answerByKeys(bool right);
    void endPause();

    QTemporaryDir m_data;
    std::unique_ptr<RecordedProgram> m_test;
    Learner m_learner;
    QString m_screen;
};

void TestRecordedQuiz::initTestCase()
{
    DataPath = copyContentPack(m_data.path());
}

void TestRecordedQuiz::init()
{
    m_test = std::make_unique<RecordedProgram>();
    m_learner = m_test->addLearner(QStringLiteral("たろう"), 44);
    m_test->records().choosePlayer(m_learner);
    addScreensStubbingAllBut(m_test->program(), {ScreenName::Quiz, ScreenName::Review});
}

void TestRecordedQuiz::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

int TestRecordedQuiz::shownEntry() const
{
    const QString source = form()->image("Image3")->pictureSource();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (source == EntryPicturePath(entry))
            return entry;
    return 0;
}

void TestRecordedQuiz::open(const QString &screen, const QList<double> &draws)
{
    m_screen = screen;
    m_test->random.values.assign(draws.begin(), draws.end());
    Program &program = m_test->program();
    program.dispatch([&program, screen] { program.open(screen); });
    QVERIFY(QTest::qWaitForWindowExposed(form()));
    QCOMPARE(caption("Label80"),
             m_test->records().player() ? m_learner.name : QStringLiteral("おきゃくさん"));
}

// The board is reached by Tab from the two buttons; the arrows light the
// tile and Enter answers it.
void TestRecordedQuiz::answerByKeys(bool right)
{
    const int entry = shownEntry();
    if (!qobject_cast<Label *>(QApplication::focusWidget())) {
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
    }
    lightTileByKeys(board(), right ? entry - 1 : entry % ContentPack::EntryCount);
    press(Qt::Key_Return);
}

void TestRecordedQuiz::endPause()
{
    m_test->clock.now += 3.0;
    Timer *pause = form()->timer("Timer2");
    QVERIFY(pause->isTicking());
    emit pause->tick();
}

void TestRecordedQuiz::wholeGameByKeysKeepsSixtyAnswers()
{
    open(ScreenName::Quiz);
    QList<StoredAnswer> expected;
    for (int question = 0; question < ContentPack::EntryCount; ++question) {
        const int entry = shownEntry();
        const bool right = question % 3 != 0;
        answerByKeys(right);
        // Kept as soon as it is judged, before the next question is drawn.
        QCOMPARE(m_test->storedAnswers().size(), question + 1);
        expected << StoredAnswer{.learner = m_learner.name,
                                 .entry = entry,
                                 .answer = right ? entry : entry % ContentPack::EntryCount + 1,
                                 .correct = right,
                                 .kind = QStringLiteral("full"),
                                 .game = {}};
        endPause();
    }
    QVERIFY(form()->image("Image6")->isVisible());
    const QList<StoredAnswer> stored = m_test->storedAnswers();
    QCOMPARE(stored.size(), ContentPack::EntryCount);
    QSet<int> entries;
    for (int row = 0; row < stored.size(); ++row) {
        QCOMPARE(stored[row].learner, expected[row].learner);
        QCOMPARE(stored[row].entry, expected[row].entry);
        QCOMPARE(stored[row].answer, expected[row].answer);
        QCOMPARE(stored[row].correct, expected[row].correct);
        QCOMPARE(stored[row].kind, expected[row].kind);
        QCOMPARE(stored[row].game, stored.first().game);
        entries << stored[row].entry;
    }
    QCOMPARE(entries.size(), ContentPack::EntryCount);
}

void TestRecordedQuiz::onlyTheFirstAnswerToAQuestionIsKept()
{
    open(ScreenName::Quiz, {drawOf(5), drawOf(9)});
    clickAt(form(), centreOf(board()(4)));
    m_test->clock.now += 1.0;
    clickAt(form(), centreOf(board()(4)));
    clickAt(form(), centreOf(board()(7)));
    QCOMPARE(m_test->storedAnswers().size(), 1);
    endPause();
    QCOMPARE(shownEntry(), 9);
    clickAt(form(), centreOf(board()(0)));
    const QList<StoredAnswer> stored = m_test->storedAnswers();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[0].correct, true);
    QCOMPARE(stored[1].entry, 9);
    QCOMPARE(stored[1].answer, 1);
    QCOMPARE(stored[1].correct, false);
}

void TestRecordedQuiz::aGuestsAnswersAreNotKept()
{
    m_test->records().choosePlayer(std::nullopt);
    open(ScreenName::Quiz);
    answerByKeys(true);
    endPause();
    answerByKeys(false);
    QVERIFY(m_test->storedAnswers().isEmpty());
    QCOMPARE(caption("Label5"), QStringLiteral("50"));
}

void TestRecordedQuiz::reviewAsksTheChosenNamesInTheirOrder()
{
    // Names missed yesterday and names learned long ago.
    m_test->answer(GameKind::Full, rightAnswers({10, 20, 30}));
    m_test->answer(GameKind::Full, {{.entry = 4, .answer = 5, .correct = false},
                                    {.entry = 44, .answer = 1, .correct = false}});
    m_test->clock.now += 1.0;
    const QList<int> chosen = m_test->records().reviewEntries();
    QVERIFY(!chosen.isEmpty() && chosen.size() <= Leitner::ReviewSize);
    open(ScreenName::Review);
    QCOMPARE(form()->caption(), QStringLiteral("おさらい"));
    for (int question = 0; question < chosen.size(); ++question) {
        QCOMPARE(shownEntry(), chosen[question]);
        QCOMPARE(caption("Label3"), QString::number(chosen.size() - question - 1));
        clickAt(form(), centreOf(board()(chosen[question] - 1)));
        endPause();
    }
    QVERIFY(form()->image("Image6")->isVisible());
    QCOMPARE(m_test->random.reseeds, 0);
    const QList<StoredAnswer> stored = m_test->storedAnswers().mid(3 * Leitner::LearnedBox + 2);
    QCOMPARE(stored.size(), chosen.size());
    for (const StoredAnswer &answer : stored) {
        QCOMPARE(answer.kind, QStringLiteral("review"));
        QVERIFY(answer.correct);
    }
}

void TestRecordedQuiz::reviewIsGradedAsTheFullGame_data()
{
    QTest::addColumn<int>("wrongAnswers");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("medal");
    QTest::newRow("all right: gold") << 0 << "100" << ContentPack::GoldMedal;
    QTest::newRow("2 wrong: silver") << 2 << "80" << ContentPack::SilverMedal;
    QTest::newRow("4 wrong: copper") << 4 << "60" << ContentPack::CopperMedal;
    QTest::newRow("6 wrong: fail") << 6 << "40" << QString();
}

void TestRecordedQuiz::reviewIsGradedAsTheFullGame()
{
    QFETCH(int, wrongAnswers);
    QFETCH(QString, rate);
    QFETCH(QString, medal);
    m_test->answer(GameKind::Full, missed(12));
    open(ScreenName::Review);
    QCOMPARE(caption("Label3"), QString::number(Leitner::ReviewSize - 1));
    for (int question = 0; question < Leitner::ReviewSize; ++question) {
        answerByKeys(question >= wrongAnswers);
        QCOMPARE(
            m_test->sounds.calls.last(),
            sound(question >= wrongAnswers ? ContentPack::RightSound : ContentPack::WrongSound));
        endPause();
    }
    QCOMPARE(caption("Label5"), rate);
    const bool passed = !medal.isEmpty();
    QCOMPARE(m_test->sounds.calls.last(),
             sound(passed ? ContentPack::PassSound : ContentPack::FailSound));
    QCOMPARE(form()->image("Image5")->isVisible(), passed);
    QCOMPARE(form()->label("Label10")->isVisible(), !passed);
    if (passed)
        QCOMPARE(form()->image("Image5")->pictureSource(), ContentPath(medal));
    QCOMPARE(m_test->storedAnswers().size(), 12 + Leitner::ReviewSize);
}

// A learner who has never played gets the few new names a game takes.
void TestRecordedQuiz::aFirstReviewAsksOnlyNewNames()
{
    open(ScreenName::Review);
    QCOMPARE(caption("Label3"), QString::number(Leitner::NewNamesPerReview - 1));
    for (int question = 0; question < Leitner::NewNamesPerReview; ++question) {
        answerByKeys(true);
        endPause();
    }
    QCOMPARE(form()->image("Image5")->pictureSource(), ContentPath(ContentPack::GoldMedal));
}

// A new game from the banner chooses again, from the answers of the game
// before, and its answers are kept as a game of their own.
void TestRecordedQuiz::reviewRestartAsksWhatIsDueThen()
{
    m_test->answer(GameKind::Full, missed(12));
    open(ScreenName::Review);
    for (int question = 0; question < Leitner::ReviewSize; ++question) {
        answerByKeys(question % 2 == 0);
        endPause();
    }
    const QList<int> due = m_test->records().reviewEntries();
    clickAt(form(), centreOf(form()->image("Image2")));
    QVERIFY(!form()->image("Image5")->isVisible());
    QVERIFY(!form()->label("Label10")->isVisible());
    QCOMPARE(caption("Label3"), QString::number(due.size() - 1));
    for (int question = 0; question < 2; ++question) {
        QCOMPARE(shownEntry(), due.at(question));
        answerByKeys(true);
        endPause();
    }
    const QList<StoredAnswer> stored = m_test->storedAnswers();
    QCOMPARE(stored.size(), 12 + Leitner::ReviewSize + 2);
    QCOMPARE(stored.last().kind, QStringLiteral("review"));
    QVERIFY(stored.last().game != stored.at(12).game);
    QCOMPARE(stored.at(12).game, stored.at(12 + Leitner::ReviewSize - 1).game);
}

QTEST_MAIN(TestRecordedQuiz)
#include "tst_recordedquiz.moc"
