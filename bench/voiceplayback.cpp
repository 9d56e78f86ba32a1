// The picture book with the program's own sound module, played into the
// null sink of scripts/with-null-sink and recorded from its monitor: entry 1
// is shown again and again, with a voice of a 2.5 kHz tone, and each round
// finds in the recording where the entry sound begins and where the voice's
// tone begins. Prints one "key value" line per figure, for scripts/bench;
// a round in which either is not heard ends it with status 1.
#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/form.h"
#include "platform/label.h"
#include "sound/deferredsound.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/sinkrecorder.h"
#include "support/stubscreens.h"
#include "support/tone.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Rounds = 15;
constexpr double VoiceFrequency = 2500;
// The entry sound, oto1.wav, lasts half a second.
constexpr qsizetype EntrySoundSamples = ToneRate / 2;

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "bench_voice: %s\n", what);
    std::exit(1);
}

double milliseconds(qsizetype samples)
{
    return double(samples) * 1000 / ToneRate;
}

void print(const char *key, double value)
{
    std::printf("%s %.3f\n", key, value);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("HANA_SOURCE_DIR"))
        qputenv("HANA_SOURCE_DIR", HANA_SOURCE_DIR);
    QApplication app(argc, argv);
    require(SinkRecorder::serverRunning(), "no audio server");
    SinkRecorder recorder;
    require(recorder.start(), "parec records nothing");

    QTemporaryDir data;
    DataPath = copyContentPack(data.path());
    require(QDir().mkpath(ContentPath(ContentPack::VoicesFolder)) &&
                writeToneWav(EntryVoicePath(1), VoiceFrequency, 0.6),
            "cannot write the voice");

    SystemClock clock;
    FakeRandom random;
    DeferredSoundFactory sounds;
    sounds.attach(loadSoundModule(HANA_SOUND_MODULE_PATH));
    RecordingErrors errors;
    Program program{Services{clock, random, sounds, errors}};
    addScreensStubbingAllBut(program, ScreenName::PictureBook);
    program.dispatch([&] { program.open(ScreenName::PictureBook); });
    Form *book = program.screen(ScreenName::PictureBook).form();
    require(book && QTest::qWaitForWindowExposed(book), "the picture book did not open");
    const QPoint firstTile = centreOf(book->labelArray("Label1")(1));

    QList<double> toSound, afterSound, toVoice;
    int missed = 0;
    for (int round = 0; round < Rounds; ++round) {
        recorder.restart();
        QCoreApplication::processEvents();
        const qsizetype shown = recorder.samplesSoFar();
        clickAt(book, firstTile);
        const QByteArray recorded = recorder.recordFor(1800);
        const qsizetype sound = soundOnset(recorded, 1000);
        const qsizetype voice = toneOnset(recorded, VoiceFrequency, 3000);
        if (sound < 0 || voice < 0) {
            ++missed;
            continue;
        }
        toSound << milliseconds(sound - shown);
        afterSound << milliseconds(voice - sound - EntrySoundSamples);
        toVoice << milliseconds(voice - shown);
    }
    require(errors.messages.isEmpty(), "the picture book reported an error");
    require(!afterSound.isEmpty(), "no round heard the entry sound and its voice");
    print("voice_rounds_heard", double(afterSound.size()));
    print("voice_rounds_missed", missed);
    print("voice_after_sound_median", median(afterSound));
    print("voice_after_sound_max", *std::max_element(afterSound.cbegin(), afterSound.cend()));
    print("voice_after_sound_min", *std::min_element(afterSound.cbegin(), afterSound.cend()));
    print("shown_to_sound_median", median(toSound));
    print("shown_to_voice_median", median(toVoice));
    return 0;
}
