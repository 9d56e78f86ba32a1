#include "app/screennames.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "content/entrynames.h"
#include "plaingif.h"
#include "platform/commandbutton.h"
#include "platform/failure.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "screens/picture_book/picturebookscreen.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/stubscreens.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Entry pictures are 15 twips to the pixel; the frame is 3270 x 3375 twips
// (218 x 225 pixels) at 5865, 2910.
constexpr float FrameLeft = 5865, FrameTop = 2910;

enum Step
{
    Previous,
    Next,
    Kana1,
    Kana10 = Kana1 + 9,
};

} // namespace

class TestPictureBook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithNoEntryShown();
    void frontControlTakesTheClick_data();
    void frontControlTakesTheClick();
    void pictureIsCentredOnTheFrame_data();
    void pictureIsCentredOnTheFrame();
    void explanationRowsAreTheLinesAsRead_data();
    void explanationRowsAreTheLinesAsRead();
    void indexAndArrowsChooseTheEntry_data();
    void indexAndArrowsChooseTheEntry();
    void sameTileReadsAndPlaysAgain();
    void arrowKeysTurnThePages();
    void digitKeysChooseTheKanaRows();
    void lastButtonClickedDecides();
    void leavesOnlyAfterMoreThanTwoSeconds_data();
    void leavesOnlyAfterMoreThanTwoSeconds();
    void reopenedBookShowsNoEntry();
    void unreadableContentEnds_data();
    void unreadableContentEnds();

private:
    Form *book() const { return m_test->program.screen(ScreenName::PictureBook).form(); }
    void openBook();
    void click(const QWidget *control) { clickAt(book(), centreOf(control)); }
    void take(Step step);
    void verifyShows(int entry);
    void writeData(const QString &relative, const QByteArray &bytes);

    std::unique_ptr<TestProgram> m_test;
    std::unique_ptr<QTemporaryDir> m_data;
    QStringList m_names;
};

void TestPictureBook::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    DataPath = copyContentPack(m_data->path());
    m_names = ReadEntryNames();
    m_test = std::make_unique<TestProgram>();
    addScreensStubbingAllBut(m_test->program, ScreenName::PictureBook);
}

void TestPictureBook::cleanup()
{
    m_test.reset();
    flushDeletedWindows();
}

void TestPictureBook::openBook()
{
    m_test->program.dispatch([this] { m_test->program.open(ScreenName::PictureBook); });
    if (!book())
        return;
    book()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(book()));
    m_test->sounds.calls.clear();
}

void TestPictureBook::take(Step step)
{
    if (step == Previous)
        click(book()->image("Image3"));
    else if (step == Next)
        click(book()->image("Image4"));
    else
        click(book()->labelArray("Label1")(step - Kana1 + 1));
}

void TestPictureBook::verifyShows(int entry)
{
    QCOMPARE(book()->label("Label2")->caption(), m_names.at(entry - 1));
    QCOMPARE(book()->image("Image2")->pictureSource(), EntryPicturePath(entry));
    QVERIFY(book()->image("Image2")->isVisible());
    QCOMPARE(m_test->sounds.calls.last(), QStringLiteral("MediaPlayer1 Play"));
}

void TestPictureBook::writeData(const QString &relative, const QByteArray &bytes)
{
    QFile file(DataPath + relative);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void TestPictureBook::opensWithNoEntryShown()
{
    m_test->program.dispatch([this] { m_test->program.open(ScreenName::PictureBook); });
    QCOMPARE(
        m_test->sounds.calls,
        (QStringList{"MediaPlayer1 SetFile " + DataPath + "/音/oto1.wav", "MediaPlayer1 Stop",
                     "MediaPlayer2 SetFile " + DataPath + "/音/oto.wav", "MediaPlayer2 Stop"}));
    QVERIFY(!book()->label("Label2")->isVisible());
    QVERIFY(!book()->list("List1")->isVisible());
    QVERIFY(!book()->image("Image2")->isVisible());
    QCOMPARE(book()->labelArray("Label1").indices(),
             (QList<int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QVERIFY_THROWS_EXCEPTION(Failure, book()->labelArray("Label1")(0));
    book()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(book()));
    QCOMPARE(QApplication::focusWidget(), book()->button("Command1"));
}

// Points of the window in pixels, and the control that a click there reaches.
void TestPictureBook::frontControlTakesTheClick_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("control");
    QTest::newRow("arrow over the book") << QPoint(620, 130) << "Image4";
    QTest::newRow("tile か") << QPoint(110, 90) << "Label1(2)";
    QTest::newRow("the picture on the right page") << QPoint(463, 306) << "Image2";
    QTest::newRow("the text on the left page") << QPoint(150, 300) << "List1";
    QTest::newRow("the book below the text") << QPoint(150, 440) << "Image1";
}

void TestPictureBook::frontControlTakesTheClick()
{
    QFETCH(QPoint, point);
    QFETCH(QString, control);
    openBook();
    take(Kana1);
    QWidget *target = clickAt(book(), point);
    while (!qobject_cast<Control *>(target)) // the list's inner view
        target = target->parentWidget();
    QCOMPARE(target->objectName(), control);
}

void TestPictureBook::pictureIsCentredOnTheFrame_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("exact fit") << QSize(218, 225) << QPointF(FrameLeft, FrameTop);
    QTest::newRow("smaller") << QSize(200, 208) << QPointF(FrameLeft + 135, FrameTop + 127.5);
    QTest::newRow("odd difference") << QSize(201, 225) << QPointF(FrameLeft + 127.5, FrameTop);
    QTest::newRow("larger") << QSize(234, 245) << QPointF(FrameLeft - 120, FrameTop - 150);
}

