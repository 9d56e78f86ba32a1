#include "content/contentpack.h"
#include "editor/editormessage.h"
#include "editor/entrymodel.h"
#include "editor/previewcache.h"
#include "editor/roweditor.h"
#include "editor/sourcedocument.h"
#include "editortesting.h"
#include "sourcepictures.h"
#include "support/fakes.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// The open folder without a window: its texts and their files, what it
// sees changed outside, the photographs it takes; and the entries' model
// as any view would walk it.
class TestSourceDocument : public QObject
{
    Q_OBJECT

private slots:
    void unsavedTextsAreNotReadAgainOverTheTeachersWork();
    void filesStayWatchedAfterTheirOwnSaves();
    void aBrokenPhotographLeavesTheGoodOneInPlace();
    void filesOfEachKindAreNamedOncePerEntry();
    void modelHoldsEveryEntryOnceUnderItsRow();

private:
    std::unique_ptr<SourceDocument> open(const QString &folder);
    static void append(QTextDocument *document, const QString &text);

    QTemporaryDir m_dir;
    FakeClock m_clock; // saving waits for it, so only saveAll saves
};

std::unique_ptr<SourceDocument> TestSourceDocument::open(const QString &folder)
{
    QString problem;
    auto document = SourceDocument::open(folder, bundled(), {1000, 1000, &m_clock}, &problem);
    [&] { QCOMPARE(problem, QString()); }();
    return document;
}

void TestSourceDocument::append(QTextDocument *document, const QString &text)
{
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

// A text with changes of its own keeps them when its file changes
// outside; one without is read again into a new document, which those who
// show it are told of before the old one goes.
void TestSourceDocument::unsavedTextsAreNotReadAgainOverTheTeachersWork()
{
    const QString folder = m_dir.filePath("unsaved");
    writeGarden(folder);
    writeAll(folder + "/texts/3.txt", "青い花。\n");
    const auto document = open(folder);
    QSignalSpy replaced(document.get(), &SourceDocument::textReplaced);
    append(document->text(45), QStringLiteral("大きな花。"));
    QVERIFY(document->isModified());

    writeAll(folder + "/texts/ひまわり.txt", "外で書いた。\n");
    writeAll(folder + "/texts/3.txt", "外で書いた青い花。\n");
    document->rescan();
    QCOMPARE(document->rows(45), QStringList{"夏に咲く花。大きな花。"});
    QCOMPARE(document->rows(3), QStringList{"外で書いた青い花。"});
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(replaced.first().first().toInt(), 3);
    QVERIFY(document->text(3)->isUndoAvailable() == false);

    QVERIFY(document->saveAll());
    QCOMPARE(readAll(folder + "/texts/ひまわり.txt"), QByteArray("夏に咲く花。大きな花。\n"));
    QVERIFY(!document->isModified());
}

// Saving puts a new file in the text's place; a rewrite in place after it
// is seen all the same.
void TestSourceDocument::filesStayWatchedAfterTheirOwnSaves()
{
    const QString folder = m_dir.filePath("watched");
    writeGarden(folder);
    const auto document = open(folder);
    append(document->text(45), QStringLiteral("！"));
    QVERIFY(document->saveAll());
    QTest::qWait(500); // the watch's news of the save, and the rescan after it

    QFile inPlace(folder + "/texts/ひまわり.txt");
    QVERIFY(inPlace.open(QIODevice::ReadWrite | QIODevice::Truncate));
    inPlace.write(QStringLiteral("書き直した。\n").toUtf8());
    inPlace.close();
    QTRY_COMPARE(document->rows(45), QStringList{"書き直した。"});
}

// A photograph that gives no picture is refused before anything is moved:
// the entry's own photograph stays, and no file is added.
void TestSourceDocument::aBrokenPhotographLeavesTheGoodOneInPlace()
{
    const QString folder = m_dir.filePath("photos");
    writeGarden(folder);
    const auto document = open(folder);
    PreviewCache previews(QSize(48, 48));
    QSignalSpy changed(document.get(), &SourceDocument::filesChanged);
    const QByteArray jpeg = encoded(gradientPicture(QSize(200, 200)), "JPEG");
    const QString broken = m_dir.filePath("camera/broken.png");
    writeAll(broken, jpeg.left(100));

    QCOMPARE(document->setPhoto(1, broken, previews),
             EditorMessage::withFlower("あさがお", EditorMessage::photoRefused()));
    QCOMPARE(QDir(folder + "/pictures").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"1.jpg", "notes.txt", "ひまわり.png"}));
    QCOMPARE(document->files().photo(1), folder + "/pictures/1.jpg");
    QVERIFY(changed.isEmpty());

    const QString good = m_dir.filePath("camera/good.webp");
    writeAll(good, encoded(gradientPicture(QSize(90, 60)), "WEBP"));
    QCOMPARE(document->setPhoto(1, good, previews), std::nullopt);
    QCOMPARE(document->files().photo(1), folder + "/pictures/1.webp");
    QVERIFY(previews.preview(folder + "/pictures/1.webp")); // kept from the check
    QCOMPARE(changed.size(), 1);
}

