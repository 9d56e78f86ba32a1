#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/menu/menulayout.h"
#include "support/fakes.h"
#include "support/keys.h"
#include "support/mouse.h"
#include "support/recordedprogram.h"
#include "support/stubscreens.h"

#include <QTest>

// The menu when records are kept, and that it is as laid out without them.
class TestRecordsMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void withoutRecordsTheMenuHasNothingMore();
    void showsWhoIsPlaying_data();
    void showsWhoIsPlaying();
    void buttonsLeadToTheirScreens_data();
    void buttonsLeadToTheirScreens();
    void theNewButtonsLieClearOfTheOthers();

private:
    void open();
    Form *menu() const { return m_test->program().screen(ScreenName::Menu).form(); }

    QTemporaryDir m_data;
    std::unique_ptr<RecordedProgram> m_test;
};

void TestRecordsMenu::initTestCase()
{
    DataPath = copyContentPack(m_data.path());
}

void TestRecordsMenu::cleanup()
{
    if (m_test)
        QVERIFY(m_test->errors.messages.isEmpty());
    m_test.reset();
    flushDeletedWindows();
}

void TestRecordsMenu::open()
{
    Program &program = m_test->program();
    addScreensStubbingAllBut(program, ScreenName::Menu);
    program.dispatch([&program] { program.open(ScreenName::Menu); });
    QVERIFY(QTest::qWaitForWindowExposed(menu()));
}

void TestRecordsMenu::withoutRecordsTheMenuHasNothingMore()
{
    TestProgram plain;
    addScreensStubbingAllBut(plain.program, ScreenName::Menu);
    plain.program.dispatch([&plain] { plain.program.open(ScreenName::Menu); });
    const Form *form = plain.program.screen(ScreenName::Menu).form();
    QCOMPARE(form->controls().size(), 10);
    for (const char *absent : {"Command4", "Command5", "Command6", "Label80", "Image80"})
        QVERIFY(!form->findChild<QWidget *>(absent));
    QCOMPARE(form->layoutArea().size(), QSize(687, 491));
    QCOMPARE(plain.sounds.calls.size(), 2);
    plain.program.screen(ScreenName::Menu).close();
    flushDeletedWindows();
}

void TestRecordsMenu::showsWhoIsPlaying_data()
{
    QTest::addColumn<bool>("guest");
    QTest::newRow("a learner") << false;
    QTest::newRow("a guest") << true;
}

void TestRecordsMenu::showsWhoIsPlaying()
{
    QFETCH(bool, guest);
    m_test = std::make_unique<RecordedProgram>();
    const Learner learner = m_test->addLearner(QStringLiteral("さくら"), 20);
    if (!guest)
        m_test->records().choosePlayer(learner);
    open();
    const Label *name = menu()->label("Label80");
    QCOMPARE(name->caption(), guest ? QStringLiteral("おきゃくさん") : learner.name);
    QCOMPARE(name->accessibleName(), "あそんでいる人: " + name->caption());
    const Image *mark = menu()->image("Image80");
    QVERIFY(mark->hasPicture());
    // The mark is centred in its square below the menu.
    QVERIFY(mark->topTwips() >= 7365);
    QCOMPARE(menu()->layoutArea().size(), QSize(687, 491 + 36));
    QCOMPARE(menu()->focusWidget(), menu()->button("Command1"));
}

void TestRecordsMenu::buttonsLeadToTheirScreens_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("review by mouse") << "Command4" << -1 << ScreenName::Review << "おさらい";
    QTest::newRow("stamp card by mouse")
        << "Command5" << -1 << ScreenName::StampCard << "おぼえた花";
    QTest::newRow("learners by mouse")
        << "Command6" << -1 << ScreenName::Learners << "だれが あそぶ？";
    QTest::newRow("review by keys") << "Command4" << 3 << ScreenName::Review << "おさらい";
    QTest::newRow("stamp card by keys") << "Command5" << 4 << ScreenName::StampCard << "おぼえた花";
    QTest::newRow("learners by keys")
        << "Command6" << 5 << ScreenName::Learners << "だれが あそぶ？";
}

void TestRecordsMenu::buttonsLeadToTheirScreens()
{
    QFETCH(QString, button);
    QFETCH(int, tabs);
    QFETCH(QString, screen);
    QFETCH(QString, spoken);
    m_test = std::make_unique<RecordedProgram>();
    open();
    CommandButton *target = menu()->button(button);
    QCOMPARE(target->accessibleName(), spoken);
    m_test->sounds.calls.clear();
    if (tabs < 0) {
        QCOMPARE(clickAt(menu(), centreOf(target)), target);
    } else {
        for (int tab = 0; tab < tabs; ++tab)
            press(Qt::Key_Tab);
        QCOMPARE(menu()->focusWidget(), target);
        press(Qt::Key_Space);
    }
    QCOMPARE(m_test->sounds.calls, QStringList{"MediaPlayer1 Play"});
    QVERIFY(menu()->image("Image5")->isVisible());
    m_test->clock.now += 3.0;
    emit menu()->timer("Timer1")->tick();
    QVERIFY(!m_test->program().screen(ScreenName::Menu).isOpen());
    QVERIFY(m_test->program().screen(screen).isOpen());
}

// Every button and the strip lie clear of each other and inside the window,
// and a click on each reaches it, in front of the pictures.
void TestRecordsMenu::theNewButtonsLieClearOfTheOthers()
{
    m_test = std::make_unique<RecordedProgram>();
    open();
    QList<QWidget *> front;
    for (int button = 1; button <= 6; ++button)
        front << menu()->button(QStringLiteral("Command%1").arg(button));
    front << menu()->label("Label80") << menu()->image("Image80");
    const QRect window(QPoint(0, 0), menu()->layoutArea().size());
    for (QWidget *one : front) {
        QVERIFY2(window.contains(one->geometry()), qPrintable(one->objectName()));
        for (QWidget *other : front)
            QVERIFY(one == other || !one->geometry().intersects(other->geometry()));
    }
    for (int button = 4; button <= 6; ++button) {
        CommandButton *target = menu()->button(QStringLiteral("Command%1").arg(button));
        QCOMPARE(clickAt(menu(), centreOf(target)), target);
    }
}

QTEST_MAIN(TestRecordsMenu)
#include "tst_recordsmenu.moc"
