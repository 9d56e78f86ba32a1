#include "app/screen.h"
#include "app/screennames.h"
#include "book/bookpage.h"
#include "book/picturebooklayout.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "editor/bookpreview.h"
#include "plaingif.h"
#include "platform/failure.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/picture.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/stubscreens.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The frame is Image2's rectangle in the layout: 3270 x 3375 twips (218 x 225
// pixels) at 5865, 2910.
constexpr PictureFrame Frame{.left = 5865, .top = 2910, .width = 3270, .height = 3375};

QImage plainPicture(int width, int height)
{
    QByteArray bytes = plainGif(width, height);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodePicture(&buffer, QStringLiteral("plain.gif"));
}

const ControlSpec *rowNamed(const FormSpec &layout, const QString &name)
{
    for (const ControlSpec &row : layout.controls)
        if (row.name == name)
            return &row;
    return nullptr;
}

} // namespace

class TestBookPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageLayoutIsTheBookAndTheEntryAsOnTheScreen();
    void drawnAreaIsTheBookWithoutItsMargin();
    void showsTheEntryAsGiven_data();
    void showsTheEntryAsGiven();
    void frameIsTheLayoutsWhereverThePictureMoved();
    void noPictureShowsNone();
    void unreadablePictureIsAFailureNamingTheFile();
    void previewDrawsWhatTheScreenDraws();

private:
    std::unique_ptr<Form> m_form;
    std::unique_ptr<BookPage> m_page;
    RecordingSounds m_sounds;
};

void TestBookPage::init()
{
    m_form = std::make_unique<Form>(pictureBookLayout(), m_sounds);
    m_page = std::make_unique<BookPage>(*m_form);
}

void TestBookPage::cleanup()
{
    m_page.reset();
    m_form.reset();
    flushDeletedWindows();
}

// The page alone keeps the book and the entry's controls, in the same places
// and the same stacking order as on the picture book, the entry in front.
void TestBookPage::pageLayoutIsTheBookAndTheEntryAsOnTheScreen()
{
    const FormSpec page = bookPageLayout();
    QStringList names;
    for (const ControlSpec &row : page.controls) {
        names << row.name;
        const ControlSpec *onScreen = rowNamed(pictureBookLayout(), row.name);
        QVERIFY(onScreen);
        QCOMPARE(QRectF(row.left, row.top, row.width, row.height),
                 QRectF(onScreen->left, onScreen->top, onScreen->width, onScreen->height));
        QCOMPARE(row.font.pixelSize, onScreen->font.pixelSize);
        QCOMPARE(row.visible, onScreen->visible);
    }
    QCOMPARE(names, (QStringList{"List1", "Label2", "Image2", "Image1"}));
    QCOMPARE(page.clientWidth, pictureBookLayout().clientWidth);
}

// The book spans 645 to 10020 twips across and 2475 to 6840 down.
void TestBookPage::drawnAreaIsTheBookWithoutItsMargin()
{
    QCOMPARE(drawnBookArea(), QRect(QPoint(43, 165), QPoint(667, 455)));
}

void TestBookPage::showsTheEntryAsGiven_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPointF>("topLeft");
    const QString longRow(80, QChar(u'花'));
    QTest::newRow("no rows, exact fit")
        << QStringList() << QSize(218, 225) << QPointF(Frame.left, Frame.top);
    QTest::newRow("blank row and spaces kept, smaller")
        << QStringList{"一", "", "　二  "} << QSize(200, 208)
        << QPointF(Frame.left + 135, Frame.top + 127.5);
    QTest::newRow("long row stays one, larger")
        << QStringList{longRow} << QSize(234, 245) << QPointF(Frame.left - 120, Frame.top - 150);
}

