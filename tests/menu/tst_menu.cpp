#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/timer.h"
#include "screens/menu/menulayout.h"
#include "screens/menu/menuscreen.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/stubscreens.h"

#include <QTest>
#include <algorithm>
#include <map>

namespace {

// How far a colour is from the cyan ground, in the largest channel step.
int groundDistance(QRgb colour)
{
    return std::max({qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour)});
}

// A pixel that is ground in one picture and plainly not in the other: an
// outline out of register. Smoothed outline pixels differ by a few steps.
bool groundMoved(QRgb before, QRgb after)
{
    const auto [near, far] = std::minmax({groundDistance(before), groundDistance(after)});
    return near < 8 && far > 64;
}

const QString ButtonSound = QStringLiteral("MediaPlayer1 SetFile /花/データ/音/oto.wav");

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensAsLaidOut();
    void openingLoadsTheSoundSilently();
    void headSwitchesColourOnClicks();
    void buttonsTakeClicksInFrontOfPictures();
    void leaveDelay_data();
    void leaveDelay();
    void lastClickWins();
    void returningShowsTheLaidOutState();
    void closeBoxDuringTheDelayEndsTheProgram();
    void headPicturesLieInRegister();
    void butterfliesShowWhatLiesBehind();

private:
    Form *menu() const { return m_test->program.screen(ScreenName::Menu).form(); }
    Image *image(const char *name) const { return menu()->image(name); }
    void click(const char *control)
    {
        clickAt(menu(), centreOf(menu()->findChild<QWidget *>(control)));
    }
    void tickAt(double seconds);
    QImage shot() const { return menu()->grab().toImage(); }

    std::unique_ptr<TestProgram> m_test;
};

void TestMenu::initTestCase()
{
    DataPath = QStringLiteral("/花/データ");
}

void TestMenu::init()
{
    m_test = std::make_unique<TestProgram>();
    Program &program = m_test->program;
    addScreensStubbingAllBut(program, ScreenName::Menu);
    program.dispatch([&program] { program.open(ScreenName::Menu); });
    QVERIFY(QTest::qWaitForWindowExposed(menu()));
}

void TestMenu::cleanup()
{
    QVERIFY(m_test->errors.messages.isEmpty());
    m_test.reset();
    flushDeletedWindows();
}

void TestMenu::tickAt(double seconds)
{
    m_test->clock.now = seconds;
    emit menu()->timer("Timer1")->tick();
}

// Each picture box takes its picture's natural size, so artwork of the wrong
// size shows here; the keyboard starts on the top button.
void TestMenu::opensAsLaidOut()
{
    for (const ControlSpec &row : menuLayout().controls) {
        if (row.kind != ControlKind::Image)
            continue;
        const Image *picture = menu()->image(row.name);
        QCOMPARE(QRectF(picture->leftTwips(), picture->topTwips(), picture->widthTwips(),
                        picture->heightTwips()),
                 QRectF(row.left, row.top, row.width, row.height));
        QCOMPARE(picture->isVisible(), row.visible);
    }
    QCOMPARE(menu()->focusWidget(), menu()->button("Command1"));
    QTest::keyClick(menu()->focusWidget(), Qt::Key_Space);
    QCOMPARE(menu()->timer("Timer1")->interval(), 100);
}

void TestMenu::openingLoadsTheSoundSilently()
{
    QCOMPARE(m_test->sounds.calls, QStringList({ButtonSound, "MediaPlayer1 Stop"}));
}

void TestMenu::headSwitchesColourOnClicks()
{
    click("Image2");
    QVERIFY(!image("Image2")->isVisible());
    QVERIFY(image("Image3")->isVisible());
    click("Image3");
    QVERIFY(image("Image2")->isVisible());
    QVERIFY(!image("Image3")->isVisible());
}

// The buttons lie over the background picture, the butterflies over the
// head; neither picture behind takes the click.
void TestMenu::buttonsTakeClicksInFrontOfPictures()
{
    for (const char *name : {"Command1", "Command2", "Command3"})
        QCOMPARE(clickAt(menu(), centreOf(menu()->button(name))), menu()->button(name));
    QCOMPARE(m_test->sounds.calls.count("MediaPlayer1 Play"), 3);
    QCOMPARE(clickAt(menu(), centreOf(image("Image7"))), image("Image7"));
    QVERIFY(image("Image2")->isVisible());
}

