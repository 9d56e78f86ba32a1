#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/explanation.h"
#include "content/folderlock.h"
#include "editor/bookpreview.h"
#include "editor/editormessage.h"
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/entrymodel.h"
#include "editor/entrypage.h"
#include "editor/roweditor.h"
#include "editor/sourcedocument.h"
#include "editor/statuscolours.h"
#include "editor/welcomepage.h"
#include "editortesting.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "sourcepictures.h"
#include "support/fakes.h"
#include "version/version.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QThreadPool>

namespace {

constexpr int PackTimeout = 120000;

QStringList marked(const RowEditor *editor, RowEditor::Mark mark)
{
    QStringList spans;
    for (const QTextEdit::ExtraSelection &selection : editor->extraSelections())
        if (selection.format.property(RowEditor::MarkProperty).toInt() == int(mark))
            spans << selection.cursor.selectedText();
    return spans;
}

QString entryText(const EditorWindow &window, int entry)
{
    return window.entryList()->entries()->indexOf(entry).data().toString();
}

QString plain(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// Words for a teacher name no file, code point, character set or pixels.
bool speaksPlainly(const QString &words)
{
    for (const char *technical : {"texts/", "pictures/", "U+", "Shift-JIS", "ピクセル", "番"})
        if (words.contains(QString::fromUtf8(technical)))
            return false;
    return true;
}

PackResult waitForPack(QSignalSpy &finished)
{
    if (finished.isEmpty() && !finished.wait(PackTimeout))
        return {};
    return finished.takeFirst().first().value<PackResult>();
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void listShowsTheEntriesUnderTheirKanaRows();
    void photographsAreCheckedBeforeTheyAreCopiedIn();
    void rowsAreMarkedAndReportedInPlainWords();
    void textsAreSavedOnTheWayAndOnClose();
    void packIsMadeIntoTheDataHomeAndChecked();
    void aRunningPackKeepsTheFolderAndAsksBeforeClosing();
    void warnsBeforeMakingAPackWithProblems();
    void foldersNotToWriteAreRefused();
    void readOnlyFolderOffersAWritableCopy();
    void whatAKilledRunLeftIsPutRight();
    void filesItCannotUseAreNamedAtTheirEntries();
    void changesMadeOutsideAreRead();
    void textThatCannotBeSavedIsKept();
    void welcomeAndReopeningStartWhereTheTeacherWas();
    void dialogsStartInFoldersThatExist();
    void coloursComeFromThePalette();
    void aboutGivesTheVersionAndTheLicence();

private:
    std::unique_ptr<EditorWindow> newWindow(SaveTiming saving = {200, 1000, nullptr});
    QString newGarden(const QString &name);
    void waitForPreviews(EditorWindow &window);

    QTemporaryDir m_dir;
    QString m_program;
};

void TestEditor::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    qputenv("HOME", m_dir.filePath("home").toUtf8());
    QVERIFY(QDir().mkpath(m_dir.filePath("home")));
    // Stands in for the picture book: tells how it was started.
    m_program = m_dir.filePath("hana");
    writeAll(m_program, "#!/bin/sh\necho \"$@\" > \"$0.started\"\n");
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Nothing a test did is remembered into the next.
void TestEditor::init()
{
    QSettings(QStringLiteral("hana"), QStringLiteral("hana-editor")).clear();
}

std::unique_ptr<EditorWindow> TestEditor::newWindow(SaveTiming saving)
{
    auto window = std::make_unique<EditorWindow>(
        EditorSetup{bundled(), m_program, PackPlace::forUser(), saving});
    window->show();
    return window;
}

QString TestEditor::newGarden(const QString &name)
{
    const QString folder = m_dir.filePath(name);
    writeGarden(folder);
    return folder;
}

void TestEditor::waitForPreviews(EditorWindow &window)
{
    QTRY_COMPARE_WITH_TIMEOUT(window.previews().pending(), 0, 30000);
}

// The entries under their kana rows, named by their flowers for a screen
// reader; the keys pass over the headings; the book shows the picture
// hana-pack makes, centred as the picture book centres it; files that
// belong to no entry are named under the list.
void TestEditor::listShowsTheEntriesUnderTheirKanaRows()
{
    const QString garden = newGarden("rows");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    QCOMPARE(window->windowTitle(), QStringLiteral("rows[*]"));
    EntryList *list = window->entryList();
    const EntryModel *model = list->entries();
    QCOMPARE(model->rowCount(), 10);
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("か行"));
    QCOMPARE(model->indexOf(8).parent(), model->index(1, 0));
    QVERIFY(!(model->index(1, 0).flags() & Qt::ItemIsSelectable));
    QStringList names;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        names << model->indexOf(entry).data(Qt::AccessibleTextRole).toString();
    QCOMPARE(names, ContentPack::boardNames());

    list->setCurrentEntry(7);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // over the row's heading
    QCOMPARE(window->currentEntry(), 8);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(window->currentEntry(), 7);
    list->setCurrentEntry(1);

    waitForPreviews(*window);
    QVERIFY(entryText(*window, 1).contains("写真・同梱の説明"));
    QVERIFY(entryText(*window, 2).contains("同梱の絵・同梱の説明"));
    QVERIFY(entryText(*window, 45).contains("写真・自分の説明"));

    const QImage expected = packedPicture(garden + "/pictures/1.jpg");
    const Image *picture = window->bookPreview()->picture();
    QVERIFY(showsPicture(window->bookPreview(), expected));
    QCOMPARE(picture->leftTwips(), 5865 + (3270 - pixelsToTwips(expected.width())) / 2);
    QCOMPARE(picture->topTwips(), 2910 + (3375 - pixelsToTwips(expected.height())) / 2);
    QCOMPARE(window->bookPreview()->entryName()->caption(), QStringLiteral("あさがお"));
    QCOMPARE(window->bookPreview()->explanation()->items(), ReadExplanationLines(bundled(), 1));

    const auto *stray = window->findChild<QLabel *>("strayFiles");
    QVERIFY(stray && stray->isVisible());
    QVERIFY(plain(stray->text()).contains("pictures/notes.txt: "));
    QFile::remove(garden + "/pictures/notes.txt");
    QTRY_VERIFY(!stray->isVisible());
}

// A photograph dropped on an entry, or on the book, is decoded as hana-pack
// will decode it and copied in as that entry's only picture file, turned
// upright; the teacher's file stays. One that gives no picture is refused
// with one message, and nothing is copied.
void TestEditor::photographsAreCheckedBeforeTheyAreCopiedIn()
{
    const QString garden = newGarden("drops");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    waitForPreviews(*window);
    const QString photo = m_dir.filePath("camera/IMG_0045.JPG");
    writeAll(photo, withExifOrientation(encoded(markedPicture(QSize(1200, 900)), "JPEG"), 6));
    EntryList *list = window->entryList();
    list->scrollTo(list->entries()->indexOf(45));
    dropFile(list->viewport(), list->entryRect(45).center(), photo);

    QCOMPARE(window->currentEntry(), 45);
    QCOMPARE(QDir(garden + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"1.jpg", "45.jpg", "notes.txt"}));
    QCOMPARE(readAll(garden + "/pictures/45.jpg"), readAll(photo));
    // The check's picture serves as the preview: none is made again.
    QCOMPARE(window->previews().pending(), 0);
    const QImage upright = packedPicture(garden + "/pictures/45.jpg");
    QCOMPARE(upright.size(), QSize(169, 225));
    QVERIFY(showsPicture(window->bookPreview(), upright));

