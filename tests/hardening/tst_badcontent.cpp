#include "app/screennames.h"
#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/contenttext.h"
#include "hardening/contentbytes.h"
#include "hardening/session.h"
#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/listbox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

// How a content file is spoilt before the screens read it.
enum class Damage
{
    Missing,
    Folder,    // a folder of the same name in its place
    HalfCut,   // only the first half of its bytes is left
    Replaced,  // other bytes in its place
    NoFolders, // the three content folders are gone altogether
};

// How far the screens are driven: each moment reads the file of its row.
enum class Moment
{
    BookOpens,
    BookFromMenu,
    EntryShown,
    QuizOpens,
    QuizFromMenu,
    RightAnswer,
    WrongAnswer,
    GoldMedal,
    SilverMedal,
    CopperMedal,
};

// What the error dialog says.
const QString ErrorTitle = QStringLiteral("花の図鑑 - エラー");
const QString ErrorLead = QStringLiteral("エラーが起きたため、プログラムを終了します。");
const QString NotFound = QStringLiteral("ファイルが見つかりません");
const QString FolderInPlace = QStringLiteral("場所にフォルダがあります");
const QString NotGif = QStringLiteral("GIF画像として読み込めません");
const QString CutShort = QStringLiteral("画像ファイルが途中で切れています");
const QString Unreadable = QStringLiteral("読み込めません");
const QString TooLarge = QStringLiteral("ファイルが大きすぎます");
const QString TooFewNames = QStringLiteral("名前が60個必要ですが、");

// What the content checker says of bytes that are no character.
const QString UnreadableBytes = QStringLiteral("読めないバイト");

constexpr qsizetype LargestText = 512 * 1024;
constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

// Generous: the longest allowed text shows in well under a second.
constexpr qint64 ShowingLimitMs = 5000;

QString tooFewNames(int count)
{
    return TooFewNames + QStringLiteral("%1個で終わっています").arg(count);
}

// Right answers in a game of 60 that earn the medal.
int rightAnswersFor(Moment medal)
{
    switch (medal) {
    case Moment::GoldMedal:
        return 60;
    case Moment::SilverMedal:
        return 45;
    default:
        return 30;
    }
}

// The peak resident size of the process since the last reset, in kilobytes.
long peakMemoryKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Makes the peak start again from the present size, so that what earlier
// tests took cannot hide what comes next.
void resetPeakMemory()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

int visibleWindows()
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += widget->isVisible();
    return count;
}

// The names list with its lines cut down to the first count names.
QByteArray firstNames(const QByteArray &namesList, int count)
{
    return namesList.split('\n').mid(0, count).join('\n');
}

// The names list with a double quote before the given name, never closed.
QByteArray withOpenQuote(const QByteArray &namesList, int name)
{
    QList<QByteArray> lines = namesList.split('\n');
    lines[name - 1].prepend('"');
    return lines.join('\n');
}

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Moment)

class TestBadContent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void brokenFileEndsWithDialogNamingIt_data();
    void brokenFileEndsWithDialogNamingIt();
    void unreadableFileEnds_data();
    void unreadableFileEnds();
    void oversizedPictureIsRefusedWithoutItsMemory_data();
    void oversizedPictureIsRefusedWithoutItsMemory();
    void oddExplanationIsShownAsRead_data();
    void oddExplanationIsShownAsRead();
    void namesWithMarkOrBadBytesAreShown_data();
    void namesWithMarkOrBadBytesAreShown();

private:
    void spoil(const QString &file, Damage damage, const QByteArray &bytes = {});
    void reach(Moment moment);
    void verifyEndedWith(const QString &file, const QString &problem);
    QStringList shownRows();

    std::unique_ptr<Session> m_session;
};

void TestBadContent::init()
{
    m_session = std::make_unique<Session>();
}

void TestBadContent::cleanup()
{
    m_session.reset();
    flushDeletedWindows();
}

void TestBadContent::spoil(const QString &file, Damage damage, const QByteArray &bytes)
{
    const QString path = m_session->path(file);
    switch (damage) {
    case Damage::Missing:
        QVERIFY(QFile::remove(path));
        break;
    case Damage::Folder:
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        break;
    case Damage::HalfCut: {
        const QByteArray whole = readBytes(path);
        QVERIFY(writeBytes(path, whole.left(whole.size() / 2)));
        break;
    }
    case Damage::Replaced:
        QVERIFY(writeBytes(path, bytes));
        break;
    case Damage::NoFolders:
        for (const char *folder : {"/説明", "/画像", "/音"})
            QVERIFY(QDir(m_session->path(folder)).removeRecursively());
        break;
    }
}

