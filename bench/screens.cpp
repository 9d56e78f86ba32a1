// In-process timings of the screens' own work on the offscreen platform, on
// a copy of the real content pack, so that file reads and picture decoding
// count: each screen's opening (window built, loading routine run, shown),
// in the normal window and full screen on a 1920 x 1080 offscreen display,
// ShowEntry for every picture book entry, a quiz question put up, and whole
// quiz games driven through the handlers with a fake clock. Then each screen
// is left idle for two seconds with the real sound player, counting timer
// ticks. Prints one "key value" line per figure, for scripts/bench; a check
// that fails (a handler that did not do its work) ends it with status 1.
#include "screens/screens.h"
#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "content/entrynames.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "sound/qtsoundplayer.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>

namespace {

constexpr int WarmUps = 3;
constexpr int Openings = 30;
constexpr int PictureBookRounds = 5;
constexpr int Games = 5;
constexpr int IdleMilliseconds = 2000;
// Time for the sound a screen plays on opening to end: the audio output
// ticks while it plays out, about a second for the quiz's question sound.
constexpr int SettleMilliseconds = 2000;

// The key each screen's figures are printed under.
const std::map<QString, const char *> ScreenKeys{{ScreenName::Menu, "menu"},
                                                 {ScreenName::PictureBook, "picture_book"},
                                                 {ScreenName::Quiz, "quiz"}};

void require(bool holds, const QString &what)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_screens: %s\n", qPrintable(what));
    std::exit(1);
}

void print(const QString &key, double value)
{
    std::printf("%s %.3f\n", qPrintable(key), value);
    std::fflush(stdout);
}

// Times a piece of work, such as a handler run from the signal that starts
// it to its end.
double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double maximum(const QList<double> &values)
{
    return *std::max_element(values.cbegin(), values.cend());
}

// The value that 95 in 100 of the values do not exceed.
double percentile95(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[qsizetype(std::ceil(0.95 * double(values.size()))) - 1];
}

// Counts the paint events of one window, so that a timing can wait for the
// first paint as the event loop would deliver it.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// Runs the event loop until the window has painted once.
void waitForPaint(Form *form)
{
    PaintCounter counter;
    form->installEventFilter(&counter);
    for (int round = 0; round < 1000 && counter.paints == 0; ++round)
        QCoreApplication::processEvents();
    form->removeEventFilter(&counter);
    require(counter.paints > 0, QStringLiteral("%1 never painted").arg(form->objectName()));
}

// Lets the window repaint after a handler, as the event loop would before
// the next click; never timed.
void settle()
{
    QCoreApplication::processEvents();
}

class Bench
{
public:
    Bench()
    {
        addScreens(m_test.program);
        for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
            m_entryOfPicture.insert(EntryPicturePath(entry), entry);
    }

    void openings(WindowMode mode);
    void pictureBook();
    void quiz();

private:
    Screen &screen(const QString &name) { return m_test.program.screen(name); }
    Form *form(const QString &name) { return screen(name).form(); }
    void open(const QString &name);
    void closeAll();
    int shownQuestion();
    double playGame(QList<double> &questionTimes);
    void requireNoErrors(const QString &during);

    TestProgram m_test;
    QHash<QString, int> m_entryOfPicture;
};

void Bench::open(const QString &name)
{
    m_test.program.dispatch([&] { m_test.program.open(name); });
    requireNoErrors(QStringLiteral("opening ") + name);
    require(screen(name).isOpen(), name + " did not open");
}

void Bench::closeAll()
{
    for (const auto &[name, key] : ScreenKeys)
        if (m_test.program.hasInstance(name))
            screen(name).close();
    flushDeletedWindows();
}

void Bench::requireNoErrors(const QString &during)
{
    require(m_test.errors.messages.isEmpty(),
            during + ": " + m_test.errors.messages.join(QStringLiteral("; ")));
}

