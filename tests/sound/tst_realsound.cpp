#include "sound/deferredsound.h"
#include "sound/qtsoundplayer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <functional>

namespace {

constexpr int Rate = 44100;

// A 0.4 s 440 Hz tone as a 16-bit PCM WAV file.
QByteArray toneWav()
{
    const int samples = Rate * 4 / 10;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(12000 * std::sin(2 * M_PI * 440 * i / Rate)),
                                pcm.data() + 2 * i);
    QByteArray wav("RIFF");
    auto put32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
    auto put16 = [&wav](quint16 v) { wav.append(reinterpret_cast<const char *>(&v), 2); };
    put32(36 + pcm.size());
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(pcm.size());
    return wav + pcm;
}

int peakOf(const QByteArray &bytes)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(bytes.constData() + i))));
    return peak;
}

bool audioServerRunning()
{
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished() && info.exitCode() == 0;
}

} // namespace

class TestRealSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void setFilePlaysAtOnce();
    void setFileThenStopStaysSilentUntilPlay();
    void missingFileIsSilent();
    void programsModulePlays();

private:
    // What the null sink plays while the action runs and a while after.
    int peakWhile(const std::function<void()> &action);

    QProcess m_recorder;
    QTemporaryDir m_dir;
    QString m_tone;
};

void TestRealSound::initTestCase()
{
    if (!audioServerRunning()) {
        if (qEnvironmentVariableIsSet("HANA_REQUIRE_AUDIO"))
            QFAIL("no PulseAudio server is running");
        QSKIP("no PulseAudio server: run the tests through scripts/test");
    }
    // One recording runs through all the tests: a new one takes a moment to
    // start delivering, and would miss the sound.
    m_recorder.start(
        "parec", {"--device=" + qEnvironmentVariable("HANA_AUDIO_MONITOR", "hana_null.monitor"),
                  "--latency-msec=20", "--format=s16le", "--rate=44100", "--channels=1", "--raw"});
    QVERIFY(m_recorder.waitForStarted());
    QTRY_VERIFY(m_recorder.bytesAvailable() > 0);
    m_tone = m_dir.filePath("tone.wav");
    QFile file(m_tone);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toneWav());
}

int TestRealSound::peakWhile(const std::function<void()> &action)
{
    QTest::qWait(200);
    m_recorder.readAllStandardOutput();
    action();
    QTest::qWait(1000);
    const QByteArray recorded = m_recorder.readAllStandardOutput();
    if (recorded.size() < Rate) // less than half a second came through
        return -1;
    return peakOf(recorded);
}

void TestRealSound::setFilePlaysAtOnce()
{
    QtSoundPlayer player;
    const int peak = peakWhile([&] { player.SetFile(m_tone); });
    QVERIFY2(peak > 3000, qPrintable(QString("peak %1").arg(peak)));
}

void TestRealSound::setFileThenStopStaysSilentUntilPlay()
{
    QtSoundPlayer player;
    int peak = peakWhile([&] {
        player.SetFile(m_tone);
        player.Stop();
    });
    QVERIFY2(peak >= 0 && peak < 100, qPrintable(QString("peak %1").arg(peak)));
    peak = peakWhile([&] { player.Play(); });
    QVERIFY2(peak > 3000, qPrintable(QString("peak %1").arg(peak)));
    peak = peakWhile([&] { player.Play(); });
    QVERIFY2(peak > 3000, qPrintable(QString("second play, peak %1").arg(peak)));
}

void TestRealSound::missingFileIsSilent()
{
    QtSoundPlayer player;
    const int peak = peakWhile([&] {
        player.SetFile(m_dir.filePath("missing.wav"));
        player.Play();
    });
    QVERIFY(peak >= 0 && peak < 100);
}

void TestRealSound::cleanupTestCase()
{
    m_recorder.kill();
    m_recorder.waitForFinished();
}

// The program itself plays through the module it loads after its first
// paint, with players made before the module was there.
void TestRealSound::programsModulePlays()
{
    DeferredSoundFactory sounds;
    auto player = sounds.create("MediaPlayer1");
    player->SetFile(m_tone);
    player->Stop();
    sounds.attach(loadSoundModule(HANA_SOUND_MODULE_PATH));
    const int peak = peakWhile([&] { player->Play(); });
    QVERIFY2(peak > 3000, qPrintable(QString("peak %1").arg(peak)));
}

QTEST_MAIN(TestRealSound)
#include "tst_realsound.moc"
