#include "platform/commandbutton.h"
#include "platform/failure.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/fakes.h"
#include "support/mouse.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two overlapping controls, a hidden one in front of them, two buttons and a
// small label array; the first listed lies in front.
const FormSpec &testLayout()
{
    static const FormSpec layout{
        .name = "試験",
        .caption = "試験の画面",
        .clientWidth = 6000,
        .clientHeight = 4500,
        .backColor = 0xFF80FF80,
        .controls =
            {
                {.kind = ControlKind::Timer, .name = "Timer1"},
                {.kind = ControlKind::Label,
                 .name = "Hidden",
                 .left = 0,
                 .top = 0,
                 .width = 3000,
                 .height = 3000,
                 .visible = false},
                {.kind = ControlKind::Button,
                 .name = "Command2",
                 .left = 4500,
                 .top = 3000,
                 .width = 1200,
                 .height = 450,
                 .caption = "二",
                 .tabIndex = 1},
                {.kind = ControlKind::Button,
                 .name = "Command1",
                 .left = 4500,
                 .top = 3600,
                 .width = 1200,
                 .height = 450,
                 .caption = "一",
                 .tabIndex = 0},
                {.kind = ControlKind::Label,
                 .name = "Front",
                 .left = 0,
                 .top = 0,
                 .width = 1500,
                 .height = 1500,
                 .caption = "前"},
                {.kind = ControlKind::Image,
                 .name = "Back",
                 .left = 750,
                 .top = 750,
                 .width = 1500,
                 .height = 1500},
                {.kind = ControlKind::Label,
                 .name = "Tile",
                 .index = 1,
                 .left = 3000,
                 .top = 0,
                 .width = 600,
                 .height = 300},
                {.kind = ControlKind::Label,
                 .name = "Tile",
                 .index = 0,
                 .left = 3000,
                 .top = 600,
                 .width = 600,
                 .height = 300,
                 .backColor = 0xFF0000FF,
                 .tabIndex = 2,
                 .tabStop = true},
                {.kind = ControlKind::Player, .name = "MediaPlayer1"},
            },
    };
    return layout;
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowFollowsItsLayout();
    void clickReachesTheFrontControl();
    void hiddenControlTakesNoClick();
    void moveOverControlNeverReachesTheForm();
    void intervalZeroStopsTheTimer();
    void twipsReadBackAsSet();
    void pictureGivesNaturalSizeUnlessStretched();
    void scaledScreensUseTheLargePicture();
    void controlArrayHasOnlyItsIndices();
    void pictureCentresOnItsFrame_data();
    void pictureCentresOnItsFrame();
    void focusFollowsTabOrder();
    void labelTabStopIsReachedAndPressedByKeys();
    void boldTextStaysBoldAtEveryScale_data();
    void boldTextStaysBoldAtEveryScale();

private:
    RecordingSounds m_sounds;
    Form *m_form = nullptr;
};

void TestControls::init()
{
    m_form = new Form(testLayout(), m_sounds);
    m_form->showCentred();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void TestControls::cleanup()
{
    delete m_form;
}

void TestControls::windowFollowsItsLayout()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("試験の画面"));
    QCOMPARE(m_form->size(), QSize(400, 300));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(0x80, 0xFF, 0x80));
    QStringList stack;
    for (const Control *control : m_form->controls())
        stack << control->objectName();
    QCOMPARE(stack, (QStringList{"Hidden", "Command2", "Command1", "Front", "Back", "Tile(1)",
                                 "Tile(0)"}));
    QVERIFY(m_form->player("MediaPlayer1"));
    QVERIFY_THROWS_EXCEPTION(Failure, m_form->label("Nothing"));
}

void TestControls::clickReachesTheFrontControl()
{
    QSignalSpy front(m_form->label("Front"), &Control::clicked);
    QSignalSpy back(m_form->image("Back"), &Control::clicked);
    clickAt(m_form, QPoint(75, 75)); // where the two overlap
    QCOMPARE(front.count(), 1);
    QCOMPARE(back.count(), 0);
    clickAt(m_form, QPoint(140, 140)); // the back one alone
    QCOMPARE(back.count(), 1);
}