    list->setCurrentEntry(3);
    BookPreview *book = window->bookPreview();
    const QPoint middle = book->rect().center() + QPoint(book->width() / 4, 0);
    const QString png = m_dir.filePath("camera/anemone.png");
    writeAll(png, encoded(discPicture(QSize(300, 300)), "PNG"));
    dropFile(book, middle, png);
    QVERIFY(QFile::exists(garden + "/pictures/3.png"));
    window->revertPicture();
    QVERIFY(!QFile::exists(garden + "/pictures/3.png"));
    QVERIFY(QFile::exists(png));
    waitForPreviews(*window);
    QVERIFY(entryText(*window, 3).contains("同梱の絵"));

    const QString broken = m_dir.filePath("camera/broken.jpg");
    const QByteArray jpeg = encoded(gradientPicture(QSize(300, 300)), "JPEG");
    writeAll(broken, jpeg.left(jpeg.size() / 2));
    window->statusBar()->clearMessage();
    window->setPhoto(7, broken);
    QVERIFY(!QFile::exists(garden + "/pictures/7.jpg"));
    const QMessageBox *refused = shownBox(window.get(), "problem");
    QVERIFY(refused);
    QCOMPARE(refused->text(),
             EditorMessage::withFlower(SourceDocument::flower(7), EditorMessage::photoRefused()));
    QCOMPARE(window->statusBar()->currentMessage(), QString());
    QCOMPARE(window->problems(7), QStringList());
}

