#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/label.h"
#include "screens/picture_book/picturebookscreen.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/stubscreens.h"
#include "support/tone.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString EntrySound = QStringLiteral("MediaPlayer1");
const QString Voice = QStringLiteral("MediaPlayer3");

QString voiceOf(int entry)
{
    return Voice + " SetFile " + EntryVoicePath(entry);
}

} // namespace

// The entries' voices in the picture book, with the recording sound fake:
// which sounds the screen asks for, in which order, and when.
class TestBookVoice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void packWithoutVoicesSoundsAsBefore();
    void voiceFollowsTheEntrySound();
    void entryWithoutVoiceSoundsAsBefore();
    void onlyTheLastShownEntrysVoiceFollows();
    void keyAndClickOnTheNameSayItAgain_data();
    void keyAndClickOnTheNameSayItAgain();
    void nothingToSayBeforeAnEntryIsShown();
    void voiceAddedLaterIsHeardAtTheNextShowing();

private:
    Form *book() const { return m_test->program.screen(ScreenName::PictureBook).form(); }
    void openBook();
    void addVoices(const QList<int> &entries);
    void showEntry(int kanaRow);
    QStringList &calls() { return m_test->sounds.calls; }

    std::unique_ptr<TestProgram> m_test;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestBookVoice::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    DataPath = copyContentPack(m_data->path());
    m_test = std::make_unique<TestProgram>();
    addScreensStubbingAllBut(m_test->program, ScreenName::PictureBook);
}

void TestBookVoice::cleanup()
{
    QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    flushDeletedWindows();
}

void TestBookVoice::openBook()
{
    m_test->program.dispatch([this] { m_test->program.open(ScreenName::PictureBook); });
    book()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(book()));
    calls().clear();
}

void TestBookVoice::addVoices(const QList<int> &entries)
{
    QVERIFY(QDir().mkpath(ContentPath(ContentPack::VoicesFolder)));
    for (int entry : entries)
        QVERIFY(writeToneWav(EntryVoicePath(entry), 2500, 0.3));
}

// By its kana tile: row 1 is entry 1, row 2 entry 8.
void TestBookVoice::showEntry(int kanaRow)
{
    QVERIFY(clickAt(book(), centreOf(book()->labelArray("Label1")(int16_t(kanaRow)))));
}

void TestBookVoice::packWithoutVoicesSoundsAsBefore()
{
    openBook();
    showEntry(1);
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QTest::keyClick(book(), Qt::Key_V);
    Label *name = book()->label("Label2");
    QVERIFY(!name->isClickHandled());
    clickAt(book(), centreOf(name));
    QCOMPARE(calls(), QStringList{"MediaPlayer1 Play"});
}

void TestBookVoice::voiceFollowsTheEntrySound()
{
    addVoices({1});
    openBook();
    showEntry(1);
    QCOMPARE(calls(), (QStringList{"MediaPlayer1 Play", "MediaPlayer3 Stop"}));
    QVERIFY(!m_test->sounds.isSounding(Voice));
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls().last(), voiceOf(1));
    QVERIFY(m_test->sounds.endSound(Voice));
    QCOMPARE(calls().size(), 3);
}

// In a pack with some voices, an entry without one stops the voice of the
// entry before, and its own sound is followed by nothing.
void TestBookVoice::entryWithoutVoiceSoundsAsBefore()
{
    addVoices({1});
    openBook();
    showEntry(1);
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QVERIFY(m_test->sounds.isSounding(Voice));
    calls().clear();
    showEntry(2);
    QCOMPARE(calls(), (QStringList{"MediaPlayer1 Play", "MediaPlayer3 Stop"}));
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls().size(), 2);
}

// Pages turned faster than the sound: the voice of an entry no longer shown
// never sounds, and the shown one sounds once.
void TestBookVoice::onlyTheLastShownEntrysVoiceFollows()
{
    addVoices({1, 2, 3});
    openBook();
    showEntry(1);
    QTest::keyClick(book(), Qt::Key_Right);
    QTest::keyClick(book(), Qt::Key_Right);
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QVERIFY(!m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls().filter("MediaPlayer3 SetFile").size(), 1);
    QCOMPARE(calls().last(), voiceOf(3));
}

void TestBookVoice::keyAndClickOnTheNameSayItAgain_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("the V key") << true;
    QTest::newRow("a click on the name") << false;
}

// Said at once, from the file, even while the entry sound still plays; the
// voice that was to follow it is not said a second time.
void TestBookVoice::keyAndClickOnTheNameSayItAgain()
{
    QFETCH(bool, byKey);
    addVoices({8});
    openBook();
    showEntry(2);
    calls().clear();
    auto sayAgain = [&] {
        if (byKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V);
        else
            QCOMPARE(clickAt(book(), centreOf(book()->label("Label2"))), book()->label("Label2"));
    };
    sayAgain();
    QCOMPARE(calls(), QStringList{voiceOf(8)});
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls(), QStringList{voiceOf(8)});
    QVERIFY(m_test->sounds.endSound(Voice));
    sayAgain();
    sayAgain();
    QCOMPARE(calls(), QStringList(3, voiceOf(8)));
}

void TestBookVoice::nothingToSayBeforeAnEntryIsShown()
{
    addVoices({1});
    openBook();
    QTest::keyClick(book(), Qt::Key_V);
    QVERIFY(calls().isEmpty());
}

// Voices are looked for at every showing, as the texts and pictures are.
void TestBookVoice::voiceAddedLaterIsHeardAtTheNextShowing()
{
    addVoices({});
    openBook();
    showEntry(1);
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls(), (QStringList{"MediaPlayer1 Play", "MediaPlayer3 Stop"}));
    addVoices({1});
    calls().clear();
    showEntry(1);
    QVERIFY(m_test->sounds.endSound(EntrySound));
    QCOMPARE(calls(), (QStringList{"MediaPlayer1 Play", "MediaPlayer3 Stop", voiceOf(1)}));
}

QTEST_MAIN(TestBookVoice)
#include "tst_bookvoice.moc"
