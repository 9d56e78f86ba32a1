#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/learners/learnerslayout.h"
#include "support/keys.h"
#include "support/mouse.h"
#include "support/recordedprogram.h"
#include "support/stubscreens.h"

#include <QFile>
#include <QTest>

namespace {

constexpr int Guest = LearnerTiles::Guest;

QString name(int learner)
{
    return QStringLiteral("こども%1").arg(learner, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestLearners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void withNoLearnersAnAdultIsToldHowToAddThem();
    void eachLearnerHasATileWithNameAndMark();
    void aClassFillsFortyTiles();
    void arrowKeysMoveAsTheTilesStand_data();
    void arrowKeysMoveAsTheTilesStand();
    void enterChoosesAndTheMenuOpensForThem();
    void lastTileChosenDecides_data();
    void lastTileChosenDecides();
    void aStoreThatCannotBeUsedIsNamedForAnAdult();
    void aMarkThePackCannotShowIsAnError();

private:
    void open(int learners);
    void leave();
    Form *form() const { return m_test->program().screen(ScreenName::Learners).form(); }
    Label *tile(int index) const { return form()->labelArray("Label1")(index); }
    Image *mark(int index) const { return form()->imageArray("Image1")(index); }
    int focusedTile() const;
    QList<Learner> m_learners;

    QTemporaryDir m_data;
    std::unique_ptr<RecordedProgram> m_test;
};

void TestLearners::initTestCase()
{
    DataPath = copyContentPack(m_data.path());
}

void TestLearners::cleanup()
{
    if (m_test)
        QVERIFY2(m_test->errors.messages.isEmpty(), qPrintable(m_test->errors.messages.join('\n')));
    m_test.reset();
    m_learners.clear();
    flushDeletedWindows();
}

void TestLearners::open(int learners)
{
    if (!m_test)
        m_test = std::make_unique<RecordedProgram>();
    for (int learner = 1; learner <= learners; ++learner)
        m_learners << m_test->addLearner(name(learner), (learner * 7) % 60 + 1);
    Program &program = m_test->program();
    addScreensStubbingAllBut(program, ScreenName::Learners);
    program.dispatch([&program] { program.open(ScreenName::Learners); });
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

void TestLearners::leave()
{
    m_test->clock.now += 3.0;
    Timer *timer = form()->timer("Timer1");
    QVERIFY(timer->isTicking());
    emit timer->tick();
    QVERIFY(m_test->program().screen(ScreenName::Menu).isOpen());
    QVERIFY(!m_test->program().screen(ScreenName::Learners).isOpen());
}

int TestLearners::focusedTile() const
{
    for (int16_t index : form()->labelArray("Label1").indices())
        if (tile(index)->hasFocus())
            return index;
    return -1;
}

void TestLearners::withNoLearnersAnAdultIsToldHowToAddThem()
{
    open(0);
    const Label *help = form()->label("Label3");
    QVERIFY(help->isVisible());
    QVERIFY(help->caption().contains(QLatin1String("hana-records --add")));
    QVERIFY(!form()->label("Label4")->isVisible());
    for (int index = 0; index < LearnerTiles::Count; ++index)
        QVERIFY(!tile(index)->isVisible());
    QVERIFY(tile(Guest)->isVisible());
    QCOMPARE(tile(Guest)->caption(), QStringLiteral("おきゃくさん"));
    QVERIFY(mark(Guest)->hasPicture());
    QCOMPARE(focusedTile(), Guest);
}

void TestLearners::eachLearnerHasATileWithNameAndMark()
{
    m_test = std::make_unique<RecordedProgram>();
    // In the order the store lists them, by name.
    const QStringList names{QStringLiteral("たろう"),
                            QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水"),
                            QStringLiteral("🌷はな")};
    for (int learner = 0; learner < names.size(); ++learner)
        m_learners << m_test->addLearner(names.at(learner), 44 + learner);
    open(0);
    QVERIFY(!form()->label("Label3")->isVisible());
    for (int index = 0; index < names.size(); ++index) {
        QVERIFY(tile(index)->isVisible());
        QCOMPARE(tile(index)->caption(), names.at(index));
        const QString flower = ContentPack::BoardNames.at(size_t(43 + index)).toString();
        QCOMPARE(tile(index)->accessibleName(), names.at(index) + "（" + flower + "）");
        // Each mark follows as it is decoded.
        QTRY_VERIFY(mark(index)->isVisible());
        QCOMPARE(mark(index)->accessibleName(), flower + "の花");
        // The flower's own picture, fitted into the mark's square.
        QVERIFY(mark(index)->widthTwips() <= 600 && mark(index)->heightTwips() <= 600);
        QVERIFY(qMax(mark(index)->widthTwips(), mark(index)->heightTwips()) >= 500);
    }
    QVERIFY(!tile(int(names.size()))->isVisible());
    QTest::qWait(50);
    QVERIFY(!mark(int(names.size()))->isVisible());
    QVERIFY(tile(Guest)->isVisible());
    QCOMPARE(focusedTile(), 0);
}

void TestLearners::aClassFillsFortyTiles()
{
    open(LearnerTiles::Count + 1);
    for (int index = 0; index < LearnerTiles::Count; ++index)
        QCOMPARE(tile(index)->caption(), name(index + 1));
    QVERIFY(tile(LearnerTiles::Count - 1)->isVisible());
    QVERIFY(tile(Guest)->isVisible());
    // Every shown tile lies inside the window, clear of the others.
    const QRect window(QPoint(0, 0), form()->layoutArea().size());
    for (int index = 0; index <= Guest; ++index) {
        QVERIFY(window.contains(tile(index)->geometry()));
        QTRY_VERIFY(mark(index)->isVisible());
        QVERIFY(!tile(index)->geometry().intersects(mark(index)->geometry()));
    }
}

void TestLearners::arrowKeysMoveAsTheTilesStand_data()
{
    QTest::addColumn<int>("learners");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("expected");
    const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
    QTest::newRow("along a row") << 7 << QList<int>{right, right} << 2;
    QTest::newRow("left stops at the first") << 7 << QList<int>{left, left} << 0;
    QTest::newRow("down a row") << 7 << QList<int>{down} << 5;
    QTest::newRow("down from the last row to the guest") << 7 << QList<int>{down, down} << Guest;
    QTest::newRow("right from the last learner to the guest")
        << 3 << QList<int>{right, right, right} << Guest;
    QTest::newRow("up from the guest") << 7 << QList<int>{down, down, up} << 2;
    QTest::newRow("up stops at the top row") << 7 << QList<int>{right, up} << 1;
    QTest::newRow("the guest alone") << 0 << QList<int>{left, up, right, down} << Guest;
}

void TestLearners::arrowKeysMoveAsTheTilesStand()
{
    QFETCH(int, learners);
    QFETCH(QList<int>, keys);
    QFETCH(int, expected);
    open(learners);
    for (int key : keys)
        press(Qt::Key(key));
    QCOMPARE(focusedTile(), expected);
    QCOMPARE(litTile(form()->labelArray("Label1")), expected);
    QVERIFY(!form()->timer("Timer1")->isTicking());
}

void TestLearners::enterChoosesAndTheMenuOpensForThem()
{
    open(3);
    press(Qt::Key_Right);
    m_test->sounds.calls.clear();
    press(Qt::Key_Return);
    QCOMPARE(m_test->sounds.calls, QStringList{"MediaPlayer1 Play"});
    // Nobody plays until the wait is over.
    QVERIFY(!m_test->records().player());
    leave();
    QVERIFY(m_test->records().player());
    QCOMPARE(m_test->records().player()->name, m_learners.at(1).name);
}

void TestLearners::lastTileChosenDecides_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("expected");
    QTest::newRow("a learner") << QList<int>{2} << 2;
    QTest::newRow("the guest") << QList<int>{Guest} << Guest;
    QTest::newRow("a learner, then the guest") << QList<int>{0, Guest} << Guest;
    QTest::newRow("the guest, then a learner's mark") << QList<int>{Guest, -2} << 1;
}

// A negative number clicks the mark of the learner's tile -n - 1.
void TestLearners::lastTileChosenDecides()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, expected);
    open(3);
    m_test->records().choosePlayer(m_learners.at(0));
    for (int index : clicks) {
        QWidget *target = index >= 0 ? static_cast<QWidget *>(tile(index)) : mark(-index - 1);
        QTRY_VERIFY(target->isVisible());
        QCOMPARE(clickAt(form(), centreOf(target)), target);
        m_test->clock.now += 1.0;
    }
    leave();
    const std::optional<Learner> &player = m_test->records().player();
    if (expected == Guest) {
        QVERIFY(!player);
    } else {
        QVERIFY(player);
        QCOMPARE(player->name, m_learners.at(expected).name);
    }
}

