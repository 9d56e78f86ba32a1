#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/timer.h"
#include "screens/menu/menuscreen.h"
#include "screens/picture_book/picturebookscreen.h"
#include "screens/quiz/quizscreen.h"
#include "support/fakes.h"
#include "support/mouse.h"

#include <QApplication>
#include <QTest>

// The screens on the platform the test is started on: offscreen in the
// suite, and X11 or a Wayland compositor when the fresh-machine check runs
// it there. The windows must be shown by the platform, and a click must
// change the screen through the screen's own timer ticking in real time.
// The click is delivered by Qt Test, as a compositor without an input
// device cannot send one.
class TestNativeWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuClickOpensThePictureBook();
};

void TestNativeWindows::initTestCase()
{
    DataPath = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

void TestNativeWindows::menuClickOpensThePictureBook()
{
    TestProgram test;
    Program &program = test.program;
    program.addScreen(ScreenName::Menu, [](Program &p) { return std::make_unique<MenuScreen>(p); });
    program.addScreen(ScreenName::PictureBook,
                      [](Program &p) { return std::make_unique<PictureBookScreen>(p); });
    program.addScreen(ScreenName::Quiz, [](Program &p) { return std::make_unique<QuizScreen>(p); });

    program.dispatch([&program] { program.open(ScreenName::Menu); });
    Form *menu = program.screen(ScreenName::Menu).form();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->windowTitle(), QStringLiteral("メニュー"));

    clickAt(menu, centreOf(menu->button("Command1")));
    QCOMPARE(menu->timer("Timer1")->interval(), 100);
    test.clock.now += 2.6;
    QTRY_VERIFY(program.screen(ScreenName::PictureBook).isOpen());
    Form *book = program.screen(ScreenName::PictureBook).form();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    QCOMPARE(book->windowTitle(), QStringLiteral("花の図鑑"));
    QVERIFY(!program.screen(ScreenName::Menu).isOpen());
    QVERIFY(test.errors.messages.isEmpty());
}

QTEST_MAIN(TestNativeWindows)
#include "tst_nativewindows.moc"
