#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "hardening/session.h"
#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <random>

namespace {

constexpr int Games = 200;
constexpr int GamesPerRound = 4;

// What a session holds on to: windows and their controls, every object
// under them, the screen timers and how many of them tick, and open files.
struct Holdings
{
    int widgets = 0;
    int objects = 0;
    int timers = 0;
    int ticking = 0;
    int openFiles = 0;

    QString toString() const
    {
        return QStringLiteral("%1 widgets, %2 objects, %3 timers (%4 ticking), %5 open files")
            .arg(widgets)
            .arg(objects)
            .arg(timers)
            .arg(ticking)
            .arg(openFiles);
    }
};

Holdings holdings()
{
    flushDeletedWindows();
    Holdings now;
    now.widgets = int(QApplication::allWidgets().size());
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        now.objects += 1 + int(window->findChildren<QObject *>().size());
        for (const Timer *timer : window->findChildren<Timer *>()) {
            ++now.timers;
            now.ticking += timer->isTicking();
        }
    }
    now.openFiles = int(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
    return now;
}

} // namespace

class TestLongSession : public QObject
{
    Q_OBJECT

private slots:
    void twoHundredGamesLeaveNothingBehind();

private:
    void fromMenuToQuiz();
    void restartFromResult();
    void throughPictureBookToQuiz();
    void leaveQuizForMenu();
    void leave(const QString &screen, const char *button);

    std::unique_ptr<Session> m_session;
};

void TestLongSession::leave(const QString &screen, const char *button)
{
    m_session->click(m_session->form(screen)->button(button));
    m_session->tickAfter(screen, "Timer1", 3.0);
    QVERIFY(!m_session->isOpen(screen));
}

// The menu's flower head is switched back and forth on the way.
void TestLongSession::fromMenuToQuiz()
{
    Form *menu = m_session->form(ScreenName::Menu);
    m_session->click(menu->image("Image2"));
    m_session->click(menu->image("Image3"));
    leave(ScreenName::Menu, "Command2");
}

// The banner starts a new game; after a failed game the fail banner lies
// in front of it and takes the click.
void TestLongSession::restartFromResult()
{
    Form *quiz = m_session->form(ScreenName::Quiz);
    Label *failBanner = quiz->label("Label10");
    m_session->click(failBanner->isVisible() ? static_cast<QWidget *>(failBanner)
                                             : quiz->image("Image2"));
}

// Every kana tile, then both arrows, before going on to the quiz.
void TestLongSession::throughPictureBookToQuiz()
{
    leave(ScreenName::Quiz, "Command1");
    Form *book = m_session->form(ScreenName::PictureBook);
    QVERIFY(book);
    for (int tile = 1; tile <= 10; ++tile)
        m_session->chooseKana(tile);
    m_session->click(book->image("Image3"));
    m_session->click(book->image("Image4"));
    leave(ScreenName::PictureBook, "Command1");
}

void TestLongSession::leaveQuizForMenu()
{
    leave(ScreenName::Quiz, "Command2");
    QVERIFY(m_session->isOpen(ScreenName::Menu));
}

// Round after round of four games: from the menu, restarted from the
// result, by way of the picture book, restarted again, then back to the
// menu. Each game has its own share of right answers, so every medal and
// the fail banner come up. What the session holds at the start of the
// second round must be what it holds at the start of the last.
void TestLongSession::twoHundredGamesLeaveNothingBehind()
{
    m_session = std::make_unique<Session>();
    m_session->open(ScreenName::Menu);
    std::mt19937 engine(8);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    Holdings baseline;
    for (int game = 0; game < Games && !QTest::currentTestFailed(); ++game) {
        m_session->random.values.clear();
        for (int question = 0; question < ContentPack::EntryCount; ++question)
            m_session->random.values.push_back(uniform(engine));
        switch (game % GamesPerRound) {
        case 0:
            fromMenuToQuiz();
            break;
        case 2:
            throughPictureBookToQuiz();
            break;
        default:
            restartFromResult();
            break;
        }
        QVERIFY(m_session->isOpen(ScreenName::Quiz));
        if (game == GamesPerRound)
            baseline = holdings();
        if (game == Games - GamesPerRound)
            QCOMPARE(holdings().toString(), baseline.toString());

        m_session->sounds.calls.clear();
        m_session->playGame(game * 37 % (ContentPack::EntryCount + 1));
        // The repaints and deletions the game posted, as the event loop
        // would handle them: left to pile up, they would slow every event.
        QCoreApplication::processEvents();
        QVERIFY(m_session->form(ScreenName::Quiz)->image("Image6")->isVisible());
        if (game % GamesPerRound == GamesPerRound - 1)
            leaveQuizForMenu();
        QVERIFY2(!m_session->program.hasEnded(),
                 qPrintable(m_session->errors.dialogs.value(0).text));
    }
    m_session.reset();
    QCOMPARE(holdings().widgets, 0);
}

QTEST_MAIN(TestLongSession)
#include "tst_longsession.moc"
