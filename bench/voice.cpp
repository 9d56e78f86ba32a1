// The pack editor's take of a voice, in-process on the offscreen platform
// and the default microphone (tests/editor/with-tone-microphone plays a
// tone into it): the longest pause of the window's event loop while the
// take of 5 s runs with the meter moving, and from the click on 録音
// through the count and the take to the voice saved (which opens and
// closes the device and reads the folder again). Prints "name value" lines
// (milliseconds).
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/voicepanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    QApplication app(argc, argv);
    const QString source = dir.filePath("source");
    const QString tone = dir.filePath("tone.wav");
    if (QProcess::execute("sox", {"-n", "-r", "48000", "-c", "2", tone, "synth", "1.5", "sine",
                                  "440", "vol", "0.3", "pad", "3.5", "1"}) != 0)
        return 1;
    EditorWindow window({QStringLiteral(HANA_SOURCE_DIR "/data"),
                         QStringLiteral("true"),
                         PackPlace{dir.filePath("packs"), dir.filePath("applications"), false},
                         {}});
    QDir().mkpath(source + "/pictures");
    if (window.openFolder(source))
        return 1;
    window.show();
    window.entryList()->setCurrentEntry(1);
    VoicePanel *panel = window.voicePanel();
    if (panel->inputs().isEmpty())
        return 1;

    QElapsedTimer gap;
    double longest = 0;
    double recording = 0;
    int levels = 0;
    QObject::connect(&panel->take(), &VoiceTake::level, [&levels] { ++levels; });
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const double pause = double(gap.nsecsElapsed()) / 1e6;
        longest = std::max(longest, pause);
        if (panel->take().phase() == VoiceTake::Phase::Recording && panel->take().seconds() > 0.1)
            recording = std::max(recording, pause);
        gap.start();
    });
    QProcess play;
    play.start("paplay", {"--device=tone_feed", tone});
    gap.start();
    ticks.start();
    panel->record();
    QElapsedTimer whole;
    whole.start();
    while ((panel->isTaking() || panel->isMaking()) && whole.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    ticks.stop();
    play.waitForFinished();
    std::printf("editor_record_longest_pause %.3f\n", recording);
    std::printf("editor_take_longest_pause %.3f\n", longest);
    std::printf("editor_record_meter_updates %d\n", levels);
    std::printf("editor_record_seconds %.3f\n", double(whole.elapsed()) / 1000);
    return QFile::exists(source + "/voices/1.wav") ? 0 : 1;
}
