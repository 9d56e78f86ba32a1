#include "sound/soundnotices.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString NoOutputLine =
    QStringLiteral("hana: warning: no sound: no audio output device is available");

QStringList goodSounds()
{
    const QString folder = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data/音/";
    QStringList files;
    for (const char *name : {"oto.wav", "oto1.wav", "o.wav", "x.wav", "gokaku.wav", "dame.wav"})
        files << folder + name;
    return files;
}

bool audioServerRunning()
{
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished() && info.exitCode() == 0;
}

struct ProbeRun
{
    QStringList stderrLines;
    QString stdoutText;
};

} // namespace

class TestSoundMessages : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // The notices themselves, recorded.
    void noOutputIsSaidOncePerRun();
    void eachUnplayableFileIsNamedOnce();
    void playerFailureWithoutOutputBlamesNoFile();
    void playerFailureWithOutputNamesTheFile();

    // The program's sound module in a process of its own.
    void noAudioServerGivesOneLineAndKeepsBrokenFiles();
    void goodSoundsOnAnAudioServerPrintNothing();
    void multimediaInfoIsOffUnlessTheUserSaysOtherwise_data();
    void multimediaInfoIsOffUnlessTheUserSaysOtherwise();

private:
    ProbeRun probe(const QStringList &files, const QProcessEnvironment &environment);
    QProcessEnvironment cleanEnvironment() const;

    QStringList m_lines;
    QTemporaryDir m_dir;
};

void TestSoundMessages::init()
{
    m_lines.clear();
}

void TestSoundMessages::noOutputIsSaidOncePerRun()
{
    SoundNotices notices([this](const QString &line) { m_lines << line; });
    for (int i = 0; i < 5; ++i)
        notices.noOutput();
    QCOMPARE(m_lines, QStringList{NoOutputLine});
}

void TestSoundMessages::eachUnplayableFileIsNamedOnce()
{
    SoundNotices notices([this](const QString &line) { m_lines << line; });
    notices.noOutput();
    notices.unplayable("/音/o.wav", "the file is cut short");
    notices.unplayable("/音/o.wav", "the file is cut short");
    notices.unplayable("/音/x.wav", "not a WAV file");
    QCOMPARE(m_lines,
             (QStringList{NoOutputLine,
                          "hana: warning: cannot play sound /音/o.wav: the file is cut short",
                          "hana: warning: cannot play sound /音/x.wav: not a WAV file"}));
}

void TestSoundMessages::playerFailureWithoutOutputBlamesNoFile()
{
    SoundNotices notices([this](const QString &line) { m_lines << line; });
    notices.playerFailed("/音/o.wav", false);
    notices.playerFailed("/音/x.wav", false);
    QCOMPARE(m_lines, QStringList{NoOutputLine});
}

void TestSoundMessages::playerFailureWithOutputNamesTheFile()
{
    SoundNotices notices([this](const QString &line) { m_lines << line; });
    notices.playerFailed("/音/o.wav", true);
    notices.playerFailed("/音/o.wav", true);
    QCOMPARE(
        m_lines,
        QStringList{"hana: warning: cannot play sound /音/o.wav: the player cannot decode it"});
}

// No user logging rules and no audio server unless a test gives them; a
// private runtime folder, as a desktop session has one.
QProcessEnvironment TestSoundMessages::cleanEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_LOGGING_RULES");
    environment.remove("QT_LOGGING_CONF");
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", m_dir.path());
    environment.insert("PULSE_SERVER", "unix:" + m_dir.filePath("no-server"));
    return environment;
}

ProbeRun TestSoundMessages::probe(const QStringList &files, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + "/soundprobe", files);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("soundprobe failed: %s", process.readAllStandardError().constData());
    return {QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
}

// Without an audio server every sound is silent: one line says why, Qt's own
// complaints stay out, and a file that is really broken is still named.
void TestSoundMessages::noAudioServerGivesOneLineAndKeepsBrokenFiles()
{
    const QString broken = m_dir.filePath("broken.wav");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QFile good(goodSounds().first());
    QVERIFY(good.open(QIODevice::ReadOnly));
    file.write(good.read(30));
    file.close();
    const QString missing = m_dir.filePath("missing.wav");

    const ProbeRun run =
        probe(goodSounds() + goodSounds() + QStringList{broken, missing}, cleanEnvironment());
    QVERIFY2(run.stderrLines.size() == 3, qPrintable(run.stderrLines.join('\n')));
    QCOMPARE(run.stderrLines.count(NoOutputLine), 1);
    QCOMPARE(run.stderrLines.filter(broken).size(), 1);
    QVERIFY(run.stderrLines.filter(broken).first().endsWith("the file is cut short"));
    QCOMPARE(run.stderrLines.filter(missing).size(), 1);
}

void TestSoundMessages::goodSoundsOnAnAudioServerPrintNothing()
{
    if (!audioServerRunning()) {
        if (qEnvironmentVariableIsSet("HANA_REQUIRE_AUDIO"))
            QFAIL("no PulseAudio server is running");
        QSKIP("no PulseAudio server: run the tests through scripts/test");
    }
    QProcessEnvironment environment = cleanEnvironment();
    environment.insert("PULSE_SERVER", qEnvironmentVariable("PULSE_SERVER"));
    const ProbeRun run = probe(goodSounds(), environment);
    QVERIFY2(run.stderrLines.isEmpty(), qPrintable(run.stderrLines.join('\n')));
}

void TestSoundMessages::multimediaInfoIsOffUnlessTheUserSaysOtherwise_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("configFile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no rules of the user's") << ""
                                            << ""
                                            << "info off warning on";
    QTest::newRow("QT_LOGGING_RULES") << "qt.multimedia.ffmpeg.info=true"
                                      << ""
                                      << "info on warning on";
    QTest::newRow("QT_LOGGING_RULES of other categories") << "qt.widgets.debug=true"
                                                          << ""
                                                          << "info on warning on";
    QTest::newRow("the user's qtlogging.ini") << ""
                                              << "[Rules]\nqt.multimedia.*=true\n"
                                              << "info on warning on";
}

void TestSoundMessages::multimediaInfoIsOffUnlessTheUserSaysOtherwise()
{
    QFETCH(QString, rules);
    QFETCH(QString, configFile);
    QFETCH(QString, expected);
    QProcessEnvironment environment = cleanEnvironment();
    if (!rules.isEmpty())
        environment.insert("QT_LOGGING_RULES", rules);
    const QString config = m_dir.filePath("config/QtProject/qtlogging.ini");
    QFile::remove(config);
    if (!configFile.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(config).path()));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(configFile.toUtf8());
    }
    QCOMPARE(probe({}, environment).stdoutText, expected);
}

QTEST_MAIN(TestSoundMessages)
#include "tst_soundmessages.moc"
