#include "editor/editormessage.h"
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/entrymodel.h"
#include "editor/voicepanel.h"
#include "editortesting.h"
#include "pack/voiceprocessor.h"
#include "sourcevoices.h"
#include "support/fakes.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// An entry's voice from files, with no microphone on the machine: the
// panel says so, and files chosen or dropped become voices all the same;
// a voice removed or taken over can be put back.
class TestVoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void withoutAMicrophoneTheButtonSaysSo();
    void aFileChosenOrDroppedBecomesTheEntrysVoice();
    void aFileThatGivesNoVoiceIsNamedAndNothingIsWritten();
    void theVoiceBeforeTheLastChangeCanBePutBack();
    void voicesTheFolderHoldsAreReadAndChecked();
    void closingWhileAVoiceIsMadeSavesIt();

private:
    std::unique_ptr<EditorWindow> openWindow(const QString &garden);
    QString newGarden(const QString &name);
    QString recording(const QString &name, double seconds = 0.6);
    static QAction *action(const EditorWindow &window, const char *name)
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }
    static QString listed(const EditorWindow &window, int entry)
    {
        return window.entryList()->entries()->indexOf(entry).data().toString();
    }
    static QStringList voices(const QString &garden)
    {
        return QDir(garden + "/voices").entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_dir;
    RecordingSounds m_sounds;
};

void TestVoices::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    qputenv("HOME", m_dir.filePath("home").toUtf8());
    QVERIFY(QDir().mkpath(m_dir.filePath("home")));
}

void TestVoices::init()
{
    QSettings(QStringLiteral("hana"), QStringLiteral("hana-editor")).clear();
    m_sounds.calls.clear();
}

std::unique_ptr<EditorWindow> TestVoices::openWindow(const QString &garden)
{
    EditorSetup setup{bundled(), QStringLiteral("true"), PackPlace::forUser(), {}};
    setup.voices.sounds = &m_sounds;
    setup.voices.inputs = [] { return QList<QAudioDevice>(); };
    auto window = std::make_unique<EditorWindow>(setup);
    window->show();
    if (window->openFolder(garden))
        return nullptr;
    return window;
}

QString TestVoices::newGarden(const QString &name)
{
    const QString folder = m_dir.filePath(name);
    writeGarden(folder);
    return folder;
}

// A tone between silences, as a phone or a recorder gives it.
QString TestVoices::recording(const QString &name, double seconds)
{
    const QString path = m_dir.filePath("recordings/" + name);
    QDir().mkpath(QFileInfo(path).path());
    if (!QFile::exists(path) && !makeRecording(path, 48000, 2, toneBetweenSilence(seconds)))
        return {};
    return path;
}

// The record button is greyed out and says why, in its words and its tip;
// everything else a voice needs still works.
void TestVoices::withoutAMicrophoneTheButtonSaysSo()
{
    const auto window = openWindow(newGarden("quiet"));
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    QAction *record = action(*window, "record");
    QVERIFY(!record->isEnabled());
    QCOMPARE(record->iconText(), QStringLiteral("マイクがありません"));
    QCOMPARE(record->toolTip(), EditorMessage::noMicrophone());
    QCOMPARE(panel->statusText(), EditorMessage::noMicrophone());
    QSignalSpy problems(panel, &VoicePanel::problem);
    panel->record();
    QVERIFY(!panel->isTaking());
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().first().toString(), EditorMessage::noMicrophone());
    QVERIFY(action(*window, "voiceFile")->isEnabled());
    QVERIFY(!action(*window, "listen")->isEnabled());
    QVERIFY(!action(*window, "removeVoice")->isEnabled());
    QVERIFY(!action(*window, "restoreVoice")->isEnabled());
}