// Marks and the report come from one check of each change; the report
// names the flower first and says what to do, without code points or
// pixels; undo takes every change back.
void TestEditor::rowsAreMarkedAndReportedInPlainWords()
{
    const auto window = newWindow();
    QCOMPARE(window->openFolder(newGarden("rows")), std::nullopt);
    // Entry 14's eight rows and the three typed are no more than the list shows.
    window->entryList()->setCurrentEntry(14);
    RowEditor *editor = window->rowEditor();
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
    editor->textCursor().insertText(QStringLiteral("\U0001F338"));

    const int row = int(before.size()) + 1;
    QCOMPARE(editor->widthTexts().at(row - 1), QStringLiteral("%1 / %2")
                                                   .arg(ContentPack::rowWidth(wide))
                                                   .arg(ContentPack::listTextWidth()));
    QCOMPARE(marked(editor, RowEditor::Mark::PastTheList), QStringList{QString(QChar(0x82B1))});
    QCOMPARE(marked(editor, RowEditor::Mark::LookAlike), QStringList{"〜"});
    QCOMPARE(marked(editor, RowEditor::Mark::NotInCodePage), QStringList{"\U0001F338"});
    const QString flower = ContentPack::BoardNames[13].toString();
    const QStringList problems = window->problems(14);
    QCOMPARE(problems, QStringList{EditorMessage::withFlower(
                           flower, EditorMessage::characterLeftOut(row + 1, "\U0001F338"))});
    QVERIFY(speaksPlainly(problems.join(u'\n')));
    const QModelIndex item = window->entryList()->entries()->indexOf(14);
    QCOMPARE(item.data(Qt::ToolTipRole).toString(), problems.join('\n'));
    QCOMPARE(item.data(Qt::AccessibleDescriptionRole).toString(), problems.join('\n'));
    // What the pack writes by itself is told on the page, not marked in the list.
    const QString page = plain(window->entryPage()->problemsText());
    QVERIFY(page.contains(EditorMessage::rowWrapped(row, 2)));
    QVERIFY(page.contains(EditorMessage::characterWritten(row + 1, "〜", "～")));
    QVERIFY(speaksPlainly(page));
    // The book shows the rows as the pack will hold them.
    const QStringList shown = window->bookPreview()->explanation()->items();
    QCOMPARE(shown.mid(row - 1),
             (QStringList{wide.chopped(1), wide.right(1), QStringLiteral("波～線")}));

    QAction *undo = window->findChild<QAction *>("undo");
    while (undo->isEnabled())
        undo->trigger();
    QCOMPARE(editor->rows(), before);
    QCOMPARE(window->problems(14), QStringList());
    QVERIFY(editor->extraSelections().isEmpty());
    QTRY_VERIFY(!window->isWindowModified());
    QVERIFY(!QFile::exists(m_dir.filePath("rows/texts/14.txt")));
}