void TestPictureBook::pictureIsCentredOnTheFrame()
{
    QFETCH(QSize, pixels);
    QFETCH(QPointF, topLeft);
    writeData("/画像/h1.gif", plainGif(pixels.width(), pixels.height()));
    openBook();
    take(Kana1);
    const Image *picture = book()->image("Image2");
    QCOMPARE(picture->leftTwips(), float(topLeft.x()));
    QCOMPARE(picture->topTwips(), float(topLeft.y()));
    QCOMPARE(picture->widthTwips(), float(pixels.width() * 15));
    QCOMPARE(picture->heightTwips(), float(pixels.height() * 15));
}

void TestPictureBook::explanationRowsAreTheLinesAsRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("rows");
    const QString longLine(80, QChar(u'花'));
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("blank row and spaces kept")
        << QByteArray("\xEF\xBB\xBF一\r\n\r\n　二  \r\n") << QStringList{"一", "", "　二  "};
    QTest::newRow("long line stays one row")
        << "\xEF\xBB\xBF" + longLine.toUtf8() << QStringList{longLine};
}

void TestPictureBook::explanationRowsAreTheLinesAsRead()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, rows);
    openBook();
    take(Kana10);
    writeData("/説明/s1.txt", text);
    take(Kana1);
    verifyShows(1);
    QVERIFY(book()->list("List1")->isVisible());
    QCOMPARE(book()->list("List1")->items(), rows);
}

void TestPictureBook::indexAndArrowsChooseTheEntry_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("entry");
    QTest::newRow("next from no entry") << QList<Step>{Next} << 1;
    QTest::newRow("previous from no entry") << QList<Step>{Previous} << 60;
    QTest::newRow("previous wraps from 1") << QList<Step>{Kana1, Previous} << 60;
    QTest::newRow("わ is the last entry") << QList<Step>{Kana10} << 60;
    QTest::newRow("next wraps from 60") << QList<Step>{Kana10, Next} << 1;
    QTest::newRow("は, then on") << QList<Step>{Step(Kana1 + 5), Next, Next} << 41;
}

void TestPictureBook::indexAndArrowsChooseTheEntry()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, entry);
    openBook();
    for (Step step : steps)
        take(step);
    verifyShows(entry);
}

// Nothing is cached: the second showing reads the text again.
void TestPictureBook::sameTileReadsAndPlaysAgain()
{
    openBook();
    take(Kana1);
    writeData("/説明/s1.txt", "\xEF\xBB\xBF書き直した説明");
    take(Kana1);
    verifyShows(1);
    QCOMPARE(book()->list("List1")->items(), QStringList{"書き直した説明"});
    QCOMPARE(m_test->sounds.calls, (QStringList{"MediaPlayer1 Play", "MediaPlayer1 Play"}));
}

void TestPictureBook::arrowKeysTurnThePages()
{
    openBook();
    QTest::keyClick(book(), Qt::Key_Left);
    verifyShows(60);
    take(Kana1);
    book()->list("List1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    verifyShows(2);
}

// 1 to 9 choose あ to ら and 0 chooses わ, wherever the focus is, with the
// sound a click on the kana tile plays; the kana tiles are tab stops too.
void TestPictureBook::digitKeysChooseTheKanaRows()
{
    openBook();
    const QList<QPair<Qt::Key, int>> rows{{Qt::Key_1, 1},  {Qt::Key_2, 8},  {Qt::Key_5, 37},
                                          {Qt::Key_9, 57}, {Qt::Key_0, 60}, {Qt::Key_1, 1}};
    for (const auto &[key, entry] : rows) {
        QTest::keyClick(QApplication::focusWidget(), key);
        verifyShows(entry);
    }
    QCOMPARE(m_test->sounds.calls, QStringList(rows.size(), "MediaPlayer1 Play"));

    Label *tile = book()->labelArray("Label1")(3);
    tile->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tile, Qt::Key_Space);
    verifyShows(20);
}