// A file from the dialog, or dropped on an entry of the list or on the
// panel, is made into the pack's form and saved as that entry's voice; the
// teacher's file stays as it was. 「聞く」 plays the saved voice.
void TestVoices::aFileChosenOrDroppedBecomesTheEntrysVoice()
{
    const QString garden = newGarden("files");
    const auto window = openWindow(garden);
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    const QString flac = recording("asagao.flac");
    QVERIFY(!flac.isEmpty());
    const QByteArray teachers = readAll(flac);

    window->entryList()->setCurrentEntry(3);
    action(*window, "voiceFile")->trigger();
    auto *dialog = window->findChild<QFileDialog *>("voiceDialog");
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(dialog->windowTitle().contains(QStringLiteral("アネモネ")));
    QVERIFY(dialog->nameFilters().first().contains("*.flac"));
    dialog->selectFile(flac);
    QTest::keyClick(dialog->findChild<QLineEdit *>("fileNameEdit"), Qt::Key_Return);
    QTRY_VERIFY(QFile::exists(garden + "/voices/3.wav"));
    QTRY_VERIFY(!panel->isMaking());
    const VoiceFile made = VoiceFile::parse(readAll(garden + "/voices/3.wav"));
    QCOMPARE(made.channels, 1);
    QCOMPARE(made.rate, VoiceProcessor::Rate);
    QVERIFY(made.seconds() < 0.8);
    QCOMPARE(readAll(flac), teachers);
    QVERIFY(listed(*window, 3).endsWith(QStringLiteral("・声")));
    QVERIFY(!listed(*window, 4).contains(QStringLiteral("声")));
    QCOMPARE(window->statusBar()->currentMessage(),
             EditorMessage::withFlower("アネモネ", EditorMessage::voiceSaved(false)));

    action(*window, "listen")->trigger();
    QCOMPARE(m_sounds.calls, QStringList{"voice SetFile " + garden + "/voices/3.wav"});

    EntryList *list = window->entryList();
    list->scrollTo(list->entries()->indexOf(45));
    dropFile(list->viewport(), list->entryRect(45).center(), flac);
    QCOMPARE(window->currentEntry(), 45);
    QTRY_VERIFY(QFile::exists(garden + "/voices/45.wav"));

    QTRY_VERIFY(!panel->isMaking());
    list->setCurrentEntry(20);
    dropFile(panel, panel->rect().center(), recording("tone.wav"));
    QTRY_VERIFY(QFile::exists(garden + "/voices/20.wav"));
    QTRY_VERIFY(!panel->isMaking());
    QCOMPARE(voices(garden), (QStringList{"20.wav", "3.wav", "45.wav"}));
}

// What cannot become a voice is named with its file and why; nothing is
// written, and a voice the entry had stays.
void TestVoices::aFileThatGivesNoVoiceIsNamedAndNothingIsWritten()
{
    const QString garden = newGarden("refused");
    const auto window = openWindow(garden);
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    QSignalSpy problems(panel, &VoicePanel::problem);
    const QString text = m_dir.filePath("recordings/memo.wav");
    writeAll(text, "これは声ではありません。\n");
    panel->takeFile(9, text);
    QTRY_COMPARE(problems.size(), 1);
    QString said = problems.takeFirst().first().toString();
    QVERIFY2(said.startsWith(QStringLiteral("ガーベラ")), qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("「memo.wav」")));
    QVERIFY(voices(garden).isEmpty());

    panel->takeFile(9, recording("tone.wav"));
    QTRY_VERIFY(QFile::exists(garden + "/voices/9.wav"));
    QTRY_VERIFY(!panel->isMaking());
    const QByteArray kept = readAll(garden + "/voices/9.wav");
    const QString silence = m_dir.filePath("recordings/silence.wav");
    QVERIFY(makeRecording(silence, 48000, 1, {"trim", "0", "1"}));
    panel->takeFile(9, silence);
    QTRY_COMPARE(problems.size(), 1);
    said = problems.takeFirst().first().toString();
    QVERIFY(said.contains(QStringLiteral("「silence.wav」")));
    QCOMPARE(readAll(garden + "/voices/9.wav"), kept);
    QCOMPARE(voices(garden), QStringList{"9.wav"});
}