// Typing on and on is saved within the longest wait of its first change,
// as well as after a pause, on the clock the window is given; the rest is
// saved on closing. Back to the bundled text, the teacher's file goes;
// undone, it comes back.
void TestEditor::textsAreSavedOnTheWayAndOnClose()
{
    const QString garden = newGarden("saving");
    const QString file = garden + "/texts/56.txt";
    FakeClock clock;
    const auto window = newWindow({1000, 1000, &clock});
    QCOMPARE(window->openFolder(garden), std::nullopt);
    window->entryList()->setCurrentEntry(56);
    RowEditor *editor = window->rowEditor();
    editor->selectAll();
    type(editor, QStringLiteral("白"));
    QVERIFY(window->isWindowModified());
    clock.now += 0.5;
    type(editor, QStringLiteral("い"));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(file));
    clock.now += 0.6; // still typing, 0.6 s after the last key
    type(editor, QStringLiteral("花。"));
    QTRY_COMPARE(readAll(file), QByteArray("白い花。\n"));
    QVERIFY(!window->isWindowModified());

    QTest::keyClick(editor, Qt::Key_Return);
    type(editor, QStringLiteral("夏"));
    clock.now += 1.1; // a pause
    QTRY_COMPARE(readAll(file), QByteArray("白い花。\n夏\n"));

    type(editor, QStringLiteral("に咲きます。"));
    window->close();
    QCOMPARE(readAll(file), QByteArray("白い花。\n夏に咲きます。\n"));

    window->show();
    window->entryList()->setCurrentEntry(45);
    window->revertText();
    QVERIFY(!QFile::exists(garden + "/texts/ひまわり.txt"));
    QCOMPARE(window->rowEditor()->rows(), ReadExplanationLines(bundled(), 45));
    window->findChild<QAction *>("undo")->trigger();
    clock.now += 2;
    QTRY_COMPARE(readAll(garden + "/texts/45.txt"), QByteArray("夏に咲く花。\n"));
}

// The pack is built as hana-pack builds it, installed for the user with its
// menu entry, passes the content check and holds what the book showed;
// stopped, the run leaves the installed pack as it was and says so.
void TestEditor::packIsMadeIntoTheDataHomeAndChecked()
{
    const QString garden = newGarden("packing");
    writeAll(garden + "/texts/56.txt", "白い花。\n夏に咲きます。\n");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    QSignalSpy finished(window.get(), &EditorWindow::packFinished);
    window->makePack(QStringLiteral("校庭"));
    window->makePack(QStringLiteral("二つ目")); // one run at a time
    const PackResult result = waitForPack(finished);
    QVERIFY(result.summary.made);
    QCOMPARE(texts(result.problems),
             QStringList{garden + "/pictures/notes.txt: " +
                         ContentMessage::wrongKind({"jpg", "jpeg", "png", "webp"})});
    QCOMPARE(result.folder, m_dir.filePath("data/hana/packs/校庭"));
    QCOMPARE(texts(checkContent(result.folder)), QStringList());
    QCOMPARE(result.summary.picturesMade, (QList<int>{1, 45}));
    QCOMPARE(result.summary.textsMade, (QList<int>{45, 56}));
    QCOMPARE(loadPicture(result.folder + "/画像/h1.gif"),
             packedPicture(garden + "/pictures/1.jpg"));
    QCOMPARE(ReadExplanationLines(result.folder, 56), (QStringList{"白い花。", "夏に咲きます。"}));
    QVERIFY(result.summary.lines().last().contains(m_dir.filePath("data/applications/")));
    QVERIFY(shownBox(window.get(), "packSummary"));
    QVERIFY(window->findChild<QAction *>("view")->isEnabled());

    window->viewPack();
    QTRY_COMPARE(readAll(m_program + ".started"), "--content " + result.folder.toUtf8() + "\n");

    const QByteArray installed = readAll(result.folder + "/画像/h1.gif");
    // The run waits behind the pool's busy threads until the click has
    // come, so that however fast this machine packs, the stop is not late.
    QThreadPool *pool = QThreadPool::globalInstance();
    QSemaphore busy;
    for (int thread = 0; thread < pool->maxThreadCount(); ++thread)
        pool->start([&busy] { busy.acquire(); });
    window->makePack(QStringLiteral("校庭"));
    window->findChild<QPushButton *>("cancelPack")->click();
    busy.release(pool->maxThreadCount());
    QVERIFY(!waitForPack(finished).summary.made);
    QCOMPARE(readAll(result.folder + "/画像/h1.gif"), installed);
    QCOMPARE(shownBox(window.get(), "packSummary")->text(),
             EditorMessage::stoppedKeepingOld("校庭"));

    window->findChild<QAction *>("help")->trigger();
    const auto *help = window->findChild<QTextBrowser *>("help");
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains("パックを作る"));
}

