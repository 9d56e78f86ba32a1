#include "app/errorreporter.h"
#include "app/program.h"
#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "screens/screens.h"
#include "sound/deferredsound.h"
#include "version/version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(versionText());
    QCommandLineParser parser;
    parser.addVersionOption();
    parser.process(app);
    // Wayland compositors find the program's desktop entry, and so its name
    // and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.hanazukan.Hana"));
    DataPath = dataPathFor(QCoreApplication::applicationDirPath());

    SystemClock clock;
    ClockSeededRandom random(clock);
    DeferredSoundFactory sounds;
    DialogErrorReporter errors;
    Program program({clock, random, sounds, errors});
    addScreens(program);
    QObject::connect(&program, &Program::ended, &app,
                     [](int status) { QApplication::exit(status); });

    program.dispatch([&program] { program.open(ScreenName::Menu); });
    if (program.hasEnded())
        return program.exitStatus();
    sounds.attachAfterFirstPaint(program.screen(ScreenName::Menu).form(),
                                 QApplication::applicationDirPath() + "/" HANA_SOUND_MODULE);
    return app.exec();
}