// Removing a voice or taking a new one keeps the one before, for one step
// back; the step back can be taken back in turn, so two takes are heard by
// turns. A teacher's own file comes back under its own name.
void TestVoices::theVoiceBeforeTheLastChangeCanBePutBack()
{
    const QString garden = newGarden("back");
    const QString own = garden + "/voices/おみなえし.flac";
    QDir().mkpath(garden + "/voices");
    QVERIFY(QFile::copy(recording("own.flac", 0.4), own));
    const QByteArray owned = readAll(own);
    const auto window = openWindow(garden);
    QVERIFY(window);
    VoicePanel *panel = window->voicePanel();
    window->entryList()->setCurrentEntry(7);
    QVERIFY(listed(*window, 7).endsWith(QStringLiteral("・声")));
    QVERIFY(!action(*window, "restoreVoice")->isEnabled());

    panel->takeFile(7, recording("longer.wav", 1.2));
    QTRY_VERIFY(QFile::exists(garden + "/voices/7.wav"));
    QTRY_VERIFY(!panel->isMaking());
    QCOMPARE(voices(garden), QStringList{"7.wav"});
    const QByteArray taken = readAll(garden + "/voices/7.wav");
    QVERIFY(action(*window, "restoreVoice")->isEnabled());

    action(*window, "restoreVoice")->trigger();
    QCOMPARE(voices(garden), QStringList{"おみなえし.flac"});
    QCOMPARE(readAll(own), owned);
    action(*window, "restoreVoice")->trigger();
    QCOMPARE(voices(garden), QStringList{"7.wav"});
    QCOMPARE(readAll(garden + "/voices/7.wav"), taken);

    action(*window, "removeVoice")->trigger();
    QCOMPARE(voices(garden), QStringList());
    QVERIFY(!listed(*window, 7).contains(QStringLiteral("声")));
    QVERIFY(!action(*window, "listen")->isEnabled());
    QCOMPARE(window->statusBar()->currentMessage(),
             EditorMessage::withFlower("おみなえし", EditorMessage::voiceRemoved()));
    action(*window, "restoreVoice")->trigger();
    QCOMPARE(readAll(garden + "/voices/7.wav"), taken);
    QVERIFY(listed(*window, 7).endsWith(QStringLiteral("・声")));
}

// Voices put in the folder by hand are seen at their entries: two for one
// entry are one problem, and what a killed run hid comes back on opening.
void TestVoices::voicesTheFolderHoldsAreReadAndChecked()
{
    const QString garden = newGarden("found");
    QDir().mkpath(garden + "/voices");
    QVERIFY(QFile::copy(recording("tone.wav"), garden + "/voices/1.wav"));
    QVERIFY(QFile::copy(recording("asagao.flac"), garden + "/voices/あさがお.flac"));
    QVERIFY(QFile::copy(recording("tone.wav"), garden + "/voices/.2.wav.replaced"));
    const auto window = openWindow(garden);
    QVERIFY(window);
    QVERIFY(window->problems(1).contains(EditorMessage::withFlower(
        "あさがお", EditorMessage::voicesForOneEntry({"1.wav", "あさがお.flac"}))));
    QCOMPARE(voices(garden), (QStringList{"1.wav", "2.wav", "あさがお.flac"}));
    QVERIFY(listed(*window, 2).endsWith(QStringLiteral("・声")));

    QFile::remove(garden + "/voices/2.wav");
    QTRY_VERIFY(!listed(*window, 2).contains(QStringLiteral("声")));
}

// A voice still being made when the window closes is waited for and saved.
void TestVoices::closingWhileAVoiceIsMadeSavesIt()
{
    const QString garden = newGarden("closing");
    auto window = openWindow(garden);
    QVERIFY(window);
    window->voicePanel()->takeFile(12, recording("tone.wav"));
    QVERIFY(window->close());
    QVERIFY(QFile::exists(garden + "/voices/12.wav"));
    window.reset();
    QCOMPARE(voices(garden), QStringList{"12.wav"});
}

QTEST_MAIN(TestVoices)
#include "tst_voices.moc"
