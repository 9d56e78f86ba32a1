#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "pack/packbuilder.h"
#include "pack/packmessage.h"
#include "pack/voicedecoder.h"
#include "pack/voiceloudness.h"
#include "pack/voiceprocessor.h"
#include "recordingreport.h"
#include "sound/wavfile.h"
#include "sourcevoices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

constexpr double ToneSeconds = 1.0;
// The tone with the 50 ms kept on either side.
constexpr double TrimmedSeconds = ToneSeconds + 0.1;
// Lossy codecs smear a tone's edges by a few milliseconds; trimming works
// in stretches of 10 ms.
constexpr double LengthTolerance = 0.03;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString bundled()
{
    return qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

} // namespace

class PackVoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void eachFormatBecomesAPackVoice_data();
    void eachFormatBecomesAPackVoice();
    void levelsQuietLoudAndShortVoices_data();
    void levelsQuietLoudAndShortVoices();
    void badFilesAreNamedProblems_data();
    void badFilesAreNamedProblems();
    void recordedClips();
    void packRunWritesTheVoicesInOrder();
    void packWithoutVoicesHasNoVoicesFolder();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void PackVoicesTest::eachFormatBecomesAPackVoice_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("WAV, 48 kHz stereo") << "1.wav" << 48000 << 2;
    QTest::newRow("FLAC, 44.1 kHz mono") << "あさがお.flac" << 44100 << 1;
    QTest::newRow("Ogg Vorbis, 22.05 kHz") << "3.ogg" << 22050 << 1;
    QTest::newRow("Opus, 48 kHz") << "4.opus" << 48000 << 2;
    QTest::newRow("MP3, 32 kHz stereo") << "5.mp3" << 32000 << 2;
    QTest::newRow("WAV, 8 kHz phone line") << "6.wav" << 8000 << 1;
}

void PackVoicesTest::eachFormatBecomesAPackVoice()
{
    QFETCH(QString, name);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QVERIFY(makeRecording(path(name), rate, channels, toneBetweenSilence(ToneSeconds)));

    const ProcessedVoice voice = VoiceProcessor::processFile(path(name));
    QVERIFY2(!voice.problem, qPrintable(voice.problem ? voice.problem->text() : QString()));
    const VoiceFile file = VoiceFile::parse(voice.wav);
    QCOMPARE(file.format, 1);
    QCOMPARE(file.channels, 1);
    QCOMPARE(file.bits, 16);
    QCOMPARE(file.rate, VoiceProcessor::Rate);
    QVERIFY2(std::abs(file.seconds() - TrimmedSeconds) < LengthTolerance,
             qPrintable(QString::number(file.seconds())));
    QVERIFY2(std::abs(file.loudness() - VoiceLoudness::TargetLufs) <= VoiceLoudness::ToleranceLu,
             qPrintable(QString::number(file.loudness())));
    QVERIFY(file.peakDbfs() <= VoiceLoudness::CeilingDbfs);
    QVERIFY2(std::abs(file.frequency() - 440) < 5, qPrintable(QString::number(file.frequency())));

    // What the program plays must pass the program's own check.
    QFile written(path("out.wav"));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(voice.wav);
    written.close();
    QCOMPARE(checkWavFile(written.fileName()), WavProblem::None);
}

void PackVoicesTest::levelsQuietLoudAndShortVoices_data()
{
    QTest::addColumn<QStringList>("effects");
    QTest::addColumn<double>("seconds");
    QTest::newRow("whispered, 45 dB under full scale")
        << toneBetweenSilence(ToneSeconds, 0.005) << TrimmedSeconds;
    // Noise has peaks far above its loudness, as speech has: levelling it
    // to the target takes the limiter.
    QTest::newRow("noisy and hot")
        << QStringList{"synth", "1", "whitenoise", "pad", "0.5", "0.5"} << TrimmedSeconds;
    QTest::newRow("clipping tone") << toneBetweenSilence(ToneSeconds, 1.0) << TrimmedSeconds;
    QTest::newRow("shorter than the loudness block") << toneBetweenSilence(0.2, 0.3) << 0.3;
}