// Drives the screens as a child would, stopping as soon as the program ends.
void TestBadContent::reach(Moment moment)
{
    Session &session = *m_session;
    switch (moment) {
    case Moment::BookOpens:
    case Moment::EntryShown:
        session.open(ScreenName::PictureBook);
        if (moment == Moment::EntryShown && !session.program.hasEnded())
            session.chooseKana(1);
        return;
    case Moment::BookFromMenu:
    case Moment::QuizFromMenu:
        session.open(ScreenName::Menu);
        session.click(session.form(ScreenName::Menu)
                          ->button(moment == Moment::BookFromMenu ? "Command1" : "Command2"));
        session.tickAfter(ScreenName::Menu, "Timer1", 3.0);
        return;
    default:
        break;
    }
    session.random.values = {0.0}; // entry 1 comes first
    session.open(ScreenName::Quiz);
    if (session.program.hasEnded() || moment == Moment::QuizOpens)
        return;
    if (moment == Moment::RightAnswer || moment == Moment::WrongAnswer)
        session.answer(moment == Moment::RightAnswer);
    else
        session.playGame(rightAnswersFor(moment));
}

// The program has ended with status 1 after one dialog that names the file.
void TestBadContent::verifyEndedWith(const QString &file, const QString &problem)
{
    const Session &session = *m_session;
    QVERIFY(session.program.hasEnded());
    QCOMPARE(session.program.exitStatus(), 1);
    QCOMPARE(session.errors.dialogs.size(), 1);
    const DialogCatcher::Dialog &dialog = session.errors.dialogs.first();
    QCOMPARE(dialog.title, ErrorTitle);
    QVERIFY2(dialog.text.startsWith(ErrorLead), qPrintable(dialog.text));
    QVERIFY2(dialog.text.contains(session.path(file)), qPrintable(dialog.text));
    QVERIFY2(dialog.text.contains(problem), qPrintable(dialog.text));
    QCOMPARE(visibleWindows(), 0);
}

QStringList TestBadContent::shownRows()
{
    return m_session->form(ScreenName::PictureBook)->list("List1")->items();
}