void TestControls::hiddenControlTakesNoClick()
{
    QSignalSpy hidden(m_form->label("Hidden"), &Control::clicked);
    QSignalSpy front(m_form->label("Front"), &Control::clicked);
    clickAt(m_form, QPoint(10, 10));
    QCOMPARE(hidden.count(), 0);
    QCOMPARE(front.count(), 1);
    m_form->label("Hidden")->setVisible(true);
    clickAt(m_form, QPoint(10, 10));
    QCOMPARE(hidden.count(), 1);
    QCOMPARE(front.count(), 1);
}

void TestControls::moveOverControlNeverReachesTheForm()
{
    QSignalSpy formMoves(m_form, &Form::mouseMoved);
    QSignalSpy backMoves(m_form->image("Back"), &Control::mouseMoved);
    moveTo(m_form, QPoint(140, 140));
    QCOMPARE(backMoves.count(), 1);
    QCOMPARE(formMoves.count(), 0);
    moveTo(m_form, QPoint(300, 100)); // bare window
    QCOMPARE(formMoves.count(), 1);
}

void TestControls::intervalZeroStopsTheTimer()
{
    Timer *timer = m_form->timer("Timer1");
    QVERIFY(!timer->isTicking());
    QSignalSpy ticks(timer, &Timer::tick);
    timer->setInterval(10);
    QTRY_VERIFY(ticks.count() >= 2);
    timer->setInterval(0);
    const int seen = ticks.count();
    QTest::qWait(50);
    QCOMPARE(ticks.count(), seen);
    QVERIFY(!timer->isTicking());
}

void TestControls::twipsReadBackAsSet()
{
    Image *image = m_form->image("Back");
    image->setLeftTwips(127.5f);
    image->setTopTwips(-120.0f);
    QCOMPARE(image->leftTwips(), 127.5f);
    QCOMPARE(image->topTwips(), -120.0f);
    QCOMPARE(image->geometry().topLeft(), QPoint(9, -8));

    QCOMPARE(roundToInt16(5865.5f), int16_t(5866));
    QCOMPARE(roundToInt16(2910.5f), int16_t(2910));
    QVERIFY_THROWS_EXCEPTION(Failure, roundToInt16(40000.0f));
}

void TestControls::pictureGivesNaturalSizeUnlessStretched()
{
    Image *image = m_form->image("Back");
    QImage picture(10, 21, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    image->setPicture(picture);
    QCOMPARE(image->widthTwips(), 150.0f);
    QCOMPARE(image->heightTwips(), 315.0f);
    QCOMPARE(image->size(), QSize(10, 21));

    image->setStretch(true);
    image->setWidthTwips(1500);
    image->setHeightTwips(1500);
    image->setPicture(picture);
    QCOMPARE(image->widthTwips(), 1500.0f);
    QCOMPARE(image->size(), QSize(100, 100));
}

// On a screen scaled by 1.5 or more a fixed picture is drawn from its
// twice-as-large version, which takes the place and size of the plain one.
void TestControls::scaledScreensUseTheLargePicture()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("banner.gif");
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    QCOMPARE(highResolutionPicture(path, 2), QString());
    QVERIFY(QFile(dir.filePath("banner@2x.gif")).open(QIODevice::WriteOnly));
    QCOMPARE(highResolutionPicture(path, 1), QString());
    QCOMPARE(highResolutionPicture(path, 1.25), QString());
    QCOMPARE(highResolutionPicture(path, 1.5), dir.filePath("banner@2x.gif"));
    QCOMPARE(highResolutionPicture(path, 2), dir.filePath("banner@2x.gif"));

    Image *image = m_form->image("Back");
    QImage large(20, 42, QImage::Format_RGB32);
    large.setDevicePixelRatio(2);
    image->setPicture(large);
    QCOMPARE(image->widthTwips(), 150.0f);
    QCOMPARE(image->size(), QSize(10, 21));
}

void TestControls::controlArrayHasOnlyItsIndices()
{
    const ControlArray<Label> &tiles = m_form->labelArray("Tile");
    QCOMPARE(tiles.indices(), (QList<int16_t>{0, 1}));
    QCOMPARE(tiles(1)->topTwips(), 0.0f);
    QVERIFY_THROWS_EXCEPTION(Failure, tiles(2));
    QVERIFY_THROWS_EXCEPTION(Failure, tiles(-1));
    QCOMPARE(&m_form->labelArray("Tile"), &tiles);
    QVERIFY_THROWS_EXCEPTION(Failure, m_form->labelArray("Front"));
}

