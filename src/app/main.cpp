#include "app/errorreporter.h"
#include "app/program.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "screens/menu/menuscreen.h"
#include "screens/picture_book/picturebookscreen.h"
#include "screens/quiz/quizscreen.h"
#include "sound/deferredsound.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
