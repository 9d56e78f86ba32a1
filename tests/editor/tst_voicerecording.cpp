#include "editor/editoractions.h"
#include "editor/editormessage.h"
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/entrymodel.h"
#include "editor/voicepanel.h"
#include "editortesting.h"
#include "pack/voiceloudness.h"
#include "pack/voiceprocessor.h"
#include "sourcevoices.h"
#include "support/fakes.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Takes recorded for real: the default microphone of the private sound
// server hears what is played into the sink "tone_feed"
// (tests/editor/with-tone-microphone). The count and the longest take go by
// a clock the test moves.
class TestVoiceRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void aTakeOfAToneIsSavedTrimmedLevelledAndAtItsPitch();
    void theCountAndTheLongestTakeGoByTheClock();
    void anotherEntryOrClosingLetsATakeGo();
    void theChosenMicrophoneIsRemembered();

private:
    std::unique_ptr<EditorWindow> openWindow(const QString &name);
    QToolButton *recordButton(EditorWindow &window) const;
    // Clicks 録音 and runs the count to its end once the microphone is heard.
    void countIn(EditorWindow &window);
    void playTone();
    QString voiceFile(const QString &garden, int entry) const
    {
        return garden + QStringLiteral("/voices/%1.wav").arg(entry);
    }

    QTemporaryDir m_dir;
    FakeClock m_clock;
    QString m_tone;
};

void TestVoiceRecording::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    // In stereo, as the sink is: the server halves a mono sound it spreads
    // over two channels.
    m_tone = m_dir.filePath("tone.wav");
    QVERIFY(makeRecording(m_tone, 48000, 2, toneBetweenSilence(1.0, 0.3, 0.4)));
}

void TestVoiceRecording::init()
{
    QSettings(QStringLiteral("hana"), QStringLiteral("hana-editor")).clear();
}

std::unique_ptr<EditorWindow> TestVoiceRecording::openWindow(const QString &name)
{
    const QString garden = m_dir.filePath(name);
    writeGarden(garden);
    EditorSetup setup{bundled(), QStringLiteral("true"), PackPlace::forUser(), {}};
    setup.voices.timing.clock = &m_clock;
    auto window = std::make_unique<EditorWindow>(setup);
    window->show();
    if (window->openFolder(garden))
        return nullptr;
    window->entryList()->setCurrentEntry(7);
    return window;
}

QToolButton *TestVoiceRecording::recordButton(EditorWindow &window) const
{
    for (QToolButton *button : window.voicePanel()->findChildren<QToolButton *>())
        if (button->defaultAction()->objectName() == QLatin1String("record"))
            return button;
    return nullptr;
}

void TestVoiceRecording::countIn(EditorWindow &window)
{
    VoicePanel *panel = window.voicePanel();
    QSignalSpy heard(&panel->take(), &VoiceTake::level);
    QTest::mouseClick(recordButton(window), Qt::LeftButton);
    QCOMPARE(panel->countText(), QStringLiteral("3"));
    QCOMPARE(recordButton(window)->text(), QStringLiteral("止める"));
    // The meter moves during the count: the microphone opened at once.
    QTRY_VERIFY_WITH_TIMEOUT(!heard.isEmpty(), 5000);
    m_clock.now += 1;
    QTRY_COMPARE(panel->countText(), QStringLiteral("2"));
    m_clock.now += 1;
    QTRY_COMPARE(panel->countText(), QStringLiteral("1"));
    m_clock.now += 1;
    QTRY_COMPARE(panel->take().phase(), VoiceTake::Phase::Recording);
    QCOMPARE(panel->countText(), QStringLiteral("● 録音中"));
}

void TestVoiceRecording::playTone()
{
    QProcess play;
    play.start(QStringLiteral("paplay"), {QStringLiteral("--device=tone_feed"), m_tone});
    QVERIFY(play.waitForFinished(10000));
    QCOMPARE(play.exitCode(), 0);
}