// While the worker reads the folder, it stays open and locked here: New and
// Open are off and another folder is refused. Closing asks first and stops
// the run only on yes.
void TestEditor::aRunningPackKeepsTheFolderAndAsksBeforeClosing()
{
    const QString garden = newGarden("running");
    const QString other = newGarden("other");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    QSignalSpy finished(window.get(), &EditorWindow::packFinished);

    window->makePack(QStringLiteral("走る"));
    QVERIFY(!window->findChild<QAction *>("new")->isEnabled());
    QVERIFY(!window->findChild<QAction *>("open")->isEnabled());
    QCOMPARE(window->openFolder(other), EditorMessage::busyMakingPack());
    QCOMPARE(window->source()->folder(), garden);
    QVERIFY(!FolderLock::tryTake(garden, FolderLock::Mode::Exclusive));
    QString asked;
    answerNextBox(QMessageBox::No, &asked);
    window->close();
    QCOMPARE(asked, EditorMessage::stillMaking());
    QVERIFY(window->isVisible());
    QVERIFY(waitForPack(finished).summary.made);
    QVERIFY(window->findChild<QAction *>("open")->isEnabled());

    window->makePack(QStringLiteral("走る"));
    answerNextBox(QMessageBox::Yes);
    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY(!waitForPack(finished).summary.made);
}

// Before a pack is made, the flowers that still have something to mend
// are named; no keeps the pack from being made.
void TestEditor::warnsBeforeMakingAPackWithProblems()
{
    const QString garden = newGarden("warned");
    writeAll(garden + "/texts/2.txt", "花\U0001F338\n");
    writeAll(garden + "/pictures/ばら.webp", "not a photo");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    waitForPreviews(*window);
    window->findChild<QAction *>("pack")->trigger();
    QMessageBox *warning = shownBox(window.get(), "unmendedWarning");
    QVERIFY(warning);
    QCOMPARE(warning->text(), EditorMessage::unmended({"あじさい", "ばら"}));
    warning->button(QMessageBox::No)->click();
    QTest::qWait(50);
    QVERIFY(!window->findChild<QPushButton *>("cancelPack")->isVisible());
}

void TestEditor::foldersNotToWriteAreRefused()
{
    const QString garden = newGarden("held");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    QCOMPARE(window->openFolder(garden), std::nullopt); // already open here
    const auto other = newWindow();
    QVERIFY(other->openFolder(garden)->startsWith(ContentMessage::folderInUse()));
    QVERIFY(other->openFolder(bundled())->startsWith(ContentMessage::folderIsBundledPack()));
    QVERIFY(
        other->openFolder(bundled() + "/画像")->startsWith(ContentMessage::folderIsBundledPack()));
    QVERIFY(
        other->openFolder(m_dir.filePath("missing"))->startsWith(ContentMessage::sourceMissing()));
    const QString installed = m_dir.filePath("data/hana/packs/入れた");
    QVERIFY(QDir().mkpath(installed + "/画像"));
    QVERIFY(other->openFolder(installed)->startsWith(ContentMessage::folderIsInstalledPack()));
    const QString file = garden + "/pictures/1.jpg";
    QCOMPARE(*other->openFolder(file), EditorMessage::fileNotFolder() + "\n" + file);
    QCOMPARE(other->source(), nullptr);
}

