#include "pack/voicedecoder.h"
#include "pack/voiceloudness.h"
#include "pack/voiceprocessor.h"
#include "sound/wavfile.h"
#include "sourcevoices.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int Cuts = 24;
constexpr int Damages = 24;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a damaged recording gives: a named problem, or a voice in the
// pack's form. Returns a description of anything else.
QString wrongResult(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const DecodedVoice decoded = VoiceDecoder::decode(&buffer);
    if (!decoded.problem.isEmpty())
        return QString();
    const ProcessedVoice voice = VoiceProcessor::processClip(decoded.clip, "1.wav");
    if (voice.problem)
        return voice.problem->what.isEmpty() ? QStringLiteral("a problem without words")
                                             : QString();
    const VoiceFile file = VoiceFile::parse(voice.wav);
    if (file.format != 1 || file.channels != 1 || file.bits != 16 ||
        file.rate != VoiceProcessor::Rate)
        return QStringLiteral("not the pack's form");
    if (file.seconds() > MaximumVoiceSeconds)
        return QStringLiteral("%1 s long").arg(file.seconds());
    if (file.peakDbfs() > VoiceLoudness::CeilingDbfs)
        return QStringLiteral("peak at %1 dBFS").arg(file.peakDbfs());
    return QString();
}

} // namespace

// Recordings of every format cut short at many points and with bytes
// overwritten across the file, as a failing card or a broken copy leaves
// them: none may crash, hang or give a voice out of the pack's form.
class BadVoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void damagedRecordings_data();
    void damagedRecordings();
    void headerClaimingAnHour();

private:
    QTemporaryDir m_dir;
};

void BadVoiceTest::damagedRecordings_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"v.wav", "v.flac", "v.ogg", "v.opus", "v.mp3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void BadVoiceTest::damagedRecordings()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    QVERIFY(makeRecording(path, 44100, 1, toneBetweenSilence(0.5)));
    const QByteArray whole = readAll(path);
    QVERIFY(whole.size() > 1000);
    QVERIFY(wrongResult(whole).isEmpty());
    for (int cut = 1; cut < Cuts; ++cut) {
        const QByteArray part = whole.left(whole.size() * cut / Cuts);
        QVERIFY2(wrongResult(part).isEmpty(), qPrintable(QString::number(part.size())));
    }
    for (int damage = 0; damage < Damages; ++damage) {
        QByteArray damaged = whole;
        // Sixteen bytes of 0xff or 0x00 at spread places, the header too.
        const qsizetype at = damaged.size() * damage / Damages;
        for (qsizetype i = at; i < std::min(damaged.size(), at + 16); ++i)
            damaged[i] = damage % 2 ? char(0xff) : char(0);
        QVERIFY2(wrongResult(damaged).isEmpty(), qPrintable(QString::number(at)));
    }
}

// A WAV header whose data chunk claims far more than is there, and a rate
// that would make an hour of it: named before a sample is decoded.
void BadVoiceTest::headerClaimingAnHour()
{
    const QString path = m_dir.filePath("hour.wav");
    QVERIFY(makeRecording(path, 8000, 1, toneBetweenSilence(0.5)));
    QByteArray bytes = readAll(path);
    const qsizetype data = bytes.indexOf("data");
    QVERIFY(data > 0);
    qToLittleEndian(quint32(3600 * 8000 * 4), bytes.data() + data + 4);
    QCOMPARE(wrongResult(bytes), QString());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(!VoiceDecoder::decode(&buffer).problem.isEmpty());
}

QTEST_GUILESS_MAIN(BadVoiceTest)
#include "tst_badvoice.moc"