void TestMenu::leaveDelay_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("clickAt");
    QTest::addColumn<double>("lastQuietTick");
    QTest::addColumn<QString>("next");
    // Click times are whole seconds, a half to the even one; exactly 2.0
    // seconds after the click time is not yet enough.
    QTest::newRow("100.4 stores 100") << "Command1" << 100.4 << 102.0 << ScreenName::PictureBook;
    QTest::newRow("100.6 stores 101") << "Command2" << 100.6 << 103.0 << ScreenName::Quiz;
    QTest::newRow("100.5 stores 100") << "Command3" << 100.5 << 102.0 << QString();
    QTest::newRow("101.5 stores 102") << "Command1" << 101.5 << 104.0 << ScreenName::PictureBook;
}

void TestMenu::leaveDelay()
{
    QFETCH(QString, button);
    QFETCH(double, clickAt);
    QFETCH(double, lastQuietTick);
    QFETCH(QString, next);
    m_test->clock.now = clickAt;
    click(qPrintable(button));
    QVERIFY(image("Image5")->isVisible() && image("Image6")->isVisible() &&
            image("Image7")->isVisible());
    QCOMPARE(m_test->sounds.calls.last(), QStringLiteral("MediaPlayer1 Play"));
    QCOMPARE(menu()->timer("Timer1")->interval(), 100);

    tickAt(lastQuietTick);
    QVERIFY(m_test->program.screen(ScreenName::Menu).isOpen());
    tickAt(lastQuietTick + 0.1);
    QVERIFY(!m_test->program.screen(ScreenName::Menu).isOpen());
    QCOMPARE(m_test->program.hasEnded(), next.isEmpty());
    for (const QString &other : {ScreenName::PictureBook, ScreenName::Quiz})
        QCOMPARE(m_test->program.hasInstance(other), other == next);
}

void TestMenu::lastClickWins()
{
    m_test->clock.now = 100.2;
    click("Command1");
    m_test->clock.now = 101.4;
    click("Command3");
    tickAt(102.5);
    QVERIFY(m_test->program.screen(ScreenName::Menu).isOpen());
    tickAt(103.1);
    QVERIFY(m_test->program.hasEnded());
    QVERIFY(!m_test->program.hasInstance(ScreenName::PictureBook));
    QCOMPARE(m_test->sounds.calls.count("MediaPlayer1 Play"), 2);
}

void TestMenu::returningShowsTheLaidOutState()
{
    click("Image2");
    m_test->clock.now = 100.0;
    click("Command1");
    m_test->clock.now = 102.1;
    QTRY_VERIFY(m_test->program.screen(ScreenName::PictureBook).isOpen());
    m_test->program.dispatch([this] {
        m_test->program.screen(ScreenName::PictureBook).close();
        m_test->program.open(ScreenName::Menu);
    });
    QVERIFY(image("Image2")->isVisible());
    for (const char *hidden : {"Image3", "Image5", "Image6", "Image7"})
        QVERIFY2(!image(hidden)->isVisible(), hidden);
    QCOMPARE(menu()->timer("Timer1")->interval(), 0);
    QCOMPARE(m_test->sounds.calls.mid(3), QStringList({ButtonSound, "MediaPlayer1 Stop"}));
}

void TestMenu::closeBoxDuringTheDelayEndsTheProgram()
{
    m_test->clock.now = 100.0;
    click("Command1");
    m_test->clock.now = 102.5;
    menu()->close();
    QVERIFY(m_test->program.hasEnded());
    QTest::qWait(250);
    QVERIFY(!m_test->program.hasInstance(ScreenName::PictureBook));
}

// The blue head is the very part of the background beneath it; the pink one
// changes the colours of the head only, and its outline meets the cyan ground
// exactly where the blue one does.
void TestMenu::headPicturesLieInRegister()
{
    const QImage blue = shot();
    image("Image2")->setVisible(false);
    QCOMPARE(shot(), blue);
    image("Image3")->setVisible(true);
    const QImage pink = shot();
    const QRect head = image("Image3")->geometry();
    int changed = 0;
    for (int y = 0; y < blue.height(); ++y)
        for (int x = 0; x < blue.width(); ++x)
            if (blue.pixel(x, y) != pink.pixel(x, y)) {
                QVERIFY2(head.contains(x, y) && !groundMoved(blue.pixel(x, y), pink.pixel(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++changed;
            }
    QVERIFY(changed > head.width() * head.height() / 3);
}

void TestMenu::butterfliesShowWhatLiesBehind()
{
    const QImage before = shot();
    click("Command1");
    const QImage after = shot();
    for (const char *name : {"Image5", "Image6", "Image7"}) {
        const QRect box = image(name)->geometry();
        QCOMPARE(after.pixel(box.topLeft()), before.pixel(box.topLeft()));
        QVERIFY(after.copy(box) != before.copy(box));
    }
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