void TestPictureBook::lastButtonClickedDecides()
{
    openBook();
    click(book()->button("Command1"));
    m_test->clock.now += 1.0;
    click(book()->button("Command2"));
    take(Next);
    verifyShows(1);
    QCOMPARE(m_test->sounds.calls.first(2),
             (QStringList{"MediaPlayer2 Play", "MediaPlayer2 Play"}));
    m_test->clock.now += 1.5; // long past the first click, not the second
    QTest::qWait(250);
    QVERIFY(book());
    m_test->clock.now += 1.0;
    QTRY_VERIFY(m_test->program.screen(ScreenName::Menu).isOpen());
    QVERIFY(!m_test->program.hasInstance(ScreenName::Quiz));
    QVERIFY(!m_test->program.screen(ScreenName::PictureBook).isOpen());
}

// A click at 100.4 s counts from 100 s, one at 100.6 s from 101 s.
void TestPictureBook::leavesOnlyAfterMoreThanTwoSeconds_data()
{
    QTest::addColumn<double>("clickedAt");
    QTest::addColumn<double>("stayUntil");
    QTest::newRow("rounded down") << 100.4 << 102.0;
    QTest::newRow("rounded up") << 100.6 << 103.0;
}

void TestPictureBook::leavesOnlyAfterMoreThanTwoSeconds()
{
    QFETCH(double, clickedAt);
    QFETCH(double, stayUntil);
    openBook();
    m_test->clock.now = clickedAt;
    click(book()->button("Command1"));
    m_test->clock.now = stayUntil;
    QTest::qWait(250);
    QVERIFY(m_test->program.screen(ScreenName::PictureBook).isOpen());
    m_test->clock.now = stayUntil + 0.01;
    QTRY_VERIFY(m_test->program.screen(ScreenName::Quiz).isOpen());
    QVERIFY(!m_test->program.screen(ScreenName::PictureBook).isOpen());
}

void TestPictureBook::reopenedBookShowsNoEntry()
{
    openBook();
    take(Kana1);
    click(book()->button("Command2"));
    m_test->clock.now += 3;
    QTRY_VERIFY(m_test->program.screen(ScreenName::Menu).isOpen());
    m_test->program.dispatch([this] {
        m_test->program.screen(ScreenName::Menu).close();
        m_test->program.open(ScreenName::PictureBook);
    });
    QVERIFY(!book()->label("Label2")->isVisible());
    QVERIFY(!book()->list("List1")->isVisible());
    const Image *picture = book()->image("Image2");
    QVERIFY(!picture->isVisible());
    QCOMPARE(QRectF(picture->leftTwips(), picture->topTwips(), picture->widthTwips(),
                    picture->heightTwips()),
             QRectF(FrameLeft, FrameTop, 3270, 3375));
    take(Next);
    verifyShows(1);
}

void TestPictureBook::unreadableContentEnds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("replacement"); // null: the file is removed
    QTest::addColumn<bool>("whenShown");
    QTest::newRow("no names list") << "/説明/name.txt" << QByteArray() << false;
    QTest::newRow("59 names") << "/説明/name.txt" << QByteArray(59, ',') << false;
    QTest::newRow("no explanation") << "/説明/s1.txt" << QByteArray() << true;
    QTest::newRow("no picture") << "/画像/h1.gif" << QByteArray() << true;
}

void TestPictureBook::unreadableContentEnds()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, replacement);
    QFETCH(bool, whenShown);
    if (replacement.isNull())
        QVERIFY(QFile::remove(DataPath + file));
    else
        writeData(file, replacement);
    openBook();
    QCOMPARE(m_test->program.hasEnded(), !whenShown);
    if (whenShown)
        take(Kana1);
    QVERIFY(m_test->program.hasEnded());
    QCOMPARE(m_test->program.exitStatus(), 1);
    QVERIFY(m_test->errors.messages.value(0).contains(DataPath + file));
    QVERIFY(!book());
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(TestPictureBook)
#include "tst_picturebook.moc"