// Each screen is opened and closed again many times; the quiz draws a
// different first question each time. The very first opening, with the
// font database and Qt's caches still cold, is printed on its own. Full
// screen, the window covers the 1920 x 1080 display and the layout is drawn
// at 2.2 times its size, from the large pictures; its keys carry
// "fullscreen_".
void Bench::openings(WindowMode mode)
{
    m_test.program.setWindowMode(mode);
    const QString infix =
        mode == WindowMode::FullScreen ? QStringLiteral("fullscreen_") : QString();
    for (const auto &[name, key] : ScreenKeys) {
        QList<double> opening, painted;
        double first = 0;
        for (int round = -WarmUps; round < Openings; ++round) {
            m_test.random.values = {(std::abs(round) % ContentPack::EntryCount + 0.5) /
                                    ContentPack::EntryCount};
            QElapsedTimer timer;
            timer.start();
            open(name);
            const double opened = double(timer.nsecsElapsed()) / 1e6;
            require(form(name)->windowMode() == mode &&
                        (mode == WindowMode::Normal || form(name)->scaleFactor() > 2.19),
                    name + " did not open in the mode asked for (full screen: a 1920 x 1080 "
                           "display)");
            waitForPaint(form(name));
            const double shown = double(timer.nsecsElapsed()) / 1e6;
            closeAll();
            if (round == -WarmUps)
                first = opened;
            if (round >= 0) {
                opening << opened;
                painted << shown;
            }
        }
        requireNoErrors(QStringLiteral("opening ") + name);
        print(QStringLiteral("open_%1%2_median").arg(infix, key), median(opening));
        print(QStringLiteral("open_%1%2_max").arg(infix, key), maximum(opening));
        print(QStringLiteral("open_paint_%1%2_median").arg(infix, key), median(painted));
        print(QStringLiteral("open_%1%2_first").arg(infix, key), first);
    }
    m_test.program.setWindowMode(WindowMode::Normal);
}

// Turns through all 60 entries with the next arrow, several times round,
// and checks that each click showed the entry it should.
void Bench::pictureBook()
{
    const QString book = ScreenName::PictureBook;
    open(book);
    settle();
    const QStringList names = ReadEntryNames();
    Image *next = form(book)->image("Image4");
    std::map<int, QList<double>> perEntry;
    QList<double> all;
    for (int round = 0; round < PictureBookRounds + 1; ++round) {
        for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
            const double ms = millisecondsOf([&] { emit next->clicked(); });
            settle();
            require(form(book)->label("Label2")->caption() == names.at(entry - 1) &&
                        form(book)->image("Image2")->pictureSource() == EntryPicturePath(entry),
                    QStringLiteral("the picture book did not show entry %1").arg(entry));
            if (round > 0) {
                perEntry[entry] << ms;
                all << ms;
            }
        }
    }
    requireNoErrors(QStringLiteral("the picture book"));
    closeAll();

    int slowest = 1;
    for (const auto &[entry, times] : perEntry)
        if (median(times) > median(perEntry[slowest]))
            slowest = entry;
    print(QStringLiteral("showentry_median"), median(all));
    print(QStringLiteral("showentry_slowest"), median(perEntry[slowest]));
    print(QStringLiteral("showentry_slowest_entry"), slowest);
}

int Bench::shownQuestion()
{
    return m_entryOfPicture.value(form(ScreenName::Quiz)->image("Image3")->pictureSource());
}

// One game as a child plays it, every fifth answer wrong: a restart by the
// title picture, then 60 times an answer, the clock on by 3 seconds and one
// tick of the answer pause, which puts up the next question or, at the end,
// the result. Returns the handler time of the whole game.
double Bench::playGame(QList<double> &questionTimes)
{
    Form *quiz = form(ScreenName::Quiz);
    const ControlArray<Label> tiles = quiz->labelArray("Label1");
    Timer *pause = quiz->timer("Timer2");
    double total = millisecondsOf([&] { emit quiz->image("Image2")->clicked(); });
    settle();
    QSet<int> asked;
    for (int question = 0; question < ContentPack::EntryCount; ++question) {
        const int entry = shownQuestion();
        require(entry > 0 && !asked.contains(entry),
                QStringLiteral("question %1 showed no new entry").arg(question + 1));
        asked << entry;
        const bool right = question % 5 != 4;
        Label *answer = tiles(right ? entry - 1 : entry % ContentPack::EntryCount);
        total += millisecondsOf([&] { emit answer->clicked(); });
        settle();
        m_test.clock.now += 3.0;
        const double next = millisecondsOf([&] { emit pause->tick(); });
        total += next;
        if (question < ContentPack::EntryCount - 1)
            questionTimes << next;
        settle();
    }
    require(quiz->image("Image5")->isVisible() &&
                quiz->image("Image5")->pictureSource() == ContentPath(ContentPack::SilverMedal),
            QStringLiteral("the game ended without its silver medal"));
    return total;
}

