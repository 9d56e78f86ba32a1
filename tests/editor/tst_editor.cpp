#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/explanation.h"
#include "editor/bookpreview.h"
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/previewcache.h"
#include "editor/roweditor.h"
#include "editor/signalquit.h"
#include "editor/welcomepage.h"
#include "pack/picturepacker.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "sourcepictures.h"

#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidgetItem>
#include <QWindow>
#include <csignal>

namespace {

constexpr int SaveDelay = 200;
constexpr int PackTimeout = 120000;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString bundled()
{
    return qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

// The picture the program shows for what hana-pack writes from a photograph.
QImage packedPicture(const QString &photo)
{
    PackedPicture packed = PicturePacker(ContentPack::pictureFrame()).pack(photo);
    QBuffer gif(&packed.gif);
    gif.open(QIODevice::ReadOnly);
    return decodePicture(&gif, photo);
}

// Whether the book shows the picture: the same size, and the same colour
// wherever the picture is not transparent.
bool showsPicture(const BookPreview *book, const QImage &picture)
{
    const QImage shown = const_cast<Image *>(book->picture())
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    if (shown.size() != expected.size())
        return false;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (qAlpha(expected.pixel(x, y)) == 255 && shown.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

QStringList marked(const RowEditor *editor, RowEditor::Mark mark)
{
    QStringList spans;
    for (const QTextEdit::ExtraSelection &selection : editor->extraSelections())
        if (selection.format.property(RowEditor::MarkProperty).toInt() == int(mark))
            spans << selection.cursor.selectedText();
    return spans;
}

// Japanese text arrives as an input method commits it.
void type(QWidget *editor, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(editor, &commit);
}

// A file dragged from a file manager and let go over a point of a widget:
// the window finds the widget that takes drops there, as on a desktop.
void dropFile(QWidget *widget, QPoint position, const QString &file)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensTheFolderInTheBoardsOrder();
    void photographDroppedOnAnEntryIsCopiedAndShown();
    void tooWideRowsAndMissingCharactersAreMarkedAndUndone();
    void textsAreSavedAfterTypingAndOnClose();
    void packIsMadeIntoTheDataHomeAndChecked();
    void foldersNotToWriteAreRefused();
    void whatAKilledRunLeftIsPutRight();
    void filesItCannotUseAreNamedAtTheirEntries();
    void changesMadeOutsideAreRead();
    void textThatCannotBeSavedIsKept();
    void welcomeOffersANewAndTheLastFolder();
    void endingSignalsAskToClose();
    void previewsFollowTheFileAndItsTime();

private:
    std::unique_ptr<EditorWindow> newWindow();
    void waitForPreviews(EditorWindow &window);

    QTemporaryDir m_dir;
    QString m_garden;
    QString m_program;
    std::unique_ptr<EditorWindow> m_window;
};

void TestEditor::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    qputenv("HOME", m_dir.filePath("home").toUtf8());
    m_garden = m_dir.filePath("garden");
    writeAll(m_garden + "/pictures/1.jpg", encoded(gradientPicture(QSize(800, 600)), "JPEG"));
    writeAll(m_garden + "/pictures/ひまわり.png", encoded(discPicture(QSize(400, 300)), "PNG"));
    writeAll(m_garden + "/pictures/notes.txt", "not a picture");
    writeAll(m_garden + "/texts/ひまわり.txt", "夏に咲く花。\n");
    // Stands in for the picture book: tells how it was started.
    m_program = m_dir.filePath("hana");
    writeAll(m_program, "#!/bin/sh\necho \"$@\" > \"$0.started\"\n");
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_window = newWindow();
    m_window->show();
    QCOMPARE(m_window->openFolder(m_garden), std::nullopt);
}

std::unique_ptr<EditorWindow> TestEditor::newWindow()
{
    return std::make_unique<EditorWindow>(
        EditorSetup{bundled(), m_program, PackPlace::forUser(), SaveDelay});
}

void TestEditor::waitForPreviews(EditorWindow &window)
{
    QTRY_COMPARE_WITH_TIMEOUT(window.previews().pending(), 0, 30000);
}

// The entries under their kana rows, named by their flowers for a screen
// reader; the book shows the picture hana-pack makes, centred as the
// picture book centres it, and the files that give none are named.
void TestEditor::opensTheFolderInTheBoardsOrder()
{
    EditorWindow &window = *m_window;
    QCOMPARE(window.windowTitle(), QStringLiteral("garden[*]"));
    EntryList *list = window.entryList();
    QCOMPARE(list->topLevelItemCount(), 10);
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("か行"));
    QStringList names;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        names << list->entryItem(entry)->data(0, Qt::AccessibleTextRole).toString();
    QCOMPARE(names, ContentPack::boardNames());
    QCOMPARE(list->entryItem(8)->parent(), list->topLevelItem(1));
    list->setCurrentEntry(7);
    QTest::keyClick(list, Qt::Key_Down); // over the row's heading
    QCOMPARE(window.currentEntry(), 8);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(window.currentEntry(), 7);
    list->setCurrentEntry(1);

    waitForPreviews(window);
    QVERIFY(list->entryItem(1)->text(0).contains("写真・同梱の説明"));
    QVERIFY(list->entryItem(2)->text(0).contains("同梱の絵・同梱の説明"));
    QVERIFY(list->entryItem(45)->text(0).contains("写真・自分の説明"));

    const QImage expected = packedPicture(m_garden + "/pictures/1.jpg");
    const Image *picture = window.bookPreview()->picture();
    QVERIFY(showsPicture(window.bookPreview(), expected));
    QCOMPARE(picture->leftTwips(), 5865 + (3270 - pixelsToTwips(expected.width())) / 2);
    QCOMPARE(picture->topTwips(), 2910 + (3375 - pixelsToTwips(expected.height())) / 2);
    QCOMPARE(window.bookPreview()->entryName()->caption(), QStringLiteral("あさがお"));
    QCOMPARE(window.bookPreview()->explanation()->items(), ReadExplanationLines(bundled(), 1));
    QCOMPARE(window.source()->strayFiles().size(), 1);
    QVERIFY(texts(window.source()->strayFiles()).first().startsWith("pictures/notes.txt: "));
}

// A photograph dropped on an entry, or on the book, is copied in as that
// entry's only picture file, turned upright; the teacher's file stays.
void TestEditor::photographDroppedOnAnEntryIsCopiedAndShown()
{
    EditorWindow &window = *m_window;
    const QString photo = m_dir.filePath("camera/IMG_0045.JPG");
    writeAll(photo, withExifOrientation(encoded(markedPicture(QSize(1200, 900)), "JPEG"), 6));
    EntryList *list = window.entryList();
    list->scrollToItem(list->entryItem(45));
    dropFile(list->viewport(), list->visualItemRect(list->entryItem(45)).center(), photo);

    QCOMPARE(window.currentEntry(), 45);
    QCOMPARE(QDir(m_garden + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"1.jpg", "45.jpg", "notes.txt"}));
    QCOMPARE(readAll(m_garden + "/pictures/45.jpg"), readAll(photo));
    waitForPreviews(window);
    const QImage upright = packedPicture(m_garden + "/pictures/45.jpg");
    QCOMPARE(upright.size(), QSize(169, 225));
    QVERIFY(showsPicture(window.bookPreview(), upright));

