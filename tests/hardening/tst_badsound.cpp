#include "app/screennames.h"
#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "hardening/contentbytes.h"
#include "hardening/session.h"
#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/image.h"
#include "sound/qtsoundplayer.h"
#include "support/stderrlines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// What takes the place of a sound file.
enum class Stand
{
    Missing,
    Folder,
    Unreadable,
    Bytes,
};

struct BrokenSound
{
    const char *name;
    Stand stand;
    QByteArray bytes;
    QString warning;
};

QByteArray goodSound()
{
    return readBytes(qEnvironmentVariable("HANA_SOURCE_DIR") + "/data" + ContentPack::RightSound);
}

// The sound with another format tag in its format chunk.
QByteArray withFormat(quint16 tag)
{
    QByteArray wav = goodSound();
    qToLittleEndian(tag, wav.data() + 20);
    return wav;
}

// A chunk that claims to hold nearly 4 GB comes before the format.
QByteArray withHugeChunk()
{
    QByteArray wav = goodSound();
    wav.insert(12, QByteArray("LIST\xF0\xFF\xFF\xFF", 8));
    return wav;
}

// A whole, silent PCM sound whose file is a little over 16 MB.
QByteArray hugeSound()
{
    const QByteArray good = goodSound();
    const qsizetype samples = 16 * 1024 * 1024;
    QByteArray wav = good.left(good.indexOf("data") + 4);
    wav.append(QByteArray(4, '\0'));
    qToLittleEndian(quint32(samples), wav.data() + wav.size() - 4);
    return wav + QByteArray(samples, '\0');
}

QList<BrokenSound> makeBrokenSounds()
{
    const QByteArray good = goodSound();
    return {
        {"missing", Stand::Missing, {}, "no such file"},
        {"a folder", Stand::Folder, {}, "a folder"},
        {"unreadable", Stand::Unreadable, good, "cannot be read"},
        {"empty", Stand::Bytes, "", "empty"},
        {"cut in half", Stand::Bytes, good.left(good.size() / 2), "cut short"},
        {"cut in its header", Stand::Bytes, good.left(30), "cut short"},
        {"a huge chunk claimed", Stand::Bytes, withHugeChunk(), "cut short"},
        {"mu-law, not PCM", Stand::Bytes, withFormat(7), "not PCM"},
        {"floating point, not PCM", Stand::Bytes, withFormat(3), "not PCM"},
        {"over 16 MB", Stand::Bytes, hugeSound(), "larger than 16 MB"},
        {"a text file", Stand::Bytes, codePage932(QStringLiteral("音ではありません")), "not a WAV"},
    };
}

const QList<BrokenSound> &brokenSounds()
{
    static const QList<BrokenSound> sounds = makeBrokenSounds();
    return sounds;
}

BrokenSound brokenSound(const char *name)
{
    for (const BrokenSound &sound : brokenSounds())
        if (qstrcmp(sound.name, name) == 0)
            return sound;
    qFatal("no broken sound %s", name);
}

// The lines that name the file, as a path or as a URL.
QStringList naming(const QStringList &lines, const QString &path)
{
    return lines.filter("/" + QFileInfo(path).fileName());
}

// Puts the broken sound in place; false when it cannot be made as asked
// (root reads every file whatever its permissions).
bool place(const BrokenSound &sound, const QString &path)
{
    QFile::remove(path);
    switch (sound.stand) {
    case Stand::Missing:
        return true;
    case Stand::Folder:
        return QDir().mkdir(path);
    case Stand::Unreadable:
        return writeBytes(path, sound.bytes) &&
               QFile::setPermissions(path, QFileDevice::WriteOwner) &&
               !QFile(path).open(QIODevice::ReadOnly);
    case Stand::Bytes:
        return writeBytes(path, sound.bytes);
    }
    return false;
}

bool audioServerRunning()
{
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished() && info.exitCode() == 0;
}

int peakOf(const QByteArray &samples)
{
    int peak = 0;
    for (qsizetype at = 0; at + 1 < samples.size(); at += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(samples.constData() + at))));
    return peak;
}

} // namespace

Q_DECLARE_METATYPE(Stand)

class TestBadSound : public QObject
{
    Q_OBJECT

private slots:
    void brokenSoundWarnsOnceAndNeverHangs_data();
    void brokenSoundWarnsOnceAndNeverHangs();
    void brokenSoundsAreNotHeard();
    void quizGoesOnWithBrokenSounds();
    void checkerNamesBrokenSound_data();
    void checkerNamesBrokenSound();

private:
    QTemporaryDir m_dir;
};

void TestBadSound::brokenSoundWarnsOnceAndNeverHangs_data()
{
    QTest::addColumn<int>("row");
    const QList<BrokenSound> sounds = brokenSounds();
    for (int row = 0; row < sounds.size(); ++row)
        QTest::newRow(sounds.at(row).name) << row;
}