// Given decoded or read from a file, the entry shows the same way.
void TestBookPage::showsTheEntryAsGiven()
{
    QFETCH(QStringList, rows);
    QFETCH(QSize, pixels);
    QFETCH(QPointF, topLeft);
    QTemporaryDir folder;
    const QString file = folder.filePath("picture.gif");
    QFile gif(file);
    QVERIFY(gif.open(QIODevice::WriteOnly));
    gif.write(plainGif(pixels.width(), pixels.height()));
    gif.close();

    for (bool fromFile : {false, true}) {
        m_page->showEntry("前の花", {"前の", "説明"}, plainPicture(10, 10));
        if (fromFile)
            m_page->showEntry("あさがお", rows, file);
        else
            m_page->showEntry("あさがお", rows, plainPicture(pixels.width(), pixels.height()));
        QCOMPARE(m_page->entryName()->caption(), QStringLiteral("あさがお"));
        QVERIFY(m_page->entryName()->isVisibleTo(m_form.get()));
        QCOMPARE(m_page->explanation()->items(), rows);
        QVERIFY(m_page->explanation()->isVisibleTo(m_form.get()));
        const Image *picture = m_page->picture();
        QVERIFY(picture->isVisibleTo(m_form.get()));
        QCOMPARE(QRectF(picture->leftTwips(), picture->topTwips(), picture->widthTwips(),
                        picture->heightTwips()),
                 QRectF(topLeft, QSizeF(pixels * 15)));
        QCOMPARE(picture->pictureSource(), fromFile ? file : QString());
    }
}

// A large picture moves Image2 off the frame; the next is still centred on
// the frame of the layout.
void TestBookPage::frameIsTheLayoutsWhereverThePictureMoved()
{
    QCOMPARE(m_page->pictureFrame().left, Frame.left);
    QCOMPARE(m_page->pictureFrame().top, Frame.top);
    QCOMPARE(m_page->pictureFrame().width, Frame.width);
    QCOMPARE(m_page->pictureFrame().height, Frame.height);
    m_page->showEntry("大きい", {}, plainPicture(300, 300));
    m_page->showEntry("小さい", {}, plainPicture(18, 25));
    const Image *picture = m_page->picture();
    QCOMPARE(QPointF(picture->leftTwips(), picture->topTwips()),
             QPointF(Frame.left + 1500, Frame.top + 1500));
    BookPage again(*m_form);
    QCOMPARE(again.pictureFrame().left, int16_t(Frame.left + 1500));
}

void TestBookPage::noPictureShowsNone()
{
    m_page->showEntry("あさがお", {"説明"}, plainPicture(20, 20));
    m_page->showEntry("ききょう", {"まだ写真がない"}, QImage());
    QVERIFY(!m_page->picture()->isVisibleTo(m_form.get()));
    QCOMPARE(m_page->entryName()->caption(), QStringLiteral("ききょう"));
    QCOMPARE(m_page->explanation()->items(), QStringList{"まだ写真がない"});
}

void TestBookPage::unreadablePictureIsAFailureNamingTheFile()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("h1.gif");
    try {
        m_page->showEntry("あさがお", {}, missing);
        QFAIL("a missing picture was shown");
    } catch (const Failure &failure) {
        QVERIFY(failure.message().contains(missing));
    }
}

// The screen's first entry, and the same entry given to the editor's
// preview, look alike pixel for pixel over the whole book.
void TestBookPage::previewDrawsWhatTheScreenDraws()
{
    QTemporaryDir data;
    DataPath = copyContentPack(data.path());
    TestProgram test;
    addScreensStubbingAllBut(test.program, ScreenName::PictureBook);
    test.program.dispatch([&test] { test.program.open(ScreenName::PictureBook); });
    Form *book = test.program.screen(ScreenName::PictureBook).form();
    QVERIFY(book);
    clickAt(book, centreOf(book->labelArray("Label1")(1)));
    QCOMPARE(book->label("Label2")->caption(), ReadEntryNames().at(0));

    BookPreview preview;
    preview.showEntry(ReadEntryNames().at(0), ReadExplanationLines(1),
                      loadPicture(EntryPicturePath(1)));
    const QImage onScreen = book->grab(drawnBookArea()).toImage();
    const QImage inPreview = preview.grab().toImage();
    QCOMPARE(inPreview.size(), onScreen.size());
    QCOMPARE(inPreview.convertToFormat(QImage::Format_RGB32),
             onScreen.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestBookPage)
#include "tst_bookpage.moc"