    // On the book, through the control under the pointer.
    window.entryList()->setCurrentEntry(3);
    BookPreview *book = window.bookPreview();
    const QPoint middle = book->rect().center() + QPoint(book->width() / 4, 0);
    const QString png = m_dir.filePath("camera/anemone.png");
    writeAll(png, encoded(discPicture(QSize(300, 300)), "PNG"));
    dropFile(book, middle, png);
    QVERIFY(QFile::exists(m_garden + "/pictures/3.png"));

    window.revertPicture();
    QVERIFY(!QFile::exists(m_garden + "/pictures/3.png"));
    QVERIFY(QFile::exists(png));
    waitForPreviews(window);
    QVERIFY(list->entryItem(3)->text(0).contains("同梱の絵"));
}

void TestEditor::tooWideRowsAndMissingCharactersAreMarkedAndUndone()
{
    EditorWindow &window = *m_window;
    // Entry 14's eight rows and the three typed are no more than the list shows.
    window.entryList()->setCurrentEntry(14);
    RowEditor *editor = window.rowEditor();
    const QStringList before = editor->rows();
    QString wide;
    while (ContentPack::rowWidth(wide) <= ContentPack::listTextWidth())
        wide += QChar(0x82B1);
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    type(editor, wide);
    QTest::keyClick(editor, Qt::Key_Return);
    type(editor, QStringLiteral("波〜線"));

    const int width = ContentPack::rowWidth(wide);
    const int row = int(before.size()) + 1;
    QCOMPARE(editor->widthTexts().at(row - 1),
             QStringLiteral("%1 / %2").arg(width).arg(ContentPack::listTextWidth()));
    QCOMPARE(marked(editor, RowEditor::Mark::PastTheList), QStringList{QString(QChar(0x82B1))});
    QCOMPARE(marked(editor, RowEditor::Mark::LookAlike), QStringList{"〜"});
    const QStringList problems = window.problems(14);
    QCOMPARE(problems,
             (QStringList{
                 QStringLiteral("texts/14.txt: %1行目%2")
                     .arg(row)
                     .arg(ContentMessage::lineWrapped(width, ContentPack::listTextWidth(), 2)),
                 QStringLiteral("texts/14.txt: %1行目%2")
                     .arg(row + 1)
                     .arg(ContentMessage::lookAlikeWritten(U'\u301C', u'～')),
             }));
    QCOMPARE(window.entryList()->entryItem(14)->toolTip(0), problems.join('\n'));
    QCOMPARE(window.bookPreview()->explanation()->items().at(row - 1), wide);

    QAction *undo = window.findChild<QAction *>("undo");
    while (undo->isEnabled())
        undo->trigger();
    QCOMPARE(editor->rows(), before);
    QCOMPARE(window.problems(14), QStringList());
    QVERIFY(editor->extraSelections().isEmpty());
    QTRY_VERIFY(!window.isWindowModified());
    QVERIFY(!QFile::exists(m_garden + "/texts/10.txt"));
}