// Opened, a folder its owner may not write says so at once and offers a
// copy in the home folder, which is opened in its place.
void TestEditor::readOnlyFolderOffersAWritableCopy()
{
    const QString garden = newGarden("閉じた庭");
    const QFile::Permissions closed = QFile::ReadOwner | QFile::ExeOwner;
    for (const QString &folder : {garden + "/pictures", garden + "/texts", garden})
        QVERIFY(QFile::setPermissions(folder, closed));
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    QMessageBox *offer = shownBox(window.get(), "readOnlyOffer");
    for (const QString &folder : {garden, garden + "/pictures", garden + "/texts"})
        QFile::setPermissions(folder, closed | QFile::WriteOwner);
    QVERIFY(offer);
    QCOMPARE(offer->text(), EditorMessage::readOnlyFolder());
    offer->defaultButton()->click();

    const QString copy = m_dir.filePath("home/閉じた庭 の写し");
    QCOMPARE(window->source()->folder(), copy);
    QCOMPARE(QDir(copy + "/pictures").entryList(QDir::Files),
             (QStringList{"1.jpg", "notes.txt", "ひまわり.png"}));
    QCOMPARE(readAll(copy + "/texts/ひまわり.txt"), QByteArray("夏に咲く花。\n"));
    QVERIFY(!window->source()->files().isReadOnly());
    QVERIFY(!shownBox(window.get(), "readOnlyOffer"));
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
    const auto window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    QCOMPARE(QDir(folder + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"8.png", "9.jpg"}));
    QCOMPARE(QDir(folder + "/texts").entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(window->source()->files().photo(8), folder + "/pictures/8.png");
}

// A photograph hana-pack cannot use, two files for one entry and a text in
// Shift-JIS are told at their entries in the teacher's words; the book shows
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
    const auto window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    waitForPreviews(*window);

    QCOMPARE(window->problems(7), QStringList{EditorMessage::withFlower(
                                      SourceDocument::flower(7), EditorMessage::photoUnusable())});
    window->entryList()->setCurrentEntry(7);
    QVERIFY(showsPicture(window->bookPreview(), loadPicture(bundled() + "/画像/h7.gif")));
    QVERIFY(entryText(*window, 7).contains("直すところが 1 つ"));

    QCOMPARE(window->problems(20),
             QStringList{EditorMessage::withFlower(
                 "さくら", EditorMessage::filesForOneEntry(true, {"20.png", "さくら.jpg"}))});
    const QString photo = m_dir.filePath("camera/sakura.webp");
    writeAll(photo, encoded(gradientPicture(QSize(90, 60)), "WEBP"));
    window->setPhoto(20, photo);
    QCOMPARE(QDir(folder + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"20.webp", "7.jpg"}));
    QCOMPARE(window->problems(20), QStringList());

    const QString yellow = ContentPack::BoardNames[11].toString();
    QCOMPARE(window->problems(12),
             QStringList{EditorMessage::withFlower(yellow, EditorMessage::textInOldForm())});
    QVERIFY(speaksPlainly(window->problems(12).first()));
    QVERIFY(window->saveAll());
    QCOMPARE(readAll(folder + "/texts/12.txt"), QStringLiteral("黄色い花\n").toUtf8());
    QCOMPARE(window->problems(12), QStringList());
}

