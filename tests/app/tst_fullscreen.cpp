#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/screens.h"
#include "support/fakes.h"
#include "support/mouse.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

// What full screen gives on each display the suite runs on: the factor of
// the 687 x 491 pixel screens, and the menu's area in the window.
struct DisplayCase
{
    QSize size;
    qreal factor;
    QRect menuArea;
};

const DisplayCase DisplayCases[] = {
    {{1920, 1080}, 2.199593, {204, 0, 1511, 1080}},
    {{1366, 768}, 1.564155, {145, 0, 1075, 768}},
    {{1024, 768}, 1.490539, {0, 18, 1024, 732}},
};

constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Red = 0xFFFF0000;

// Whether a control's pixels are within one of a layout rectangle at a factor.
bool near(QRect control, QRectF layoutPixels, qreal factor)
{
    const QRectF want(layoutPixels.topLeft() * factor, layoutPixels.size() * factor);
    return qAbs(control.left() - want.left()) <= 1 && qAbs(control.top() - want.top()) <= 1 &&
           qAbs(control.width() - want.width()) <= 1 && qAbs(control.height() - want.height()) <= 1;
}

} // namespace

// Runs once for each display size, on the offscreen platform configured
// with that one screen.
class TestFullScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layoutFillsTheDisplayCentred();
    void clickAtTheScaledPlaceReachesTheControl();
    void pictureCentresOnItsFrameAtTheScale();
    void f11SwitchesBothWays();
    void nextScreenOpensInTheChosenMode();

private:
    Program &program() { return m_test->program; }
    Form *form(const QString &name) { return program().screen(name).form(); }
    void open(const QString &name);
    // A point given in a layout's own pixels, where it lies in the window.
    QPoint scaled(Form *form, QPointF layoutPixel) const;
    void leaveBy(Form *from, QPointF layoutPixel, const QString &next);

    DisplayCase m_display;
    std::unique_ptr<TestProgram> m_test;
};

void TestFullScreen::initTestCase()
{
    DataPath = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
    const QSize size = QGuiApplication::primaryScreen()->size();
    const auto found =
        std::find_if(std::begin(DisplayCases), std::end(DisplayCases),
                     [size](const DisplayCase &display) { return display.size == size; });
    if (found == std::end(DisplayCases))
        QSKIP("no expectations for this display size");
    m_display = *found;
}

void TestFullScreen::init()
{
    m_test = std::make_unique<TestProgram>();
    addScreens(program());
}

void TestFullScreen::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

void TestFullScreen::open(const QString &name)
{
    program().dispatch([this, name] { program().open(name); });
    QVERIFY(QTest::qWaitForWindowExposed(form(name)));
    QVERIFY(QTest::qWaitForWindowActive(form(name)));
}

QPoint TestFullScreen::scaled(Form *form, QPointF layoutPixel) const
{
    return form->layoutArea().topLeft() + (layoutPixel * form->scaleFactor()).toPoint();
}

void TestFullScreen::leaveBy(Form *from, QPointF layoutPixel, const QString &next)
{
    clickAt(from, scaled(from, layoutPixel));
    m_test->clock.now += 2.6;
    QTRY_VERIFY(program().screen(next).isOpen());
    QVERIFY(QTest::qWaitForWindowExposed(form(next)));
}