void TestBadContent::brokenFileEndsWithDialogNamingIt_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<QString>("problem");

    const QString names = ContentPack::NamesList;
    const QString text = QStringLiteral("/説明/s1.txt");
    const QString picture = QStringLiteral("/画像/h1.gif");
    const QByteArray namesList =
        readBytes(qEnvironmentVariable("HANA_SOURCE_DIR") + "/data" + names);
    const QByteArray notAPicture = codePage932(QStringLiteral("絵ではなく文字です。\r\n"));
    const auto row = [](const char *name, const QString &file, Damage damage, Moment moment,
                        const QString &problem, const QByteArray &bytes = {}) {
        QTest::newRow(name) << file << damage << bytes << moment << problem;
    };

    row("names list missing", names, Damage::Missing, Moment::BookOpens, NotFound);
    row("names list empty", names, Damage::Replaced, Moment::BookOpens, tooFewNames(0), "");
    row("names list cut in half", names, Damage::HalfCut, Moment::BookOpens, TooFewNames);
    row("names list a folder", names, Damage::Folder, Moment::BookOpens, FolderInPlace);
    row("names list of 10 MB", names, Damage::Replaced, Moment::BookOpens, TooLarge,
        explanationOfSize(TenMegabytes));
    row("names list with a quote left open", names, Damage::Replaced, Moment::BookOpens,
        QStringLiteral("10番目の名前で引用符（\"）が閉じられていません"),
        withOpenQuote(namesList, 10));
    row("names list of 59 names", names, Damage::Replaced, Moment::BookOpens, tooFewNames(59),
        firstNames(namesList, 59));

    row("explanation missing", text, Damage::Missing, Moment::EntryShown, NotFound);
    row("explanation a folder", text, Damage::Folder, Moment::EntryShown, FolderInPlace);
    row("explanation of 10 MB", text, Damage::Replaced, Moment::EntryShown, TooLarge,
        explanationOfSize(TenMegabytes));
    row("explanation just over the limit", text, Damage::Replaced, Moment::EntryShown, TooLarge,
        explanationOfSize(LargestText).leftJustified(LargestText + 1, ' '));

    row("entry picture missing", picture, Damage::Missing, Moment::EntryShown, NotFound);
    row("entry picture empty", picture, Damage::Replaced, Moment::EntryShown, NotGif, "");
    row("entry picture cut in half", picture, Damage::HalfCut, Moment::EntryShown, CutShort);
    row("entry picture cut in its header", picture, Damage::Replaced, Moment::EntryShown, CutShort,
        gifClaiming(QSize(100, 100), QSize(100, 100)).left(12));
    row("entry picture a folder", picture, Damage::Folder, Moment::EntryShown, FolderInPlace);
    row("entry picture a PNG", picture, Damage::Replaced, Moment::EntryShown, NotGif, pngBytes());
    row("entry picture a text", picture, Damage::Replaced, Moment::EntryShown, NotGif, notAPicture);
    row("quiz picture missing", picture, Damage::Missing, Moment::QuizOpens, NotFound);

    const QString right = ContentPack::RightMark;
    row("right mark missing", right, Damage::Missing, Moment::RightAnswer, NotFound);
    row("right mark empty", right, Damage::Replaced, Moment::RightAnswer, NotGif, "");
    row("right mark cut in half", right, Damage::HalfCut, Moment::RightAnswer, CutShort);
    row("right mark a folder", right, Damage::Folder, Moment::RightAnswer, FolderInPlace);
    row("right mark a PNG", right, Damage::Replaced, Moment::RightAnswer, NotGif, pngBytes());
    const QString wrong = ContentPack::WrongMark;
    row("wrong mark missing", wrong, Damage::Missing, Moment::WrongAnswer, NotFound);
    row("wrong mark a text", wrong, Damage::Replaced, Moment::WrongAnswer, NotGif, notAPicture);

    row("gold medal missing", ContentPack::GoldMedal, Damage::Missing, Moment::GoldMedal, NotFound);
    row("gold medal cut in half", ContentPack::GoldMedal, Damage::HalfCut, Moment::GoldMedal,
        CutShort);
    row("silver medal empty", ContentPack::SilverMedal, Damage::Replaced, Moment::SilverMedal,
        NotGif, "");
    row("copper medal a folder", ContentPack::CopperMedal, Damage::Folder, Moment::CopperMedal,
        FolderInPlace);

    row("no content folders, book", names, Damage::NoFolders, Moment::BookFromMenu, NotFound);
    row("no content folders, quiz", picture, Damage::NoFolders, Moment::QuizFromMenu, NotFound);
}

void TestBadContent::brokenFileEndsWithDialogNamingIt()
{
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(QByteArray, bytes);
    QFETCH(Moment, moment);
    QFETCH(QString, problem);
    spoil(file, damage, bytes);
    reach(moment);
    verifyEndedWith(file, problem);
}

// Root reads every file whatever its mode, so these rows need a plain user.
void TestBadContent::unreadableFileEnds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Moment>("moment");
    QTest::newRow("names list") << ContentPack::NamesList << Moment::BookOpens;
    QTest::newRow("explanation") << QStringLiteral("/説明/s1.txt") << Moment::EntryShown;
    QTest::newRow("entry picture") << QStringLiteral("/画像/h1.gif") << Moment::EntryShown;
    QTest::newRow("right mark") << ContentPack::RightMark << Moment::RightAnswer;
}

void TestBadContent::unreadableFileEnds()
{
    QFETCH(QString, file);
    QFETCH(Moment, moment);
    const QString path = m_session->path(file);
    QVERIFY(writeBytes(path, readBytes(path)));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running as root, which reads a file whatever its permissions: run as a plain "
              "user to try an unreadable file");
    reach(moment);
    verifyEndedWith(file, Unreadable);
}

// The header alone decides: the picture is refused before memory is taken for
// its pixels, whatever the decoder would need.
void TestBadContent::oversizedPictureIsRefusedWithoutItsMemory_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QString>("problem");
    const auto claimed = [](int side) {
        return QStringLiteral("画像が大きすぎます（%1 × %1 ピクセル）").arg(side);
    };
    QTest::newRow("60000 x 60000 pixels")
        << QSize(60000, 60000) << QSize(60000, 60000) << claimed(60000);
    QTest::newRow("8000 x 8000 pixels") << QSize(8000, 8000) << QSize(8000, 8000) << claimed(8000);
    QTest::newRow("8000 x 8000 pixels in a screen of none")
        << QSize(0, 0) << QSize(8000, 8000) << NotGif;
}