// Files a file manager puts in the folder show, and so does a text another
// editor writes again in place.
void TestEditor::changesMadeOutsideAreRead()
{
    const QString folder = newGarden("outside");
    writeAll(folder + "/texts/33.txt", "赤い花。\n");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    window->entryList()->setCurrentEntry(33);
    QCOMPARE(window->rowEditor()->rows(), QStringList{"赤い花。"});

    QFile inPlace(folder + "/texts/33.txt");
    QVERIFY(inPlace.open(QIODevice::ReadWrite | QIODevice::Truncate));
    inPlace.write(QStringLiteral("とても赤い花。\n").toUtf8());
    inPlace.close();
    QTRY_COMPARE(window->rowEditor()->rows(), QStringList{"とても赤い花。"});

    writeAll(folder + "/pictures/34.png", encoded(discPicture(QSize(80, 80)), "PNG"));
    QTRY_COMPARE(window->source()->files().photo(34), folder + "/pictures/34.png");
    writeAll(folder + "/texts/35.txt", "白い花。\n");
    window->entryList()->setCurrentEntry(35);
    QTRY_COMPARE(window->rowEditor()->rows(), QStringList{"白い花。"});
}

// A text that cannot be written stays in the editor, unsaved, with the
// reason after its flower; it is written once the way is clear.
void TestEditor::textThatCannotBeSavedIsKept()
{
    const QString folder = newGarden("blocked");
    QVERIFY(QDir().mkpath(folder + "/texts/41.txt")); // a folder where the file goes
    const auto window = newWindow();
    QCOMPARE(window->openFolder(folder), std::nullopt);
    window->entryList()->setCurrentEntry(41);
    RowEditor *editor = window->rowEditor();
    editor->selectAll();
    type(editor, QStringLiteral("とげのある花。"));
    QVERIFY(!window->saveAll());
    QVERIFY(window->isWindowModified());
    const QString flower = ContentPack::BoardNames[40].toString();
    QVERIFY(window->statusBar()->currentMessage().startsWith(flower + ": "));
    QCOMPARE(editor->rows(), QStringList{"とげのある花。"});

    QVERIFY(QDir().rmdir(folder + "/texts/41.txt"));
    QVERIFY(window->saveAll());
    QCOMPARE(readAll(folder + "/texts/41.txt"), QStringLiteral("とげのある花。\n").toUtf8());
}

// The welcome page offers the last folder and a new one in the home
// folder; a folder opened again shows the entry the teacher left it at.
void TestEditor::welcomeAndReopeningStartWhereTheTeacherWas()
{
    const QString garden = newGarden("again");
    {
        const auto window = newWindow();
        QCOMPARE(window->openFolder(garden), std::nullopt);
        window->entryList()->setCurrentEntry(23);
        window->close();
    }
    const auto window = newWindow();
    window->showWelcome();
    auto *welcome = window->findChild<WelcomePage *>();
    QVERIFY(welcome->isVisible());
    QMap<QString, QPushButton *> offers;
    for (QPushButton *button : welcome->findChildren<QPushButton *>())
        if (button->isVisible())
            offers.insert(button->text(), button);
    const QString last = "前回のフォルダを開く（" + garden + "）";
    const QString made = "新しいフォルダを作る（~/花の図鑑の内容）";
    QVERIFY(offers.contains(last));
    QVERIFY(offers.contains(made));
    offers[last]->click();
    QCOMPARE(window->currentEntry(), 23);

    window->showWelcome();
    offers[made]->click();
    QCOMPARE(window->source()->folder(), m_dir.filePath("home/花の図鑑の内容"));
    QCOMPARE(window->windowTitle(), QStringLiteral("花の図鑑の内容[*]"));
    QCOMPARE(window->currentEntry(), 1);
}