void TestEditor::textsAreSavedAfterTypingAndOnClose()
{
    EditorWindow &window = *m_window;
    window.entryList()->setCurrentEntry(56);
    RowEditor *editor = window.rowEditor();
    editor->selectAll();
    type(editor, QStringLiteral("白い花。"));
    QVERIFY(window.isWindowModified());
    QTRY_COMPARE(readAll(m_garden + "/texts/56.txt"), QByteArray("白い花。\n"));
    QVERIFY(!window.isWindowModified());

    QTest::keyClick(editor, Qt::Key_Return);
    type(editor, QStringLiteral("夏に咲きます。"));
    window.close();
    QCOMPARE(readAll(m_garden + "/texts/56.txt"), QByteArray("白い花。\n夏に咲きます。\n"));

    // Back to the bundled text, the teacher's file goes; undone, it comes back.
    window.show();
    window.entryList()->setCurrentEntry(45);
    window.revertText();
    QVERIFY(!QFile::exists(m_garden + "/texts/ひまわり.txt"));
    QCOMPARE(window.rowEditor()->rows(), ReadExplanationLines(bundled(), 45));
    window.findChild<QAction *>("undo")->trigger();
    QTRY_COMPARE(readAll(m_garden + "/texts/45.txt"), QByteArray("夏に咲く花。\n"));
}

// The pack is built as hana-pack builds it, installed for the user with its
// menu entry, passes the content check and holds what the book showed.
void TestEditor::packIsMadeIntoTheDataHomeAndChecked()
{
    EditorWindow &window = *m_window;
    QSignalSpy finished(&window, &EditorWindow::packFinished);
    window.makePack(QStringLiteral("校庭"));
    window.makePack(QStringLiteral("二つ目")); // one run at a time
    QVERIFY(finished.wait(PackTimeout));
    const PackResult result = finished.takeFirst().first().value<PackResult>();
    QVERIFY(result.summary.made);
    QCOMPARE(texts(result.problems),
             QStringList{m_garden + "/pictures/notes.txt: " +
                         ContentMessage::wrongKind({"jpg", "jpeg", "png", "webp"})});
    QCOMPARE(result.folder, m_dir.filePath("data/hana/packs/校庭"));
    QCOMPARE(texts(checkContent(result.folder)), QStringList());
    QCOMPARE(result.summary.picturesMade, (QList<int>{1, 45}));
    QCOMPARE(result.summary.textsMade, (QList<int>{45, 56}));
    QCOMPARE(loadPicture(result.folder + "/画像/h45.gif"),
             packedPicture(m_garden + "/pictures/45.jpg"));
    QCOMPARE(ReadExplanationLines(result.folder, 56), (QStringList{"白い花。", "夏に咲きます。"}));
    QVERIFY(result.summary.lines().last().contains(m_dir.filePath("data/applications/")));
    QVERIFY(window.findChild<QWidget *>("packSummary")->isVisible());

    window.viewPack();
    QTRY_COMPARE(readAll(m_program + ".started"), "--content " + result.folder.toUtf8() + "\n");

    // Stopped at once, the run leaves the installed pack as it was.
    const QByteArray installed = readAll(result.folder + "/画像/h1.gif");
    window.makePack(QStringLiteral("校庭"));
    window.findChild<QPushButton *>("cancelPack")->click();
    QVERIFY(finished.wait(PackTimeout));
    QVERIFY(!finished.takeFirst().first().value<PackResult>().summary.made);
    QCOMPARE(readAll(result.folder + "/画像/h1.gif"), installed);

    window.findChild<QAction *>("help")->trigger();
    const auto *help = window.findChild<QTextBrowser *>("help");
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains("パックを作る"));
}