void TestBadContent::oversizedPictureIsRefusedWithoutItsMemory()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, image);
    QFETCH(QString, problem);
    spoil("/画像/h1.gif", Damage::Replaced, gifClaiming(screen, image));
    resetPeakMemory();
    const long before = peakMemoryKilobytes();
    reach(Moment::EntryShown);
    const long grown = peakMemoryKilobytes() - before;
    QVERIFY2(grown < 64 * 1024, qPrintable(QString("peak memory grew by %1 kB").arg(grown)));
    verifyEndedWith("/画像/h1.gif", problem);
}

// as replacement marks, and the content checker names their file.
void TestBadContent::oddExplanationIsShownAsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("reported");
    const QString longLine(100000, QChar(u'花'));
    QTest::newRow("empty") << QByteArray("") << QStringList() << false;
    QTest::newRow("UTF-8 with its mark")
        << utf8WithMark(QStringLiteral("ヒルガオ科の花です。\r\n夏の朝に"))
        << QStringList{"ヒルガオ科の花です。", "夏の朝に"} << false;
    QTest::newRow("cut in half")
        << codePage932(QStringLiteral("一行目です。\r\n二行目です。\r\n三行目です。\r\n")).left(21)
        << QStringList{"一行目です。", "二行目\uFFFD"} << true;
    QTest::newRow("bytes that are no character") << QByteArray("\x82\xA0\xFF\x82\xA2\r\n\x81")
                                                 << QStringList{"あ\uFFFDい", "\uFFFD"} << true;
    const QByteArray largest = explanationOfSize(LargestText);
    QTest::newRow("largest text allowed")
        << largest << QStringList(largest.count('\n'), ExplanationLine) << false;
    QTest::newRow("100000 characters on one line")
        << codePage932(longLine) << QStringList{longLine} << false;
}

// Showing includes drawing the rows: a slow one would freeze the screen.
void TestBadContent::oddExplanationIsShownAsRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QFETCH(bool, reported);
    const QString path = m_session->path("/説明/s1.txt");
    QVERIFY(writeBytes(path, bytes));
    QElapsedTimer showing;
    showing.start();
    reach(Moment::EntryShown);
    QVERIFY(!m_session->program.hasEnded());
    m_session->form(ScreenName::PictureBook)->grab();
    QVERIFY2(showing.elapsed() < ShowingLimitMs, qPrintable(QString::number(showing.elapsed())));
    QCOMPARE(shownRows(), rows);

    const QStringList problems = texts(checkContent(m_session->root));
    QCOMPARE(problems.filter(path).filter(UnreadableBytes).size(), int(reported));
}

// Bytes that are no character in code page 932 show as replacement marks;
// the screen goes on working and the content checker names the file.
void TestBadContent::namesWithMarkOrBadBytesAreShown_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("UTF-8 with its mark")
        << true << QByteArray("\xE3\x81\x82\xE3\x81\x95") << QStringLiteral("あさ");
    QTest::newRow("bytes that are no character")
        << false << QByteArray("\x82\xA0\xFF\x82\xB3\x82") << QStringLiteral("あ\uFFFDさ\uFFFD");
}

void TestBadContent::namesWithMarkOrBadBytesAreShown()
{
    QFETCH(bool, utf8);
    QFETCH(QByteArray, firstLine);
    QFETCH(QString, firstName);
    const QString path = m_session->path(ContentPack::NamesList);
    const QStringList names = decodeContentText(readBytes(path)).split("\r\n");
    const QString rest = "\r\n" + names.mid(1).join("\r\n");
    QVERIFY(writeBytes(path, utf8 ? "\xEF\xBB\xBF" + firstLine + rest.toUtf8()
                                  : firstLine + codePage932(rest)));

    reach(Moment::EntryShown);
    Form *book = m_session->form(ScreenName::PictureBook);
    QCOMPARE(book->label("Label2")->caption(), firstName);
    m_session->chooseKana(10);
    QCOMPARE(book->label("Label2")->caption(), names.at(59));
    QVERIFY(!m_session->program.hasEnded());

    const QStringList problems = texts(checkContent(m_session->root));
    QCOMPARE(problems.filter(path).filter(UnreadableBytes).size(), utf8 ? 0 : 1);
}

QTEST_MAIN(TestBadContent)
#include "tst_badcontent.moc"