// Frame 3000 x 2000 twips at (600, 300); the pictures are whole pixels.
void TestControls::pictureCentresOnItsFrame_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("even difference") << QSize(100, 100) << QPointF(1350, 550);
    QTest::newRow("odd difference keeps the half") << QSize(101, 99) << QPointF(1342.5, 557.5);
    QTest::newRow("larger than the frame") << QSize(220, 150) << QPointF(450, 175);
}

void TestControls::pictureCentresOnItsFrame()
{
    QFETCH(QSize, pixels);
    QFETCH(QPointF, topLeft);
    Image *image = m_form->image("Back");
    QImage picture(pixels, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    image->setStretch(false);
    image->setPicture(picture);
    image->centreOn(600, 300, 3000, 2000);
    QCOMPARE(image->leftTwips(), float(topLeft.x()));
    QCOMPARE(image->topTwips(), float(topLeft.y()));
    QCOMPARE(image->widthTwips(), float(pixels.width() * 15));
}

void TestControls::focusFollowsTabOrder()
{
    QCOMPARE(QApplication::focusWidget(), m_form->button("Command1"));
    QSignalSpy second(m_form->button("Command2"), &Control::clicked);
    QTest::keyClick(m_form, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_form->button("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(second.count(), 2);
}

// A label marked as a tab stop comes after the buttons, shows a mark while it
// has the focus, and Space or Enter clicks it; a mouse click leaves the focus
// where it was.
void TestControls::labelTabStopIsReachedAndPressedByKeys()
{
    Label *tile = m_form->labelArray("Tile")(0);
    const QImage unfocused = tile->grab().toImage();
    clickAt(m_form, centreOf(tile));
    QCOMPARE(QApplication::focusWidget(), m_form->button("Command1"));

    QSignalSpy clicks(tile, &Control::clicked);
    QTest::keyClick(m_form, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tile);
    QVERIFY(tile->grab().toImage() != unfocused);
    QTest::keyClick(tile, Qt::Key_Space);
    QTest::keyClick(tile, Qt::Key_Enter);
    QTest::keyClick(tile, Qt::Key_A);
    QCOMPARE(clicks.count(), 2);
    QTest::keyClick(tile, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_form->button("Command1"));
}

namespace {

// The light ink a label leaves on its dark back, rendered at a screen scale.
qint64 inkAt(Label &label, qreal scale)
{
    QImage picture(label.size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    label.render(&picture);
    qint64 ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += qGreen(picture.pixel(x, y));
    return ink;
}

} // namespace

void TestControls::boldTextStaysBoldAtEveryScale_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<qreal>("scale");
    for (qreal scale : {1.0, 1.5, 2.0, 2.2}) {
        const QByteArray at = " at " + QByteArray::number(scale);
        QTest::newRow("kana tile" + at) << "あ" << 32 << scale;
        QTest::newRow("entry name" + at) << "あさがお" << 21 << scale;
        QTest::newRow("fail banner" + at) << "不合格" << 88 << scale;
    }
}

// Faces without a bold style get a drawn one wherever Qt would draw the text
// as outlines and leave its synthetic bold out: at large sizes, and at
// ordinary sizes on a scaled screen. Bold must carry clearly more ink than
// regular at every scale, and about as much more as it does at 100 %.
void TestControls::boldTextStaysBoldAtEveryScale()
{
    QFETCH(QString, caption);
    QFETCH(int, pixelSize);
    QFETCH(qreal, scale);
    auto ratio = [&](qreal at) {
        auto label = [&](bool bold) {
            return ControlSpec{.kind = ControlKind::Label,
                               .name = "Text",
                               .width = float(pixelSize * 15 * (caption.size() + 1)),
                               .height = float(pixelSize * 15 * 3 / 2),
                               .caption = caption,
                               .backColor = 0xFF000080,
                               .foreColor = 0xFFFFFFFF,
                               .font = {Face::Mincho, pixelSize, bold}};
        };
        Label regular(label(false), m_form);
        Label bold(label(true), m_form);
        return double(inkAt(bold, at)) / double(inkAt(regular, at));
    };
    const double here = ratio(scale);
    QVERIFY2(here > 1.3, qPrintable(QString::number(here)));
    if (pixelSize < 64) {
        const double unscaled = ratio(1.0);
        QVERIFY2(here > unscaled * 0.8 && here < unscaled * 1.25,
                 qPrintable(QStringLiteral("%1 against %2 at 100 %").arg(here).arg(unscaled)));
    }
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