// The player is asked for the sound as the quiz asks: loaded and silenced,
// played twice, then loaded again. The player loads asynchronously, so the
// test waits a little for any late message.
void TestBadSound::brokenSoundWarnsOnceAndNeverHangs()
{
    QFETCH(int, row);
    const BrokenSound sound = brokenSounds().at(row);
    const QString path = m_dir.filePath(QStringLiteral("sound%1.wav").arg(row));
    if (!place(sound, path))
        QSKIP("running as root, which reads a file whatever its permissions");

    StderrLines stderrLines;
    QElapsedTimer calls;
    calls.start();
    {
        QtSoundPlayer player;
        player.SetFile(path);
        player.Stop();
        player.Play();
        player.Play();
        player.SetFile(path);
        QVERIFY2(calls.elapsed() < 1000, qPrintable(QString::number(calls.elapsed())));
        QTest::qWait(300);
    }
    const QStringList lines = naming(stderrLines.lines(), path);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith("hana: warning: cannot play sound " + path),
             qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(sound.warning), qPrintable(lines.first()));
}

// Recorded from the null sink of the test's own PulseAudio server: a good
// sound comes through, none of the broken ones does.
void TestBadSound::brokenSoundsAreNotHeard()
{
    if (!audioServerRunning()) {
        if (qEnvironmentVariableIsSet("HANA_REQUIRE_AUDIO"))
            QFAIL("no PulseAudio server is running");
        QSKIP("no PulseAudio server: run the tests through scripts/test");
    }
    QProcess recorder;
    recorder.start(
        "parec", {"--device=" + qEnvironmentVariable("HANA_AUDIO_MONITOR", "hana_null.monitor"),
                  "--latency-msec=20", "--format=s16le", "--rate=44100", "--channels=1", "--raw"});
    QVERIFY(recorder.waitForStarted());
    QTRY_VERIFY(recorder.bytesAvailable() > 0);
    const auto peakWhile = [&recorder](const std::function<void()> &action) {
        QTest::qWait(200);
        recorder.readAllStandardOutput();
        action();
        QTest::qWait(1000);
        return peakOf(recorder.readAllStandardOutput());
    };

    const QString good = m_dir.filePath("良い音.wav");
    QVERIFY(writeBytes(good, goodSound()));
    QtSoundPlayer control;
    QVERIFY(peakWhile([&] { control.SetFile(good); }) > 3000);

    std::vector<std::unique_ptr<QtSoundPlayer>> players;
    const int peak = peakWhile([&] {
        const QList<BrokenSound> sounds = brokenSounds();
        for (int row = 0; row < sounds.size(); ++row) {
            const QString path = m_dir.filePath(QStringLiteral("鳴らない%1.wav").arg(row));
            if (!place(sounds.at(row), path))
                continue;
            players.push_back(std::make_unique<QtSoundPlayer>());
            players.back()->SetFile(path);
            players.back()->Play();
        }
    });
    QVERIFY2(peak < 100, qPrintable(QString("peak %1").arg(peak)));
    recorder.kill();
    recorder.waitForFinished();
}

// The quiz with real players, every one of its sounds broken: no dialog,
// the game and the leave to the picture book go on, one warning a file.
// A hang fails the test through its function timeout.
void TestBadSound::quizGoesOnWithBrokenSounds()
{
    QtSoundFactory players;
    Session session(&players);
    const QList<std::pair<QString, const char *>> broken = {
        {ContentPack::EntrySound, "mu-law, not PCM"}, {ContentPack::RightSound, "missing"},
        {ContentPack::WrongSound, "cut in half"},     {ContentPack::PassSound, "a folder"},
        {ContentPack::ButtonSound, "empty"},
    };
    for (const auto &[file, how] : broken)
        QVERIFY(place(brokenSound(how), session.path(file)));

    StderrLines stderrLines;
    session.open(ScreenName::Quiz);
    session.playGame(59);
    QVERIFY(session.form(ScreenName::Quiz)->image("Image5")->isVisible());
    session.click(session.form(ScreenName::Quiz)->button("Command1"));
    session.tickAfter(ScreenName::Quiz, "Timer1", 3.0);
    QVERIFY(session.isOpen(ScreenName::PictureBook));
    QVERIFY(!session.program.hasEnded());
    QVERIFY(session.errors.dialogs.isEmpty());
    // The quiz window goes with its players. A player that had been given
    // a file cut short used to wait here forever for its loader.
    flushDeletedWindows();

    QTest::qWait(300);
    const QStringList lines = stderrLines.lines();
    for (const auto &[file, how] : broken)
        QVERIFY2(naming(lines, file).size() == 1, qPrintable(file + ": " + lines.join('\n')));
}

void TestBadSound::checkerNamesBrokenSound_data()
{
    brokenSoundWarnsOnceAndNeverHangs_data();
}

// What the player refuses, the content checker reports before anyone plays.
void TestBadSound::checkerNamesBrokenSound()
{
    QFETCH(int, row);
    Session session;
    const QString path = session.path(ContentPack::RightSound);
    if (!place(brokenSounds().at(row), path))
        QSKIP("running as root, which reads a file whatever its permissions");
    const QStringList problems = texts(checkContent(session.root));
    QVERIFY2(problems.filter(path).size() == 1, qPrintable(problems.join('\n')));
}

QTEST_MAIN(TestBadSound)
#include "tst_badsound.moc"