void PackVoicesTest::levelsQuietLoudAndShortVoices()
{
    QFETCH(QStringList, effects);
    QFETCH(double, seconds);
    QVERIFY(makeRecording(path("v.wav"), 48000, 1, effects));
    const ProcessedVoice voice = VoiceProcessor::processFile(path("v.wav"));
    QVERIFY2(!voice.problem, qPrintable(voice.problem ? voice.problem->text() : QString()));
    const VoiceFile file = VoiceFile::parse(voice.wav);
    QVERIFY2(std::abs(file.seconds() - seconds) < LengthTolerance,
             qPrintable(QString::number(file.seconds())));
    QVERIFY2(std::abs(file.loudness() - VoiceLoudness::TargetLufs) <= VoiceLoudness::ToleranceLu,
             qPrintable(QString::number(file.loudness())));
    QVERIFY2(file.peakDbfs() <= VoiceLoudness::CeilingDbfs,
             qPrintable(QString::number(file.peakDbfs())));
}

void PackVoicesTest::badFilesAreNamedProblems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("zero length") << "empty.wav" << ContentMessage::voiceEmpty();
    QTest::newRow("text renamed .wav") << "text.wav" << ContentMessage::notAVoice();
    QTest::newRow("truncated WAV") << "cut.wav" << ContentMessage::voiceCutShort();
    QTest::newRow("truncated FLAC") << "cut.flac" << ContentMessage::voiceCutShort();
    QTest::newRow("an hour") << "hour.flac"
                             << ContentMessage::voiceSourceTooLong(VoiceDecoder::MaximumSeconds);
    QTest::newRow("8 channels at 192 kHz")
        << "eight.wav" << ContentMessage::voiceChannels(8, VoiceDecoder::MaximumChannels);
    QTest::newRow("192 kHz") << "high.wav"
                             << ContentMessage::voiceRate(192000, VoiceDecoder::MinimumRate,
                                                          VoiceDecoder::MaximumRate);
    QTest::newRow("silence") << "silent.wav" << ContentMessage::voiceSilent();
    QTest::newRow("a phone's recording")
        << "phone.m4a" << ContentMessage::voiceNeedsConverting("M4A");
    QTest::newRow("5 s of sound") << "long.wav"
                                  << ContentMessage::voiceTooLong(5.1, MaximumVoiceSeconds);
}

void PackVoicesTest::badFilesAreNamedProblems()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    const QString file = path(name);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    if (name == "text.wav") {
        out.write("RIFFこれは声ではなく、テキストです。\n");
    } else if (name.startsWith("cut.")) {
        QVERIFY(makeRecording(path("whole." + name.section('.', 1)), 48000, 1,
                              toneBetweenSilence(ToneSeconds)));
        const QByteArray whole = readAll(path("whole." + name.section('.', 1)));
        out.write(whole.left(whole.size() / 2));
    } else if (name == "phone.m4a") {
        out.write(QByteArray("\0\0\0\x20"
                             "ftypM4A ",
                             12));
    } else if (name != "empty.wav") {
        out.close();
        const QMap<QString, std::tuple<int, int, QStringList>> made{
            {"hour.flac", {8000, 1, {"trim", "0", "3600"}}},
            {"eight.wav", {192000, 8, toneBetweenSilence(0.5)}},
            {"high.wav", {192000, 1, toneBetweenSilence(0.5)}},
            {"silent.wav", {48000, 1, {"trim", "0", "2"}}},
            {"long.wav", {48000, 1, toneBetweenSilence(5.0)}},
        };
        const auto [rate, channels, effects] = made.value(name);
        QVERIFY(makeRecording(file, rate, channels, effects));
    }
    out.close();

    QElapsedTimer timer;
    timer.start();
    const ProcessedVoice voice = VoiceProcessor::processFile(file);
    QVERIFY(timer.elapsed() < 10000);
    QVERIFY(voice.wav.isEmpty());
    QVERIFY(voice.problem);
    QCOMPARE(voice.problem->file, file);
    QCOMPARE(voice.problem->what, problem);
}

