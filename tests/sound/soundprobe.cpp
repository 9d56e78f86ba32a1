// soundprobe FILE...: loads the program's sound module as the program does,
// plays each file once on a player of its own and waits for the players to
// settle. Prints to stdout whether Qt Multimedia's FFmpeg category would
// print information lines; anything the sound side says goes to stderr.
#include "sound/deferredsound.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTimer>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DeferredSoundFactory sounds;
    sounds.attach(loadSoundModule(HANA_SOUND_MODULE_PATH));
    std::vector<std::unique_ptr<SoundPlayer>> players;
    for (const QString &file : QApplication::arguments().mid(1)) {
        players.push_back(sounds.create("MediaPlayer1"));
        players.back()->SetFile(file);
    }
    QTimer::singleShot(800, &app, &QApplication::quit);
    const int status = QApplication::exec();

    const QLoggingCategory ffmpeg("qt.multimedia.ffmpeg");
    std::printf("info %s warning %s\n", ffmpeg.isInfoEnabled() ? "on" : "off",
                ffmpeg.isWarningEnabled() ? "on" : "off");
    return status;
}
