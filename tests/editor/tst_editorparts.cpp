#include "content/contentpack.h"
#include "content/contentproblem.h"
#include "editor/editormessage.h"
#include "editor/entryreport.h"
#include "editor/saveschedule.h"
#include "editor/sourcecopy.h"
#include "editortesting.h"
#include "support/fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The editor's parts that need no window: an entry's report, when texts
// are saved, and the copy of a folder that cannot be written.
class TestEditorParts : public QObject
{
    Q_OBJECT

private slots:
    void reportNamesEachRowProblemOnceInPlainWords();
    void reportChecksOnlyTheTeachersOwnReadableText();
    void reportTellsFileProblemsOncePerEntry();
    void saveComesAfterAPauseOrAtTheLongestWait();
    void copyOfAFolderTakesItsPicturesAndTexts();

private:
    static QString with(const QString &what) { return EditorMessage::withFlower("ばら", what); }
    static EntryFacts factsOf(bool ownText)
    {
        EntryFacts facts;
        facts.flower = "ばら";
        facts.ownText = ownText;
        return facts;
    }
};

void TestEditorParts::reportNamesEachRowProblemOnceInPlainWords()
{
    QString wide;
    while (ContentPack::rowWidth(wide) <= ContentPack::listTextWidth())
        wide += QChar(0x82B1);
    EntryFacts facts = factsOf(true);
    facts.rows = {"赤い花。", "波〜線〜", wide, QStringLiteral("花\U0001F338\U0001F338")};
    const EntryReport report(facts);
    // Only what the pack leaves out is to be mended; what it writes in
    // another form or on two rows is told, once a row.
    QCOMPARE(report.problems(),
             QStringList{with(EditorMessage::characterLeftOut(4, "\U0001F338"))});
    QCOMPARE(report.notes(), (QStringList{with(EditorMessage::characterWritten(2, "〜", "～")),
                                          with(EditorMessage::rowWrapped(3, 2))}));
    QVERIFY(!report.textKeptOut());
    QVERIFY(report.problems().first().contains("消すか"));
    // The book shows the rows as the pack will hold them.
    QCOMPARE(report.shownRows(),
             (QStringList{"赤い花。", "波～線～", wide.chopped(1), wide.right(1), "花"}));

    facts.rows = {"赤い花。", "春に咲きます。"};
    const EntryReport mended(facts);
    QVERIFY(mended.clean());
    QVERIFY(mended.notes().isEmpty());
    QVERIFY(!mended.textKeptOut());
    QCOMPARE(mended.shownRows(), facts.rows);

    // Nothing of it can be written: the bundled text stays in the pack.
    facts.rows = {QStringLiteral("\U0001F338")};
    const EntryReport nothing(facts);
    QVERIFY(nothing.textKeptOut());
    QCOMPARE(nothing.shownRows(), facts.rows);
}

// The bundled rows go into the pack as they are; a text that could not be
// read is told once, not row by row.
void TestEditorParts::reportChecksOnlyTheTeachersOwnReadableText()
{
    EntryFacts facts = factsOf(false);
    facts.rows = {"波〜線"};
    QVERIFY(EntryReport(facts).clean());

    facts.ownText = true;
    facts.textUnreadable = true;
    const EntryReport unreadable(facts);
    QCOMPARE(unreadable.problems(), QStringList{with(EditorMessage::textUnreadable())});
    QVERIFY(!unreadable.textKeptOut());

    facts.textUnreadable = false;
    facts.textNotRead = true;
    QCOMPARE(EntryReport(facts).problems(), QStringList{with(EditorMessage::textCannotBeRead())});
    facts.textNotRead = false;

    facts.textUnreadable = false;
    facts.textInOldForm = true;
    facts.rows = {"黄色い花"};
    QCOMPARE(EntryReport(facts).problems(), QStringList{with(EditorMessage::textInOldForm())});
}

// Two files for one entry are one sentence naming both, however many
// problems the folder's reading gave for them; another refused file is
// named with its reason; a photograph without a picture is told as such.
void TestEditorParts::reportTellsFileProblemsOncePerEntry()
{
    const QString twice = ContentMessage::filesForOneEntry(41, {"41.jpg", "ばら.png"});
    const QString kind = ContentMessage::wrongKind({"jpg", "jpeg", "png", "webp"});
    EntryFacts facts = factsOf(false);
    facts.fileProblems = {{"pictures/41.jpg", 0, twice},
                          {"pictures/ばら.png", 0, twice},
                          {"pictures/ばら.bmp", 0, kind}};
    facts.pictureFiles = {"41.jpg", "ばら.png"};
    facts.textFiles = {"41.txt"};
    facts.photoUnusable = true;
    const EntryReport report(facts);
    QCOMPARE(report.problems(),
             (QStringList{with(EditorMessage::fileRefused("ばら.bmp", kind)),
                          with(EditorMessage::filesForOneEntry(true, {"41.jpg", "ばら.png"})),
                          with(EditorMessage::photoUnusable())}));
    QVERIFY(!report.problems().join(u'\n').contains("pictures/"));
    QVERIFY(!report.textKeptOut());
}

void TestEditorParts::saveComesAfterAPauseOrAtTheLongestWait()
{
    FakeClock clock;
    SaveSchedule schedule(clock, 500, 1000);
    QVERIFY(!schedule.pending());
    schedule.changed();
    clock.now += 0.3;
    schedule.changed();
    QVERIFY(schedule.pending());
    QCOMPARE(schedule.millisecondsLeft(), 500);
    clock.now += 0.5;
    QCOMPARE(schedule.millisecondsLeft(), 0);

    // Typing on: due at the longest wait from the first change.
    schedule.saved();
    for (int key = 0; key < 4; ++key) {
        clock.now += 0.3;
        schedule.changed();
    }
    QCOMPARE(schedule.millisecondsLeft(), 100);
    clock.now += 0.1;
    QCOMPARE(schedule.millisecondsLeft(), 0);

    // Saved, the next change starts the wait again.
    schedule.saved();
    QVERIFY(!schedule.pending());
    clock.now += 5;
    schedule.changed();
    QCOMPARE(schedule.millisecondsLeft(), 500);
}

// The copy holds the pictures and texts the teacher may write, and goes
// beside the others in the home folder under a name that is free.
void TestEditorParts::copyOfAFolderTakesItsPicturesAndTexts()
{
    QTemporaryDir dir;
    qputenv("HOME", dir.filePath("home").toUtf8());
    QVERIFY(QDir().mkpath(dir.filePath("home")));
    const QString source = dir.filePath("庭");
    writeGarden(source);
    writeAll(source + "/notes/other.txt", "not copied");
    QVERIFY(QFile::setPermissions(source + "/texts/ひまわり.txt", QFile::ReadOwner));

    const QString copy = copyFolderFor(source);
    QCOMPARE(copy, dir.filePath("home/庭 の写し"));
    QCOMPARE(copySourceFolder(source, copy), std::nullopt);
    QCOMPARE(QDir(copy).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"pictures", "texts"}));
    QCOMPARE(readAll(copy + "/pictures/1.jpg"), readAll(source + "/pictures/1.jpg"));
    QCOMPARE(readAll(copy + "/texts/ひまわり.txt"), QByteArray("夏に咲く花。\n"));
    QVERIFY(QFileInfo(copy + "/texts/ひまわり.txt").permission(QFile::WriteOwner));

    QCOMPARE(copyFolderFor(source), dir.filePath("home/庭 の写し 2"));
    QVERIFY(copySourceFolder(source, copy).has_value()); // never into one that exists
}

QTEST_MAIN(TestEditorParts)
#include "tst_editorparts.moc"
