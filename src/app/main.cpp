#include "clock.h"
#include "datapath.h"
#include "deferredsound.h"
#include "errorreporter.h"
#include "menuscreen.h"
#include "picturebookscreen.h"
#include "program.h"
#include "quizscreen.h"
#include "random.h"
#include "screennames.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Wayland compositors find the program's desktop entry, and so its name
    // and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.hanazukan.Hana"));
    DataPath = dataPathFor(QCoreApplication::applicationDirPath());

    SystemClock clock;
    ClockSeededRandom random(clock);
    DeferredSoundFactory sounds;
    DialogErrorReporter errors;
    Program program({clock, random, sounds, errors});
    program.addScreen(ScreenName::Menu, [](Program &p) { return std::make_unique<MenuScreen>(p); });
    program.addScreen(ScreenName::PictureBook,
                      [](Program &p) { return std::make_unique<PictureBookScreen>(p); });
    program.addScreen(ScreenName::Quiz, [](Program &p) { return std::make_unique<QuizScreen>(p); });
    QObject::connect(&program, &Program::ended, &app,
                     [](int status) { QApplication::exit(status); });

    program.dispatch([&program] { program.open(ScreenName::Menu); });
    if (program.hasEnded())
        return program.exitStatus();
    sounds.attachAfterFirstPaint(program.screen(ScreenName::Menu).form(),
                                 QApplication::applicationDirPath() + "/" HANA_SOUND_MODULE);
    return app.exec();
}