void Bench::quiz()
{
    open(ScreenName::Quiz);
    settle();
    std::mt19937 engine(2024);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    QList<double> games, questions;
    for (int game = -1; game < Games; ++game) {
        QList<double> draws;
        for (int question = 0; question < ContentPack::EntryCount; ++question)
            draws << uniform(engine);
        m_test.random.values.assign(draws.cbegin(), draws.cend());
        QList<double> questionTimes;
        const double total = playGame(questionTimes);
        if (game >= 0) {
            games << total;
            questions << questionTimes;
        }
    }
    requireNoErrors(QStringLiteral("the quiz"));
    closeAll();
    print(QStringLiteral("question_median"), median(questions));
    print(QStringLiteral("question_p95"), percentile95(questions));
    print(QStringLiteral("question_max"), maximum(questions));
    print(QStringLiteral("game_median"), median(games));
}

// Counts every timer event delivered in the process, except those of the
// timer that ends the idle spell.
class TimerEventCounter : public QObject
{
public:
    explicit TimerEventCounter(const QObject *ignored) : m_ignored(ignored) {}
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && receiver != m_ignored) {
            ++count;
            receivers.insert(QString::fromLatin1(receiver->metaObject()->className()));
        }
        return false;
    }
    int count = 0;
    QSet<QString> receivers;

private:
    const QObject *m_ignored;
};

// Opens each screen in a program with the real clock and sound player, lets
// its opening sound play out and then leaves it alone for two seconds: its
// own timers must not tick, and the process should see no timer events.
void idleTicks()
{
    SystemClock clock;
    ClockSeededRandom random(clock);
    QtSoundFactory sounds;
    RecordingErrors errors;
    Program program{Services{clock, random, sounds, errors}};
    addScreens(program);
    for (const auto &[name, key] : ScreenKeys) {
        program.dispatch([&] { program.open(name); });
        Form *form = program.screen(name).form();
        require(form, name + " did not open with the real sound player");
        int ticks = 0;
        for (Timer *timer : form->timers())
            QObject::connect(timer, &Timer::tick, [&ticks] { ++ticks; });

        QEventLoop idle;
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &idle, &QEventLoop::quit);
        end.start(SettleMilliseconds);
        idle.exec();

        TimerEventCounter events(&end);
        qApp->installEventFilter(&events);
        end.start(IdleMilliseconds);
        idle.exec();
        qApp->removeEventFilter(&events);

        program.screen(name).close();
        flushDeletedWindows();
        print(QStringLiteral("idle_ticks_%1").arg(key), ticks);
        print(QStringLiteral("idle_timer_events_%1").arg(key), events.count);
        if (events.count > 0)
            std::fprintf(
                stderr, "bench_screens: timer events while %s was idle went to %s\n", key,
                qPrintable(
                    QStringList(events.receivers.cbegin(), events.receivers.cend()).join(", ")));
    }
    require(errors.messages.isEmpty(), errors.messages.join(QStringLiteral("; ")));
}

// The offscreen platform with one display of 1920 x 1080 pixels.
QByteArray offscreenDisplay(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("display.json"));
    QFile config(path);
    require(config.open(QIODevice::WriteOnly) &&
                config.write(R"({"screens": [{"name": "bench", "width": 1920, "height": 1080}]})") >
                    0,
            QStringLiteral("cannot write ") + path);
    return "offscreen:configfile=" + QFile::encodeName(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir platform;
    const QByteArray wanted = qgetenv("QT_QPA_PLATFORM");
    if (wanted.isEmpty() || wanted == "offscreen")
        qputenv("QT_QPA_PLATFORM", offscreenDisplay(platform));
    if (qEnvironmentVariableIsEmpty("HANA_SOURCE_DIR"))
        qputenv("HANA_SOURCE_DIR", HANA_SOURCE_DIR);
    QApplication app(argc, argv);
    QTemporaryDir data;
    DataPath = copyContentPack(data.path());

    {
        Bench bench;
        bench.openings(WindowMode::Normal);
        bench.openings(WindowMode::FullScreen);
        bench.pictureBook();
        bench.quiz();
    }
    flushDeletedWindows();
    idleTicks();
    return 0;
}