void TestEditor::foldersNotToWriteAreRefused()
{
    QCOMPARE(m_window->openFolder(m_garden), std::nullopt); // already open here
    const std::unique_ptr<EditorWindow> other = newWindow();
    QVERIFY(other->openFolder(m_garden)->endsWith(ContentMessage::folderInUse()));
    QVERIFY(other->openFolder(bundled())->endsWith(ContentMessage::folderIsBundledPack()));
    QVERIFY(
        other->openFolder(bundled() + "/画像")->endsWith(ContentMessage::folderIsBundledPack()));
    QVERIFY(other->openFolder(m_dir.filePath("data/hana/packs/校庭"))
                ->endsWith(ContentMessage::folderIsInstalledPack()));
    QVERIFY(
        other->openFolder(m_dir.filePath("missing"))->endsWith(ContentMessage::sourceMissing()));
    QCOMPARE(other->source(), nullptr);
}

// A replacement killed after it hid the old photograph, and a write killed
// half-way, leave hidden files only; the next opening puts them right.
void TestEditor::whatAKilledRunLeftIsPutRight()
{
    const QString folder = m_dir.filePath("killed");
    writeAll(folder + "/pictures/.8.png.replaced", encoded(discPicture(QSize(50, 50)), "PNG"));
    writeAll(folder + "/pictures/.9.png.replaced", "older");
    writeAll(folder + "/pictures/9.jpg", encoded(gradientPicture(QSize(50, 50)), "JPEG"));
    writeAll(folder + "/texts/.1.txt.k3j9x0.tmp", "half");
    const std::unique_ptr<EditorWindow> window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    QCOMPARE(QDir(folder + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"8.png", "9.jpg"}));
    QCOMPARE(QDir(folder + "/texts").entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(window->source()->photo(8), folder + "/pictures/8.png");
}

// A photograph hana-pack cannot use, two files for one entry and a text in
// Shift-JIS get the words hana-pack gives, at their entries; the book shows
// the bundled picture the pack would hold. Giving the entry a photograph
// leaves one file; saving writes the text again in UTF-8.
void TestEditor::filesItCannotUseAreNamedAtTheirEntries()
{
    const QString folder = m_dir.filePath("school");
    const QByteArray jpeg = encoded(gradientPicture(QSize(300, 300)), "JPEG");
    writeAll(folder + "/pictures/7.jpg", jpeg.left(jpeg.size() / 2));
    writeAll(folder + "/pictures/20.png", encoded(discPicture(QSize(60, 60)), "PNG"));
    writeAll(folder + "/pictures/さくら.jpg", jpeg);
    writeAll(folder + "/texts/12.txt", QStringEncoder("windows-31j")(QStringLiteral("黄色い花\n")));
    const std::unique_ptr<EditorWindow> window = newWindow();
    window->show();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    waitForPreviews(*window);

    QCOMPARE(window->problems(7),
             QStringList{"pictures/7.jpg: " + ContentMessage::pictureCutShort()});
    window->entryList()->setCurrentEntry(7);
    QVERIFY(showsPicture(window->bookPreview(), loadPicture(bundled() + "/画像/h7.gif")));
    QVERIFY(window->entryList()->entryItem(7)->text(0).contains("直すところが 1 つ"));

    const QString twoFiles = ContentMessage::filesForOneEntry(20, {"20.png", "さくら.jpg"});
    QCOMPARE(window->problems(20),
             (QStringList{"pictures/20.png: " + twoFiles, "pictures/さくら.jpg: " + twoFiles}));
    const QString photo = m_dir.filePath("camera/sakura.webp");
    writeAll(photo, encoded(gradientPicture(QSize(90, 60)), "WEBP"));
    window->setPhoto(20, photo);
    QCOMPARE(QDir(folder + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"20.webp", "7.jpg"}));
    QCOMPARE(window->problems(20), QStringList());

    QCOMPARE(window->problems(12), QStringList{"texts/12.txt: 1行目" + ContentMessage::notUtf8()});
    QVERIFY(window->saveAll());
    QCOMPARE(readAll(folder + "/texts/12.txt"), QStringLiteral("黄色い花\n").toUtf8());
    QCOMPARE(window->problems(12), QStringList());
}