void TestLearners::aStoreThatCannotBeUsedIsNamedForAnAdult()
{
    QTemporaryDir folder;
    const QString store = folder.filePath("records.sqlite");
    QFile broken(store);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    m_test = std::make_unique<RecordedProgram>(store);
    QVERIFY(!m_test->records().isAvailable());
    open(0);
    const Label *notice = form()->label("Label4");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->caption(), m_test->records().notice());
    QVERIFY(notice->accessibleName().contains(m_test->records().notice()));
    QVERIFY(tile(Guest)->isVisible());
    QVERIFY(!form()->label("Label3")->isVisible());
    // The file is left as it was.
    QVERIFY(broken.open(QIODevice::ReadOnly));
    QCOMPARE(broken.readAll(), QByteArray(4096, 'x'));
}

// The tiles show first; the broken picture then ends the program with its
// report, as a broken picture does on any screen.
void TestLearners::aMarkThePackCannotShowIsAnError()
{
    QTemporaryDir broken;
    const QString saved = DataPath;
    DataPath = copyContentPack(broken.path());
    QVERIFY(QFile::remove(EntryPicturePath(30)));
    m_test = std::make_unique<RecordedProgram>();
    m_learners << m_test->addLearner(QStringLiteral("あき"), 30);
    Program &program = m_test->program();
    addScreensStubbingAllBut(program, ScreenName::Learners);
    program.dispatch([&program] { program.open(ScreenName::Learners); });
    QTRY_VERIFY(program.hasEnded());
    DataPath = saved;
    QCOMPARE(m_test->errors.messages.size(), 1);
    QVERIFY(m_test->errors.messages.first().contains(EntryPicturePath(30).section('/', -1)));
    m_test->errors.messages.clear();
}

QTEST_MAIN(TestLearners)
#include "tst_learners.moc"
