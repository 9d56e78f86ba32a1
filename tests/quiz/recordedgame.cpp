// Plays the name quiz in a process of its own, on the real screens and the
// content pack in CONTENT, as fast as the fake clock lets it: every answer
// right, game after game, until it is killed. With a STORE, a file or a
// server's address, the answers are kept there for the LEARNER, "たろう"
// unless another is named; without one, records are off. After each answer
// it prints "judged N" once the answer's handler has returned. With a
// count, it ends after that many answers.
//
//     recordedgame CONTENT [STORE] [COUNT] [LEARNER]
#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "records/records.h"
#include "records/serveraddress.h"
#include "screens/screens.h"
#include "support/fakes.h"
#include "support/mouse.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace {

int shownEntry(const Form &form)
{
    const QString source = form.image("Image3")->pictureSource();
    for (int entry = 1; entry <= 60; ++entry)
        if (source == EntryPicturePath(entry))
            return entry;
    return 0;
}

// A server's learners come once the outbox has read them.
std::unique_ptr<Records> openRecords(const QString &store, const QString &name, Clock &clock)
{
    if (store.isEmpty())
        return nullptr;
    auto records = Records::openAt(store, clock, QStringLiteral("test"));
    QDeadlineTimer deadline(ServerAddress::isServer(store) ? 10000 : 0);
    for (;;) {
        for (const Learner &learner : records->learners())
            if (learner.name == name)
                records->choosePlayer(learner);
        if (records->player() || deadline.hasExpired())
            return records;
        QThread::msleep(20);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    DataPath = dataPathFor(arguments.value(1));
    const int count = arguments.value(3, QStringLiteral("-1")).toInt();
    FakeClock clock;
    FakeRandom random;
    RecordingSounds sounds;
    RecordingErrors errors;
    const auto records =
        openRecords(arguments.value(2), arguments.value(4, QStringLiteral("たろう")), clock);
    Program program({clock, random, sounds, errors, records.get()});
    addScreens(program);
    program.dispatch([&program] { program.open(ScreenName::Quiz); });
    for (int judged = 1; count < 0 || judged <= count; ++judged) {
        Form *form = program.screen(ScreenName::Quiz).form();
        if (form->image("Image6")->isVisible())
            clickAt(form, centreOf(form->image("Image2")));
        clickAt(form, centreOf(form->labelArray("Label1")(shownEntry(*form) - 1)));
        std::printf("judged %d\n", judged);
        std::fflush(stdout);
        clock.now += 3.0;
        emit form->timer("Timer2")->tick();
        QCoreApplication::processEvents();
    }
    return errors.messages.isEmpty() ? 0 : 1;
}