// The margins show the back colour; a button lies within a pixel of where
// the layout puts it at the factor.
void TestFullScreen::layoutFillsTheDisplayCentred()
{
    program().setWindowMode(WindowMode::FullScreen);
    open(ScreenName::Menu);
    Form *menu = form(ScreenName::Menu);
    QVERIFY(menu->isFullScreen());
    QCOMPARE(menu->geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(qAbs(menu->scaleFactor() - m_display.factor) < 1e-5);
    QCOMPARE(menu->layoutArea(), m_display.menuArea);
    const QImage shown = menu->grab().toImage();
    QCOMPARE(shown.pixel(0, 0), Cyan);
    QCOMPARE(shown.pixel(menu->width() - 1, menu->height() - 1), Cyan);
    QVERIFY(
        near(menu->button("Command1")->geometry(), QRectF(464, 277, 128, 40), m_display.factor));
}

// Points of the quiz in its own pixels: a name tile of the middle column,
// and the gap between the first two columns, where the bare window shows.
void TestFullScreen::clickAtTheScaledPlaceReachesTheControl()
{
    program().setWindowMode(WindowMode::FullScreen);
    open(ScreenName::Menu);
    Form *menu = form(ScreenName::Menu);
    QCOMPARE(clickAt(menu, scaled(menu, {528, 359})), menu->button("Command2"));
    QCOMPARE(menu->timer("Timer1")->interval(), 100);
    m_test->clock.now += 2.6;
    QTRY_VERIFY(program().screen(ScreenName::Quiz).isOpen());

    Form *quiz = form(ScreenName::Quiz);
    QVERIFY(QTest::qWaitForWindowExposed(quiz));
    Label *tile = quiz->labelArray("Label1")(33);
    QCOMPARE(moveTo(quiz, scaled(quiz, {493, 326})), tile);
    QCOMPARE(tile->backColor(), Red);
    QVERIFY(!qobject_cast<Control *>(moveTo(quiz, scaled(quiz, {432, 326}))));
    QVERIFY(tile->backColor() != Red);
    QCOMPARE(clickAt(quiz, scaled(quiz, {493, 326})), tile);
    QVERIFY(quiz->image("Image4")->isVisible());
}

// The frame of the picture book's picture is 218 x 225 pixels at (391, 194):
// the picture lies in its middle at the scale, and the twips the screen
// reads back are those of the normal window.
void TestFullScreen::pictureCentresOnItsFrameAtTheScale()
{
    program().setWindowMode(WindowMode::FullScreen);
    open(ScreenName::PictureBook);
    Form *book = form(ScreenName::PictureBook);
    QCOMPARE(clickAt(book, scaled(book, {73, 92})), book->labelArray("Label1")(1));
    Image *picture = book->image("Image2");
    QVERIFY(picture->isVisible());
    const QSizeF natural = QImage(DataPath + "/画像/h1.gif").size();
    const QPointF topLeft(391 + (218 - natural.width()) / 2, 194 + (225 - natural.height()) / 2);
    QVERIFY(near(picture->geometry(), QRectF(topLeft, natural), m_display.factor));
    QCOMPARE(picture->leftTwips(), float(topLeft.x() * 15));
    QCOMPARE(picture->topTwips(), float(topLeft.y() * 15));
}

void TestFullScreen::f11SwitchesBothWays()
{
    open(ScreenName::Menu);
    Form *menu = form(ScreenName::Menu);
    CommandButton *button = menu->button("Command1");
    QCOMPARE(button->geometry(), QRect(464, 277, 128, 40));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QCOMPARE(program().windowMode(), WindowMode::FullScreen);
    QTRY_COMPARE(menu->geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(menu->isFullScreen());
    QCOMPARE(menu->layoutArea(), m_display.menuArea);
    QVERIFY(button->width() > 128 * 1.4);
    QCOMPARE(QApplication::focusWidget(), button);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QCOMPARE(program().windowMode(), WindowMode::Normal);
    QTRY_COMPARE(menu->size(), QSize(687, 491));
    QVERIFY(!menu->isFullScreen());
    QCOMPARE(menu->scaleFactor(), 1.0);
    QCOMPARE(menu->layoutArea(), QRect(0, 0, 687, 491));
    QCOMPARE(button->geometry(), QRect(464, 277, 128, 40));
}

// The choice outlasts the window it was made in, both ways.
void TestFullScreen::nextScreenOpensInTheChosenMode()
{
    open(ScreenName::Menu);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    leaveBy(form(ScreenName::Menu), {528, 297}, ScreenName::PictureBook);
    Form *book = form(ScreenName::PictureBook);
    QVERIFY(book->isFullScreen());
    QCOMPARE(book->geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(qAbs(book->scaleFactor() - m_display.factor) < 1e-5);

    QVERIFY(QTest::qWaitForWindowActive(book));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QTRY_COMPARE(book->size(), QSize(687, 491));
    leaveBy(book, {622, 34}, ScreenName::Menu);
    Form *menu = form(ScreenName::Menu);
    QVERIFY(!menu->isFullScreen());
    QCOMPARE(menu->size(), QSize(687, 491));
    QCOMPARE(menu->scaleFactor(), 1.0);
}

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
