#include "sound/deferredsound.h"
#include "sound/qtsoundplayer.h"
#include "sound/soundnotices.h"
#include "sound/wavfile.h"
#include "support/fakes.h"
#include "support/tone.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSoundEnd : public QObject
{
    Q_OBJECT

private slots:
    void soundLengthIsReadFromTheWavHeader_data();
    void soundLengthIsReadFromTheWavHeader();
    void soundNobodyHearsEndsAtOnceFromTheEventLoop_data();
    void soundNobodyHearsEndsAtOnceFromTheEventLoop();
    void stoppedOrReplacedSoundIsNotTold();
    void deferredPlayerHandsItsHandlerToTheBackend();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TestSoundEnd::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void TestSoundEnd::soundLengthIsReadFromTheWavHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("problem");
    QTest::addColumn<qint64>("milliseconds");
    const QByteArray tone = toneWav(440, 1.25);
    QTest::newRow("a tone") << tone << int(WavProblem::None) << qint64(1250);
    QTest::newRow("a voice of 4 s") << toneWav(440, 4) << int(WavProblem::None) << qint64(4000);
    // A chunk of its own before the sound data, odd-sized, with its pad byte.
    QByteArray listed = tone;
    listed.insert(36, QByteArray("LIST\x03\x00\x00\x00"
                                 "abc\x00",
                                 12));
    QTest::newRow("a chunk before the data") << listed << int(WavProblem::None) << qint64(1250);
    // 8-bit stereo at 22050 Hz: 44100 bytes a second.
    QByteArray stereo = tone;
    stereo.replace(22, 2, QByteArray("\x02\x00", 2));
    stereo.replace(24, 4, QByteArray("\x22\x56\x00\x00", 4));
    stereo.replace(28, 4, QByteArray("\x44\xAC\x00\x00", 4));
    QTest::newRow("another byte rate") << stereo << int(WavProblem::None) << qint64(2500);
    QByteArray noRate = tone;
    noRate.replace(28, 4, QByteArray(4, '\0'));
    QTest::newRow("no byte rate") << noRate << int(WavProblem::None) << qint64(0);
    QTest::newRow("the format cut short")
        << tone.left(30) << int(WavProblem::CutShort) << qint64(0);
    QTest::newRow("the data cut short")
        << tone.left(tone.size() - 2) << int(WavProblem::CutShort) << qint64(0);
}

// The check itself is unchanged; where it finds no problem it gives the
// sound's length, which the player counts its end by.
void TestSoundEnd::soundLengthIsReadFromTheWavHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, problem);
    QFETCH(qint64, milliseconds);
    const QString path = write("sound.wav", bytes);
    const WavCheck check = checkWavSound(path);
    QCOMPARE(int(check.problem), problem);
    QCOMPARE(int(checkWavFile(path)), problem);
    QCOMPARE(check.milliseconds, milliseconds);
}

void TestSoundEnd::soundNobodyHearsEndsAtOnceFromTheEventLoop_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("file");
    QTest::newRow("no audio output") << "silent output"
                                     << "tone.wav";
    QTest::newRow("no sound module") << "no module"
                                     << "tone.wav";
    QTest::newRow("a file that cannot be played") << "silent output"
                                                  << "missing.wav";
}

// What follows a sound must not wait for one that nobody hears; and a
// handler run inside SetFile or Play would run before the screen's own
// handler had ended.
void TestSoundEnd::soundNobodyHearsEndsAtOnceFromTheEventLoop()
{
    QFETCH(QString, player);
    QFETCH(QString, file);
    write("tone.wav", toneWav(440, 3));
    QStringList lines;
    SoundNotices notices([&lines](const QString &line) { lines << line; });
    std::unique_ptr<SoundFactory> silent = loadSoundModule("/nowhere/libhana_sound.so");
    std::unique_ptr<SoundPlayer> sound = player == "no module"
                                             ? silent->create("MediaPlayer1")
                                             : std::make_unique<QtSoundPlayer>(notices, false);
    int ended = 0;
    sound->setEndedHandler([&ended] { ++ended; });
    sound->SetFile(m_dir.filePath(file));
    QCOMPARE(ended, 0);
    QTRY_COMPARE_WITH_TIMEOUT(ended, 1, 500);
    sound->Play();
    QCOMPARE(ended, 1);
    QTRY_COMPARE_WITH_TIMEOUT(ended, 2, 500);
    QTest::qWait(50);
    QCOMPARE(ended, 2);
}

void TestSoundEnd::stoppedOrReplacedSoundIsNotTold()
{
    const QString tone = write("tone.wav", toneWav(440, 3));
    SoundNotices notices([](const QString &) {});
    QtSoundPlayer sound(notices, false);
    int ended = 0;
    sound.setEndedHandler([&ended] { ++ended; });
    sound.SetFile(tone);
    sound.Stop();
    QTest::qWait(50);
    QCOMPARE(ended, 0);
    sound.Play();
    sound.SetFile(tone);
    sound.Play();
    QTest::qWait(50);
    QCOMPARE(ended, 1);
}

// A screen made before the module was there sets its handler on the
// deferred player; the sounds it hears of come from the backend's player.
void TestSoundEnd::deferredPlayerHandsItsHandlerToTheBackend()
{
    DeferredSoundFactory factory;
    auto early = factory.create("MediaPlayer1");
    int endedEarly = 0;
    early->setEndedHandler([&endedEarly] { ++endedEarly; });
    early->SetFile("/音/oto1.wav");
    early->Stop();
    auto backend = std::make_unique<RecordingSounds>();
    RecordingSounds *recorded = backend.get();
    factory.attach(std::move(backend));
    QVERIFY(!recorded->isSounding("MediaPlayer1"));
    early->Play();
    QVERIFY(recorded->endSound("MediaPlayer1"));
    QCOMPARE(endedEarly, 1);

    auto late = factory.create("MediaPlayer2");
    int endedLate = 0;
    late->setEndedHandler([&endedLate] { ++endedLate; });
    late->SetFile("/音/o.wav");
    QVERIFY(recorded->endSound("MediaPlayer2"));
    QCOMPARE(endedLate, 1);
    QCOMPARE(endedEarly, 1);
}

QTEST_MAIN(TestSoundEnd)
#include "tst_soundend.moc"