// Every file that names an entry is known once, usable or not, from one
// reading of its folder; the folder, its two folders and those files are
// watched.
void TestSourceDocument::filesOfEachKindAreNamedOncePerEntry()
{
    const QString folder = m_dir.filePath("named");
    writeAll(folder + "/pictures/20.png", encoded(discPicture(QSize(60, 60)), "PNG"));
    writeAll(folder + "/pictures/さくら.jpg", encoded(discPicture(QSize(60, 60)), "JPEG"));
    writeAll(folder + "/pictures/21.bmp", "not taken");
    writeAll(folder + "/texts/20.txt", "桜。\n");
    const auto document = open(folder);
    const PackSource &files = document->files();
    QCOMPARE(files.pictureFiles(20), (QStringList{"20.png", "さくら.jpg"}));
    QCOMPARE(files.photo(20), QString());
    QCOMPARE(files.pictureFiles(21), QStringList());
    QCOMPARE(files.fileProblems(21).size(), 1);
    QCOMPARE(files.textFiles(20), QStringList{"20.txt"});
    const QStringList watched = files.watchedPaths();
    for (const QString &path : {folder, folder + "/pictures", folder + "/texts",
                                folder + "/pictures/さくら.jpg", folder + "/texts/20.txt"})
        QVERIFY2(watched.contains(path), qPrintable(path));
    QVERIFY(!files.isReadOnly());
}

// Qt's model tester walks the tree as views do and checks each answer;
// every entry is found once, under the heading of its kana row.
void TestSourceDocument::modelHoldsEveryEntryOnceUnderItsRow()
{
    EntryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<int> found;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex heading = model.index(row, 0);
        QCOMPARE(heading.data(EntryModel::EntryRole).toInt(), 0);
        for (int child = 0; child < model.rowCount(heading); ++child) {
            const int entry = model.index(child, 0, heading).data(EntryModel::EntryRole).toInt();
            QCOMPARE(ContentPack::kanaRowOf(entry), row);
            QCOMPARE(model.indexOf(entry), model.index(child, 0, heading));
            found << entry;
        }
    }
    QCOMPARE(found.size(), ContentPack::EntryCount);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        QCOMPARE(found.at(entry - 1), entry);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EntryState state;
    EntryFacts facts;
    facts.flower = "ばら";
    facts.photoUnusable = true;
    state.report = EntryReport(facts);
    model.setState(41, state);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toModelIndex(), model.indexOf(41));
    QCOMPARE(model.indexOf(41).data(Qt::ToolTipRole).toString(),
             EditorMessage::withFlower("ばら", EditorMessage::photoUnusable()));
    QVERIFY(model.indexOf(41).data(Qt::ForegroundRole).isValid());
    QVERIFY(!model.indexOf(40).data(Qt::ForegroundRole).isValid());
}

QTEST_MAIN(TestSourceDocument)
#include "tst_sourcedocument.moc"