// Files a file manager puts in the folder while the editor is open show.
void TestEditor::changesMadeOutsideAreRead()
{
    const QString folder = m_dir.filePath("school");
    const std::unique_ptr<EditorWindow> window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    writeAll(folder + "/texts/33.txt", "赤い花。\n");
    writeAll(folder + "/pictures/34.png", encoded(discPicture(QSize(80, 80)), "PNG"));
    QTRY_COMPARE(window->source()->photo(34), folder + "/pictures/34.png");
    window->entryList()->setCurrentEntry(33);
    QTRY_COMPARE(window->rowEditor()->rows(), QStringList{"赤い花。"});
}

// A text that cannot be written stays in the editor, unsaved, with the
// reason; it is written once the way is clear.
void TestEditor::textThatCannotBeSavedIsKept()
{
    const QString folder = m_dir.filePath("school");
    QVERIFY(QDir().mkpath(folder + "/texts/41.txt")); // a folder where the file goes
    const std::unique_ptr<EditorWindow> window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    window->entryList()->setCurrentEntry(41);
    RowEditor *editor = window->rowEditor();
    editor->selectAll();
    type(editor, QStringLiteral("とげのある花。"));
    QVERIFY(!window->saveAll());
    QVERIFY(window->isWindowModified());
    QVERIFY(window->statusBar()->currentMessage().contains("texts/41.txt: "));
    QCOMPARE(editor->rows(), QStringList{"とげのある花。"});

    QVERIFY(QDir().rmdir(folder + "/texts/41.txt"));
    QVERIFY(window->saveAll());
    QCOMPARE(readAll(folder + "/texts/41.txt"), QStringLiteral("とげのある花。\n").toUtf8());
}

void TestEditor::welcomeOffersANewAndTheLastFolder()
{
    const std::unique_ptr<EditorWindow> window = newWindow();
    window->show();
    window->showWelcome();
    auto *welcome = window->findChild<WelcomePage *>();
    QVERIFY(welcome->isVisible());
    QStringList offers;
    for (const QPushButton *button : welcome->findChildren<QPushButton *>())
        if (button->isVisible())
            offers << button->text();
    // The last folder opened is the one outside the home folder.
    QVERIFY(offers.contains("前回のフォルダを開く（" + m_dir.filePath("school") + "）"));
    const QString made = m_dir.filePath("home/花の図鑑の内容");
    QVERIFY(offers.contains("新しいフォルダを作る（~/花の図鑑の内容）"));
    emit welcome->makeFolder();
    QCOMPARE(window->source()->folder(), made);
    QCOMPARE(window->windowTitle(), QStringLiteral("花の図鑑の内容[*]"));
}

void TestEditor::endingSignalsAskToClose()
{
    const SignalQuit quit;
    QSignalSpy asked(&quit, &SignalQuit::quitRequested);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(signal);
        QVERIFY(asked.wait());
    }
}

// A file changed since its preview was made is made again, and an urgent
// request goes ahead of those waiting.
void TestEditor::previewsFollowTheFileAndItsTime()
{
    PreviewCache cache(QSize(48, 48));
    QSignalSpy ready(&cache, &PreviewCache::ready);
    const QString photo = m_dir.filePath("camera/changing.png");
    writeAll(photo, encoded(discPicture(QSize(300, 200)), "PNG"));
    QCOMPARE(cache.preview(photo), nullptr);
    QTRY_VERIFY(cache.preview(photo));
    QCOMPARE(cache.preview(photo)->picture.size(), QSize(218, 145));
    QCOMPARE(cache.preview(photo)->thumbnail.size(), QSize(48, 31));

    QFile file(photo);
    writeAll(photo, encoded(gradientPicture(QSize(100, 300)), "PNG"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                             QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(cache.preview(photo), nullptr);
    QTRY_VERIFY(cache.preview(photo));
    QCOMPARE(cache.preview(photo)->picture.size(), QSize(75, 225));

    ready.clear();
    QStringList pictures;
    for (int entry = 1; entry <= 8; ++entry)
        pictures << bundled() + ContentPack::entryPicture(entry);
    for (const QString &picture : pictures)
        cache.preview(picture);
    cache.preview(pictures.last(), true);
    QTRY_COMPARE(cache.pending(), 0);
    QVERIFY(ready.indexOf(QVariantList{pictures.last()}) <
            ready.indexOf(QVariantList{pictures.at(5)}));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