// The photo dialog starts in a folder that exists with nothing typed; the
// new-folder dialog asks for a folder's name, and a file given there is
// said to be one, as is a file typed into the open dialog.
void TestEditor::dialogsStartInFoldersThatExist()
{
    const QString garden = newGarden("dialogs");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);

    window->findChild<QAction *>("photo")->trigger();
    auto *photo = window->findChild<QFileDialog *>("photoDialog");
    QVERIFY(photo->isVisible());
    QVERIFY(QFileInfo(photo->directory().path()).isDir());
    QCOMPARE(photo->findChild<QLineEdit *>("fileNameEdit")->text(), QString());
    photo->reject();

    window->findChild<QAction *>("new")->trigger();
    auto *made = window->findChild<QFileDialog *>("newFolderDialog");
    QCOMPARE(made->labelText(QFileDialog::FileName), QStringLiteral("フォルダ名:"));
    QCOMPARE(made->findChild<QComboBox *>("fileTypeCombo")->currentText(),
             QStringLiteral("フォルダ"));
    QVERIFY(made->findChild<QLineEdit *>("fileNameEdit")->text().startsWith("花の図鑑の内容"));
    const QString file = garden + "/pictures/1.jpg";
    made->findChild<QLineEdit *>("fileNameEdit")->setText(file);
    QTest::keyClick(made->findChild<QLineEdit *>("fileNameEdit"), Qt::Key_Return);
    QMessageBox *problem = shownBox(window.get(), "problem");
    QVERIFY(problem);
    QCOMPARE(problem->text(), EditorMessage::fileNotFolder() + "\n" + file);
    QCOMPARE(window->source()->folder(), garden);
    problem->close();

    window->findChild<QAction *>("open")->trigger();
    auto *open = window->findChild<QFileDialog *>("openFolderDialog");
    open->setDirectory(garden + "/pictures");
    open->findChild<QLineEdit *>("fileNameEdit")->setText("1.jpg");
    const auto *why = open->findChild<QLabel *>("notAFolder");
    QVERIFY(why->isVisible());
    QCOMPARE(why->text(), "「1.jpg」は" + EditorMessage::fileNotFolder());
    open->findChild<QLineEdit *>("fileNameEdit")->setText("..");
    QVERIFY(!why->isVisible());
    open->reject();
}

// Under a dark palette the words that tell of problems and of none are in
// light colours that read on it; under a light one, in deep ones.
void TestEditor::coloursComeFromThePalette()
{
    const QString garden = newGarden("colours");
    writeAll(garden + "/texts/2.txt", "花\U0001F338\n");
    const auto window = newWindow();
    QCOMPARE(window->openFolder(garden), std::nullopt);
    window->entryList()->setCurrentEntry(2);
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x18));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    const QPalette light = window->palette();

    for (const bool isDark : {true, false}) {
        const QPalette &palette = isDark ? dark : light;
        window->setPalette(palette);
        const QColor problem = problemColour(palette);
        QCOMPARE(problem.lightness() > 128, isDark);
        QVERIFY(window->entryPage()->problemsText().contains(problem.name()));
        QVERIFY(window->findChild<QLabel *>("strayFiles")->text().contains(problem.name()));
        const QModelIndex item = window->entryList()->entries()->indexOf(2);
        QCOMPARE(item.data(Qt::ForegroundRole).value<QColor>(), problem);
    }
    window->setPalette(dark);
    window->entryList()->setCurrentEntry(3);
    QVERIFY(window->entryPage()->problemsText().contains(fineColour(dark).name()));
    QVERIFY(!window->entryPage()->problemsText().contains("#2e7d32"));
}

// The heading holds the version alone; the licence follows as the one text
// --version gives, its address shown and not taken for a tag.
void TestEditor::aboutGivesTheVersionAndTheLicence()
{
    const auto window = newWindow();
    window->findChild<QAction *>("about")->trigger();
    QMessageBox *about = shownBox(window.get(), "about");
    QVERIFY(about);
    QVERIFY(about->text().contains("<h3>花の図鑑の内容づくり " + versionNumber() + "</h3>"));
    const QString shown = plain(about->text());
    QVERIFY(shown.contains(licenceText()));
    QVERIFY(shown.contains("<https://www.gnu.org/licenses/gpl-3.0.html>"));
    QCOMPARE(versionText(), versionNumber() + "\n" + licenceText());
    about->close();
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
