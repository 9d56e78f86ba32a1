#include "hardening/session.h"
#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "screens/screens.h"
#include "support/mouse.h"

#include <QApplication>
#include <QDirIterator>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <unistd.h>

namespace {

// One copy of the content pack serves the whole run.
const QString &pristinePack()
{
    static QTemporaryDir dir;
    static const QString root = copyContentPack(dir.path());
    return root;
}

// The folders of the pristine pack, made anew, holding hard links to its
// files: far quicker than copying them for every session.
QString linkPristinePack(const QString &into)
{
    const QString &pristine = pristinePack();
    QDirIterator files(pristine, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = into + file.mid(pristine.size());
        QDir().mkpath(QFileInfo(target).path());
        if (::link(QFile::encodeName(file), QFile::encodeName(target)) != 0)
            QFile::copy(file, target);
    }
    return into;
}

} // namespace

// The dialog is modal: a timer inside its event loop reads it and presses OK.
void DialogCatcher::report(const QString &message)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        dialogs.append({box->windowTitle(), box->text()});
        box->accept();
    });
    closer.start(10);
    DialogErrorReporter().report(message);
}

Session::Session(SoundFactory *players)
    : root(linkPristinePack(m_dir.path())),
      program(Services{clock, random, players ? *players : sounds, errors})
{
    DataPath = root;
    addScreens(program);
}

Form *Session::form(const QString &screen)
{
    return program.hasInstance(screen) ? program.screen(screen).form() : nullptr;
}

bool Session::isOpen(const QString &screen)
{
    return form(screen) != nullptr;
}

void Session::open(const QString &screen)
{
    program.dispatch([this, screen] { program.open(screen); });
}

void Session::click(const QWidget *control)
{
    clickAt(control->window(), centreOf(control));
}

// The clock runs past midnight as the real one does: it starts again at 0.
void Session::tickAfter(const QString &screen, const char *timer, double seconds)
{
    clock.now = std::fmod(clock.now + seconds, SecondsPerDay);
    Timer *ticking = form(screen)->timer(timer);
    QVERIFY2(ticking->isTicking(), timer);
    emit ticking->tick();
}

void Session::chooseKana(int tile)
{
    click(form(ScreenName::PictureBook)->labelArray("Label1")(int16_t(tile)));
}

int Session::questionEntry()
{
    const QString shown = form(ScreenName::Quiz)->image("Image3")->pictureSource();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (shown == EntryPicturePath(entry))
            return entry;
    return 0;
}

// A wrong answer clicks the tile of the next entry.
void Session::answer(bool right)
{
    const int entry = questionEntry();
    QVERIFY(entry > 0);
    const int tile = right ? entry - 1 : entry % ContentPack::EntryCount;
    click(form(ScreenName::Quiz)->labelArray("Label1")(int16_t(tile)));
}

void Session::endAnswerPause()
{
    tickAfter(ScreenName::Quiz, "Timer2", 3.0);
}

void Session::playGame(int rightAnswers)
{
    for (int question = 0;
         question < ContentPack::EntryCount && !program.hasEnded() && !QTest::currentTestFailed(); ++question) {
        answer(question < rightAnswers);
        if (!program.hasEnded())
            endAnswerPause();
    }
}
