#include "app/screen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/random.h"
#include "sound/deferredsound.h"
#include "support/fakes.h"
#include "support/mouse.h"
#include "support/sinkrecorder.h"
#include "support/stubscreens.h"
#include "support/tone.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The voices' tone: the entry sound has next to nothing at this frequency.
constexpr double VoiceFrequency = 2500;
constexpr double VoiceSeconds = 0.4;
// The entry sound, oto1.wav, lasts half a second.
constexpr qsizetype EntrySoundSamples = ToneRate / 2;
constexpr qsizetype Millisecond = ToneRate / 1000;

} // namespace

// The picture book with the program's own sound module, played into the
// null sink and recorded from its monitor: the voice is told apart from the
// entry sound by its frequency, and where it lies in the recording says
// when it came.
class TestVoicePlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void entrysVoiceFollowsItsSound();
    void entryWithoutVoiceSoundsAlone();
    void keySaysTheNameAgainAlone();

private:
    void showEntry(int kanaRow);
    Form *book() const { return m_program->screen(ScreenName::PictureBook).form(); }

    QTemporaryDir m_data;
    SinkRecorder m_recorder;
    SystemClock m_clock;
    FakeRandom m_random;
    DeferredSoundFactory m_sounds;
    RecordingErrors m_errors;
    std::unique_ptr<Program> m_program;
};

void TestVoicePlayback::initTestCase()
{
    if (!SinkRecorder::serverRunning()) {
        if (qEnvironmentVariableIsSet("HANA_REQUIRE_AUDIO"))
            QFAIL("no PulseAudio server is running");
        QSKIP("no PulseAudio server: run the tests through scripts/with-null-sink");
    }
    QVERIFY(m_recorder.start());
    DataPath = copyContentPack(m_data.path());
    QVERIFY(QDir().mkpath(ContentPath(ContentPack::VoicesFolder)));
    QVERIFY(writeToneWav(EntryVoicePath(1), VoiceFrequency, VoiceSeconds));
    m_sounds.attach(loadSoundModule(HANA_SOUND_MODULE_PATH));
    m_program = std::make_unique<Program>(Services{m_clock, m_random, m_sounds, m_errors});
    addScreensStubbingAllBut(*m_program, ScreenName::PictureBook);
    m_program->dispatch([this] { m_program->open(ScreenName::PictureBook); });
    QVERIFY(QTest::qWaitForWindowExposed(book()));
}

void TestVoicePlayback::cleanup()
{
    QVERIFY2(m_errors.messages.isEmpty(), qPrintable(m_errors.messages.join('\n')));
}

void TestVoicePlayback::showEntry(int kanaRow)
{
    QVERIFY(clickAt(book(), centreOf(book()->labelArray("Label1")(int16_t(kanaRow)))));
}

// Entry 1 is あさがお: its sound, then the tone of its voice right after.
void TestVoicePlayback::entrysVoiceFollowsItsSound()
{
    m_recorder.restart();
    showEntry(1);
    const QByteArray recorded = m_recorder.recordFor(1500);
    const qsizetype sound = soundOnset(recorded, 1000);
    const qsizetype voice = toneOnset(recorded, VoiceFrequency, 3000);
    QVERIFY2(sound >= 0, "the entry sound was not heard");
    QVERIFY2(voice >= 0, "the voice was not heard");
    const qsizetype gap = voice - (sound + EntrySoundSamples);
    QVERIFY2(gap > -50 * Millisecond && gap < 150 * Millisecond,
             qPrintable(QString("the voice came %1 ms after the entry sound's end")
                            .arg(double(gap) / Millisecond)));
}

void TestVoicePlayback::entryWithoutVoiceSoundsAlone()
{
    m_recorder.restart();
    showEntry(2);
    const QByteArray recorded = m_recorder.recordFor(1500);
    QVERIFY2(soundOnset(recorded, 1000) >= 0, "the entry sound was not heard");
    QCOMPARE(toneOnset(recorded, VoiceFrequency, 3000), -1);
}

// The V key on entry 1 says the name at once, with no entry sound first.
void TestVoicePlayback::keySaysTheNameAgainAlone()
{
    showEntry(1);
    QTest::qWait(1500);
    m_recorder.restart();
    QTest::keyClick(book(), Qt::Key_V);
    const QByteArray recorded = m_recorder.recordFor(1000);
    const qsizetype voice = toneOnset(recorded, VoiceFrequency, 3000);
    QVERIFY2(voice >= 0, "the voice was not heard");
    QVERIFY(soundOnset(recorded, 1000) >= voice - 10 * Millisecond);
}

QTEST_MAIN(TestVoicePlayback)
#include "tst_voiceplayback.moc"
