#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/screens.h"
#include "support/fakes.h"
#include "support/keys.h"
#include "support/mouse.h"

#include <QApplication>
#include <QTest>

// The three real screens together, as a child uses them: the road through
// all of them, the keyboard, and names for assistive technology.
class TestProgram_ : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roadThroughAllScreensKeepsOneWindow();
    void tabAndEnterLeaveEveryScreen_data();
    void tabAndEnterLeaveEveryScreen();
    void escapeChangesNothingInTheQuiz();
    void wholeQuizGameByKeyboardAlone();
    void everyUsableControlHasAName_data();
    void everyUsableControlHasAName();

private:
    Form *open(const QString &name);
    Form *window(const QString &name) { return m_test->program.screen(name).form(); }
    // Ticks the screen's leave timer after the delay has passed.
    void waitOutDelay(const QString &name);
    static int visibleWindows();

    std::unique_ptr<TestProgram> m_test;
};

void TestProgram_::initTestCase()
{
    DataPath = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

void TestProgram_::init()
{
    m_test = std::make_unique<TestProgram>();
    Program &program = m_test->program;
    addScreens(program);
}

void TestProgram_::cleanup()
{
    m_test.reset();
    flushDeletedWindows();
}

Form *TestProgram_::open(const QString &name)
{
    m_test->program.dispatch([this, name] { m_test->program.open(name); });
    Form *form = window(name);
    form->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(form)); }();
    return form;
}

void TestProgram_::waitOutDelay(const QString &name)
{
    m_test->clock.now += 2.6;
    emit window(name)->timer("Timer1")->tick();
    flushDeletedWindows();
}

int TestProgram_::visibleWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->isVisible();
    return count;
}

void TestProgram_::roadThroughAllScreensKeepsOneWindow()
{
    Form *menu = open(ScreenName::Menu);
    clickAt(menu, centreOf(menu->button("Command1")));
    waitOutDelay(ScreenName::Menu);
    Form *book = window(ScreenName::PictureBook);
    QVERIFY(book && book->isVisible());
    QCOMPARE(visibleWindows(), 1);

    clickAt(book, centreOf(book->labelArray("Label1")(3)));
    QCOMPARE(book->label("Label2")->caption(), QStringLiteral("さくら"));
    clickAt(book, centreOf(book->button("Command1")));
    waitOutDelay(ScreenName::PictureBook);
    Form *quiz = window(ScreenName::Quiz);
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(quiz->label("Label3")->caption(), QStringLiteral("59"));
    QCOMPARE(visibleWindows(), 1);

    clickAt(quiz, centreOf(quiz->button("Command2")));
    waitOutDelay(ScreenName::Quiz);
    QVERIFY(window(ScreenName::Menu)->isVisible());
    QCOMPARE(visibleWindows(), 1);
    QVERIFY(!m_test->program.hasEnded());
    QVERIFY(m_test->errors.messages.isEmpty());
}

void TestProgram_::tabAndEnterLeaveEveryScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("next");
    QTest::newRow("menu") << ScreenName::Menu << ScreenName::Quiz;
    QTest::newRow("picture book") << ScreenName::PictureBook << ScreenName::Menu;
    QTest::newRow("quiz") << ScreenName::Quiz << ScreenName::Menu;
}

// Command1 holds the focus at first; Tab moves it to Command2, and Enter
// presses that button as a click would.
void TestProgram_::tabAndEnterLeaveEveryScreen()
{
    QFETCH(QString, screen);
    QFETCH(QString, next);
    Form *form = open(screen);
    QCOMPARE(QApplication::focusWidget(), form->button("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->button("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(form->timer("Timer1")->interval(), 100);
    waitOutDelay(screen);
    QVERIFY(m_test->program.screen(next).isOpen());
}

void TestProgram_::escapeChangesNothingInTheQuiz()
{
    Form *quiz = open(ScreenName::Quiz);
    const QStringList soundsBefore = m_test->sounds.calls;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(quiz, Qt::Key_Escape);
    QVERIFY(quiz->isVisible());
    QCOMPARE(quiz->label("Label3")->caption(), QStringLiteral("59"));
    QCOMPARE(quiz->timer("Timer1")->interval(), 0);
    QCOMPARE(m_test->sounds.calls, soundsBefore);
    QVERIFY(!m_test->program.hasEnded());
}

// From the menu to the quiz, a whole game with every answer right, a
// restart and back to the menu, with nothing but keys. Only the clock and
// the timers run on their own.
void TestProgram_::wholeQuizGameByKeyboardAlone()
{
    open(ScreenName::Menu);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    waitOutDelay(ScreenName::Menu);
    Form *quiz = window(ScreenName::Quiz);
    quiz->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(quiz));
    const ControlArray<Label> &board = quiz->labelArray("Label1");
    QCOMPARE(QApplication::focusWidget(), quiz->button("Command1"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board(0));
    for (int question = 1; question <= ContentPack::EntryCount; ++question) {
        int entry = 1;
        while (quiz->image("Image3")->pictureSource() != EntryPicturePath(entry))
            QVERIFY(++entry <= ContentPack::EntryCount);
        lightTileByKeys(board, entry - 1);
        QCOMPARE(litTile(board), entry - 1);
        press(Qt::Key_Return);
        QCOMPARE(quiz->label("Label3")->caption(), QString::number(ContentPack::EntryCount - question));
        m_test->clock.now += 3.0;
        emit quiz->timer("Timer2")->tick();
    }
    QCOMPARE(quiz->label("Label5")->caption(), QStringLiteral("100"));
    QVERIFY(quiz->image("Image5")->isVisible());
    QCOMPARE(quiz->image("Image5")->pictureSource(), ContentPath(ContentPack::GoldMedal));

    press(Qt::Key_F5);
    QVERIFY(!quiz->image("Image5")->isVisible());
    QCOMPARE(quiz->label("Label3")->caption(), QStringLiteral("59"));
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), quiz->button("Command2"));
    press(Qt::Key_Space);
    waitOutDelay(ScreenName::Quiz);
    QVERIFY(window(ScreenName::Menu)->isVisible());
    QVERIFY(m_test->errors.messages.isEmpty());
}

void TestProgram_::everyUsableControlHasAName_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("clickableLabels");
    QTest::addColumn<QStringList>("clickablePictures");
    QTest::newRow("menu") << ScreenName::Menu << QStringList{} << QStringList{"Image2", "Image3"};
    QTest::newRow("picture book") << ScreenName::PictureBook << QStringList{"Label1"}
                                  << QStringList{"Image3", "Image4"};
    QTest::newRow("quiz") << ScreenName::Quiz << QStringList{"Label1", "Label10"}
                          << QStringList{"Image2"};
}

void TestProgram_::everyUsableControlHasAName()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, clickableLabels);
    QFETCH(QStringList, clickablePictures);
    Form *form = open(screen);
    for (Control *control : form->controls())
        if (qobject_cast<CommandButton *>(control) || clickableLabels.contains(control->name()))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    for (const QString &picture : clickablePictures)
        QVERIFY2(!form->image(picture)->accessibleName().isEmpty(), qPrintable(picture));
}

QTEST_MAIN(TestProgram_)
#include "tst_program.moc"
