#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "support/keys.h"
#include "support/mouse.h"
#include "support/recordedprogram.h"
#include "support/stubscreens.h"

#include <QTest>

class TestStampCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stampsAndCountFollowTheLearnedNames_data();
    void stampsAndCountFollowTheLearnedNames();
    void aGuestHasAnEmptyCard();
    void theCardLeavesForTheMenu_data();
    void theCardLeavesForTheMenu();

private:
    void open();
    Form *form() const { return m_test->program().screen(ScreenName::StampCard).form(); }
    Label *name(int index) const { return form()->labelArray("Label1")(index); }
    Image *stamp(int index) const { return form()->imageArray("Image1")(index); }

    QTemporaryDir m_data;
    std::unique_ptr<RecordedProgram> m_test;
};

void TestStampCard::initTestCase()
{
    DataPath = copyContentPack(m_data.path());
}

void TestStampCard::init()
{
    m_test = std::make_unique<RecordedProgram>();
    addScreensStubbingAllBut(m_test->program(), ScreenName::StampCard);
}

void TestStampCard::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

void TestStampCard::open()
{
    Program &program = m_test->program();
    program.dispatch([&program] { program.open(ScreenName::StampCard); });
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

void TestStampCard::stampsAndCountFollowTheLearnedNames_data()
{
    QTest::addColumn<QList<int>>("learned");
    QTest::addColumn<QList<int>>("almost");
    QTest::newRow("none yet") << QList<int>{} << QList<int>{5};
    QTest::newRow("three") << QList<int>{3, 17, 60} << QList<int>{5, 18};
    QList<int> all;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        all << entry;
    QTest::newRow("all") << all << QList<int>{};
}

// A name three right answers up is one box short of learned; a wrong answer
// takes a learned name back to the first box.
void TestStampCard::stampsAndCountFollowTheLearnedNames()
{
    QFETCH(QList<int>, learned);
    QFETCH(QList<int>, almost);
    const Learner learner = m_test->addLearner(QStringLiteral("はなこ"), 12);
    m_test->records().choosePlayer(learner);
    m_test->answer(GameKind::Full, rightAnswers(learned));
    QList<GivenAnswer> almostLearned;
    for (int entry : almost)
        for (int times = 1; times < Leitner::LearnedBox; ++times)
            almostLearned << GivenAnswer{.entry = entry, .answer = entry, .correct = true};
    m_test->answer(GameKind::Review, almostLearned);
    if (!learned.isEmpty() && !almost.isEmpty()) {
        m_test->answer(
            GameKind::Review,
            rightAnswers({almost.first()}) +
                QList<GivenAnswer>{{.entry = learned.first(), .answer = 1, .correct = false}});
        learned.removeFirst();
        learned << almost.takeFirst();
    }
    open();

    const QString count = QStringLiteral("%1 / 60").arg(learned.size());
    QCOMPARE(form()->label("Label3")->caption(), count);
    QCOMPARE(form()->label("Label3")->accessibleName(), "おぼえた花 " + count);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const QString flower = ContentPack::BoardNames.at(size_t(entry - 1)).toString();
        const bool stamped = learned.contains(entry);
        QVERIFY2(stamp(entry - 1)->isVisible() == stamped, qPrintable(flower));
        QCOMPARE(name(entry - 1)->caption(), flower);
        QCOMPARE(name(entry - 1)->accessibleName(), stamped ? flower + "、おぼえた" : flower);
    }
    QCOMPARE(form()->label("Label80")->caption(), QStringLiteral("はなこ"));
}

void TestStampCard::aGuestHasAnEmptyCard()
{
    const Learner learner = m_test->addLearner(QStringLiteral("はなこ"), 12);
    m_test->records().choosePlayer(learner);
    m_test->answer(GameKind::Full, rightAnswers({1, 2}));
    m_test->records().choosePlayer(std::nullopt);
    open();
    QCOMPARE(form()->label("Label3")->caption(), QStringLiteral("0 / 60"));
    for (int index = 0; index < ContentPack::EntryCount; ++index)
        QVERIFY(!stamp(index)->isVisible());
    QCOMPARE(form()->label("Label80")->caption(), QStringLiteral("おきゃくさん"));
}

void TestStampCard::theCardLeavesForTheMenu_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("button clicked") << 0;
    QTest::newRow("Enter on the button") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestStampCard::theCardLeavesForTheMenu()
{
    QFETCH(int, way);
    open();
    CommandButton *button = form()->button("Command1");
    QCOMPARE(form()->focusWidget(), button);
    m_test->sounds.calls.clear();
    if (way == 0)
        QCOMPARE(clickAt(form(), centreOf(button)), button);
    else
        press(Qt::Key(way));
    QCOMPARE(m_test->sounds.calls, QStringList{"MediaPlayer1 Play"});
    Timer *timer = form()->timer("Timer1");
    m_test->clock.now += 2.0;
    emit timer->tick();
    QVERIFY(m_test->program().screen(ScreenName::StampCard).isOpen());
    m_test->clock.now += 1.0;
    emit timer->tick();
    QVERIFY(!m_test->program().screen(ScreenName::StampCard).isOpen());
    QVERIFY(m_test->program().screen(ScreenName::Menu).isOpen());
}

QTEST_MAIN(TestStampCard)
#include "tst_stampcard.moc"