// The editor's takes: the same rules as for files, and any rate a device has.
void PackVoicesTest::recordedClips()
{
    VoiceClip clip{std::vector<float>(48000 * 2, 0.0f), 48000, 1};
    for (size_t i = 24000; i < 72000; ++i)
        clip.samples[i] = 0.2f * float(std::sin(2 * M_PI * 440 * double(i) / 48000));
    const ProcessedVoice voice = VoiceProcessor::processClip(clip, "voices/1.wav");
    QVERIFY(!voice.problem);
    const VoiceFile file = VoiceFile::parse(voice.wav);
    QVERIFY(std::abs(file.seconds() - TrimmedSeconds) < LengthTolerance);
    QVERIFY(std::abs(file.loudness() - VoiceLoudness::TargetLufs) <= VoiceLoudness::ToleranceLu);

    const VoiceClip empty{{}, 48000, 1};
    QCOMPARE(VoiceProcessor::processClip(empty, "voices/1.wav").problem,
             (ContentProblem{"voices/1.wav", 0, ContentMessage::voiceEmpty()}));
    const VoiceClip silent{std::vector<float>(48000, 0.0f), 48000, 1};
    QCOMPARE(VoiceProcessor::processClip(silent, "voices/1.wav").problem->what,
             ContentMessage::voiceSilent());
    const VoiceClip noRate{std::vector<float>(100, 0.5f), 0, 1};
    QVERIFY(VoiceProcessor::processClip(noRate, "voices/1.wav").problem);
}

// A source of voices alone: some entries have one, by number or by name,
// one is broken and one is of a kind not taken.
void PackVoicesTest::packRunWritesTheVoicesInOrder()
{
    const QString voices = path("source/voices/");
    QVERIFY(QDir().mkpath(voices));
    QVERIFY(makeRecording(voices + "1.wav", 48000, 2, toneBetweenSilence(ToneSeconds)));
    QVERIFY(makeRecording(voices + "アネモネ.ogg", 44100, 1, toneBetweenSilence(0.6)));
    QVERIFY(makeRecording(voices + "60.flac", 16000, 1, toneBetweenSilence(2.0)));
    QFile text(voices + "7.mp3");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("ID3 ではありません");
    text.close();
    QFile::copy(voices + "1.wav", voices + "9.aiff");

    RecordingReport report;
    const PackOptions options{path("source"), path("out"), bundled()};
    const PackSummary summary = PackBuilder(options, report).run();

    QVERIFY(summary.made);
    QCOMPARE(summary.voicesMade, (QList<int>{1, 3, 60}));
    QCOMPARE(summary.refused, 2);
    QCOMPARE(report.problems.size(), 2);
    QCOMPARE(report.problems.at(0).file, voices + "9.aiff");
    QCOMPARE(report.problems.at(1),
             (ContentProblem{voices + "7.mp3", 0, ContentMessage::notAVoice()}));
    QStringList counted;
    for (const RecordingReport::Step &step : report.steps)
        if (step.total > 0)
            counted << step.step;
    QCOMPARE(counted, (QStringList{"声 1 / 4: 1.wav", "声 2 / 4: アネモネ.ogg", "声 3 / 4: 7.mp3",
                                   "声 4 / 4: 60.flac"}));
    QVERIFY(summary.lines().contains(PackMessage::voicesFromSource(3, "1, 3, 60")));
    QVERIFY(summary.checkProblems.isEmpty());

    const QString out = path("out");
    const QStringList made = QDir(out + ContentPack::VoicesFolder).entryList(QDir::Files);
    QCOMPARE(made, (QStringList{"k1.wav", "k3.wav", "k60.wav"}));
    QCOMPARE(VoiceFile::parse(readAll(out + ContentPack::entryVoice(60))).frequency() > 430, true);
    // The rest of the pack is the bundled one.
    QCOMPARE(readAll(out + ContentPack::entryPicture(1)),
             readAll(bundled() + ContentPack::entryPicture(1)));
}

void PackVoicesTest::packWithoutVoicesHasNoVoicesFolder()
{
    QVERIFY(QDir().mkpath(path("plain/texts")));
    RecordingReport report;
    const PackOptions options{path("plain"), path("plain-out"), bundled()};
    const PackSummary summary = PackBuilder(options, report).run();
    QVERIFY(summary.clean());
    QVERIFY(summary.voicesMade.isEmpty());
    QVERIFY(!QFileInfo::exists(path("plain-out") + ContentPack::VoicesFolder));
    // The bundled pack has no voices to give, so their absence is no news.
    for (const ContentProblem &note : report.notes)
        QVERIFY(!note.file.endsWith("voices"));
}

QTEST_GUILESS_MAIN(PackVoicesTest)
#include "tst_packvoices.moc"
