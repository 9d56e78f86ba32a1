#ifndef VOICEPANEL_H
#define VOICEPANEL_H

#include "editor/voicemaker.h"
#include "editor/voicetake.h"

#include <QAudioDevice>
#include <QGroupBox>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMediaDevices;
class QProgressBar;
class SoundFactory;
class SoundPlayer;
class SourceDocument;

// What the voices are recorded and heard with.
struct VoiceSetup
{
    TakeTiming timing;
    SoundFactory *sounds = nullptr; // Qt Multimedia's when none is given
    // The inputs to choose from; Qt's list of the system's when not given.
    std::function<QList<QAudioDevice>()> inputs;
};

// The commands of the voice panel, which the menus offer too.
struct VoiceActions
{
    QAction *record, *listen, *remove, *restore, *chooseFile;
};

// The chosen entry's voice: a take on the chosen microphone with its count
// and meter, hearing the voice, removing it and putting back the one before
// the last change, and a sound file chosen or dropped here. A take or a
// file becomes the pack's voice at once, on a worker thread, and is saved
// as the entry's in the source folder.
class VoicePanel : public QGroupBox
{
    Q_OBJECT

public:
    VoicePanel(const VoiceActions &actions, VoiceSetup setup, QWidget *parent = nullptr);
    ~VoicePanel() override;

    // The folder's voices, or none when it closes; a take is let go.
    void setDocument(SourceDocument *document);
    // The entry whose voice the panel shows; a take for another is let go.
    void showEntry(int entry);
    // Starts a take, or ends the one running.
    void record();
    void listen();
    void removeVoice();
    void restoreVoice();
    // Makes the file into the entry's voice.
    void takeFile(int entry, const QString &file);
    // As the window closes: a take in progress is let go, a voice being
    // made is saved.
    void finish();

    bool isTaking() const { return m_take.phase() != VoiceTake::Phase::Idle; }
    bool isMaking() const { return m_maker.isBusy(); }
    const VoiceTake &take() const { return m_take; }
    const QList<QAudioDevice> &inputs() const { return m_inputs; }
    QAudioDevice input() const;
    // How loud the meter shows the last buffer, from 0 to 100.
    int meterValue() const;
    QString countText() const;
    QString statusText() const;

signals:
    void problem(const QString &problem);
    void told(const QString &message);
    void fileAsked(const QString &flower);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void readInputs();
    void inputChosen(int index);
    void showCount(int count);
    void showLevel(float peak);
    void taken(const VoiceClip &clip);
    void made(int entry, const ProcessedVoice &voice, bool recorded);
    void showState();
    QString flower() const;

    VoiceActions m_actions;
    VoiceSetup m_setup;
    VoiceTake m_take;
    VoiceMaker m_maker;
    std::unique_ptr<QMediaDevices> m_devices;
    std::unique_ptr<SoundFactory> m_systemSounds;
    std::unique_ptr<SoundPlayer> m_player;
    QList<QAudioDevice> m_inputs;
    SourceDocument *m_document = nullptr;
    int m_entry = 0;
    int m_takeEntry = 0;

    QComboBox *m_inputBox;
    QProgressBar *m_meter;
    QLabel *m_count;
    QLabel *m_status;
};

#endif