// What the microphone heard, a tone between silences, is saved as the pack
// holds voices: trimmed to the tone and 50 ms on either side, at the
// bundled sounds' loudness with its peak under -1 dBFS, still at 440 Hz;
// the meter showed the tone at its level while it played.
void TestVoiceRecording::aTakeOfAToneIsSavedTrimmedLevelledAndAtItsPitch()
{
    const auto window = openWindow("tone");
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    QCOMPARE(panel->input().id(), QByteArray("tone_microphone"));
    countIn(*window);
    QSignalSpy meter(panel->findChild<QProgressBar *>(), &QProgressBar::valueChanged);
    playTone();
    QTest::qWait(300);
    QTest::mouseClick(recordButton(*window), Qt::LeftButton);

    const QString saved = voiceFile(m_dir.filePath("tone"), 7);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 10000);
    QTRY_VERIFY(!panel->isMaking());
    const VoiceFile voice = VoiceFile::parse(readAll(saved));
    QCOMPARE(voice.format, 1);
    QCOMPARE(voice.channels, 1);
    QCOMPARE(voice.bits, 16);
    QCOMPARE(voice.rate, VoiceProcessor::Rate);
    QVERIFY2(std::abs(voice.seconds() - 1.1) < 0.06, qPrintable(QString::number(voice.seconds())));
    QVERIFY2(std::abs(voice.loudness() - VoiceLoudness::TargetLufs) <= VoiceLoudness::ToleranceLu,
             qPrintable(QString::number(voice.loudness())));
    QVERIFY(voice.peakDbfs() <= VoiceLoudness::CeilingDbfs + 0.01);
    QVERIFY2(std::abs(voice.frequency() - 440) < 4, qPrintable(QString::number(voice.frequency())));

    // 0.3 of full scale is 10.5 dB under it: 82 on a meter of 60 dB.
    int loudest = 0;
    for (const QList<QVariant> &value : meter)
        loudest = std::max(loudest, value.first().toInt());
    QVERIFY2(loudest >= 79 && loudest <= 85, qPrintable(QString::number(loudest)));
    QCOMPARE(recordButton(*window)->text(), QStringLiteral("録音"));
    const QString listed = window->entryList()->entries()->indexOf(7).data().toString();
    QVERIFY(listed.endsWith(QStringLiteral("・声")));
    QVERIFY(panel->statusText().contains(QStringLiteral("voices/7.wav")));
}

// A click during the count stops it with nothing taken; a take that is
// not stopped ends by itself at its longest, and one that heard nothing
// is named as a problem with nothing written.
void TestVoiceRecording::theCountAndTheLongestTakeGoByTheClock()
{
    const auto window = openWindow("clock");
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    QSignalSpy problems(panel, &VoicePanel::problem);
    QTest::mouseClick(recordButton(*window), Qt::LeftButton);
    m_clock.now += 1.5;
    QTRY_COMPARE(panel->countText(), QStringLiteral("2"));
    QTest::mouseClick(recordButton(*window), Qt::LeftButton);
    QCOMPARE(panel->take().phase(), VoiceTake::Phase::Idle);
    QCOMPARE(panel->countText(), QString());
    QTest::qWait(100);
    QVERIFY(!panel->isMaking());
    QVERIFY(problems.isEmpty());

    countIn(*window);
    m_clock.now += 4.9;
    QTest::qWait(100);
    QCOMPARE(panel->take().phase(), VoiceTake::Phase::Recording);
    m_clock.now += 0.1;
    QTRY_COMPARE(panel->take().phase(), VoiceTake::Phase::Idle);
    QTRY_COMPARE_WITH_TIMEOUT(problems.size(), 1, 10000);
    QVERIFY(problems.first().first().toString().startsWith(QStringLiteral("おみなえし")));
    QVERIFY(problems.first().first().toString().contains(QStringLiteral("おみなえしの録音")));
    QVERIFY(!QDir(m_dir.filePath("clock/voices")).exists() ||
            QDir(m_dir.filePath("clock/voices")).isEmpty());
}

// A take belongs to the entry it was started on: choosing another, or
// closing the window, lets it go with nothing written and nothing left
// running.
void TestVoiceRecording::anotherEntryOrClosingLetsATakeGo()
{
    auto window = openWindow("leave");
    QVERIFY(window);
    countIn(*window);
    window->entryList()->setCurrentEntry(8);
    QCOMPARE(window->voicePanel()->take().phase(), VoiceTake::Phase::Idle);
    QCOMPARE(recordButton(*window)->text(), QStringLiteral("録音"));

    countIn(*window);
    QVERIFY(window->close());
    QCOMPARE(window->voicePanel()->take().phase(), VoiceTake::Phase::Idle);
    window.reset();
    QTest::qWait(200);
    QVERIFY(!QFile::exists(voiceFile(m_dir.filePath("leave"), 7)));
    QVERIFY(!QFile::exists(voiceFile(m_dir.filePath("leave"), 8)));
}

// The microphone is chosen from the system's inputs and the choice holds in
// the next run; the system's own is taken until then.
void TestVoiceRecording::theChosenMicrophoneIsRemembered()
{
    {
        const auto window = openWindow("choose");
        QVERIFY(window);
        auto *inputs = window->voicePanel()->findChild<QComboBox *>();
        const int quiet = inputs->findText(QStringLiteral("QuietMicrophone"));
        QVERIFY(quiet >= 0);
        QCOMPARE(inputs->currentText(), QStringLiteral("ToneMicrophone"));
        inputs->setCurrentIndex(quiet);
        emit inputs->activated(quiet);
    }
    const auto again = openWindow("choose again");
    QVERIFY(again);
    QCOMPARE(again->voicePanel()->input().id(), QByteArray("quiet_microphone"));
}

QTEST_MAIN(TestVoiceRecording)
#include "tst_voicerecording.moc"
