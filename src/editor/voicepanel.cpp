#include "editor/voicepanel.h"
#include "editor/editormessage.h"
#include "editor/editorsettings.h"
#include "editor/photodrop.h"
#include "editor/sourcedocument.h"
#include "sound/audiooutput.h"
#include "sound/qtsoundplayer.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QMimeData>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The meter's scale: from 60 dB below full scale to full scale, as a
// recording program's meter reads.
constexpr float MeterFloor = -60;

QToolButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

} // namespace

VoicePanel::VoicePanel(const VoiceActions &actions, VoiceSetup setup, QWidget *parent)
    : QGroupBox(QStringLiteral("名前の声"), parent), m_actions(actions), m_setup(std::move(setup)),
      m_take(m_setup.timing)
{
    setObjectName(QStringLiteral("voicePanel"));
    setAcceptDrops(true);
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    for (QAction *action :
         {actions.record, actions.listen, actions.remove, actions.restore, actions.chooseFile})
        buttons->addWidget(buttonFor(action, this));
    buttons->addStretch();
    layout->addLayout(buttons);

    auto *takeRow = new QHBoxLayout;
    auto *inputLabel = new QLabel(QStringLiteral("マイク(&M):"), this);
    m_inputBox = new QComboBox(this);
    m_inputBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    inputLabel->setBuddy(m_inputBox);
    m_meter = new QProgressBar(this);
    m_meter->setRange(0, 100);
    m_meter->setTextVisible(false);
    m_meter->setMaximumHeight(fontMetrics().height());
    m_meter->setAccessibleName(QStringLiteral("声の大きさ"));
    m_count = new QLabel(this);
    QFont large = m_count->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_count->setFont(large);
    m_count->setMinimumWidth(
        m_count->fontMetrics().horizontalAdvance(QStringLiteral("録音中 0.0 秒")));
    takeRow->addWidget(inputLabel);
    takeRow->addWidget(m_inputBox);
    takeRow->addWidget(m_meter, 1);
    takeRow->addWidget(m_count);
    layout->addLayout(takeRow);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    connect(actions.record, &QAction::triggered, this, &VoicePanel::record);
    connect(actions.listen, &QAction::triggered, this, &VoicePanel::listen);
    connect(actions.remove, &QAction::triggered, this, &VoicePanel::removeVoice);
    connect(actions.restore, &QAction::triggered, this, &VoicePanel::restoreVoice);
    connect(actions.chooseFile, &QAction::triggered, this, [this] {
        if (m_entry > 0)
            emit fileAsked(flower());
    });
    connect(m_inputBox, &QComboBox::activated, this, &VoicePanel::inputChosen);
    connect(&m_take, &VoiceTake::countChanged, this, &VoicePanel::showCount);
    connect(&m_take, &VoiceTake::level, this, &VoicePanel::showLevel);
    connect(&m_take, &VoiceTake::taken, this, &VoicePanel::taken);
    connect(&m_take, &VoiceTake::ended, this, &VoicePanel::showState);
    connect(&m_take, &VoiceTake::failed, this,
            [this] { emit problem(EditorMessage::microphoneFailed(input().description())); });
    connect(&m_maker, &VoiceMaker::made, this, &VoicePanel::made);

    if (!m_setup.inputs) {
        quietMultimedia();
        m_devices = std::make_unique<QMediaDevices>();
        connect(m_devices.get(), &QMediaDevices::audioInputsChanged, this, &VoicePanel::readInputs);
        m_setup.inputs = [] { return QMediaDevices::audioInputs(); };
    }
    readInputs();
}

VoicePanel::~VoicePanel()
{
    finish();
}

void VoicePanel::setDocument(SourceDocument *document)
{
    finish();
    m_document = document;
    m_entry = 0;
    showState();
}

void VoicePanel::showEntry(int entry)
{
    if (isTaking() && entry != m_takeEntry)
        m_take.cancel();
    m_entry = entry;
    showState();
}

QString VoicePanel::flower() const
{
    return SourceDocument::flower(m_entry);
}

// The microphone remembered, where it is still there; the system's own
// otherwise.
void VoicePanel::readInputs()
{
    const QByteArray chosen = input().isNull() ? EditorSettings::voiceInput() : input().id();
    m_inputs = m_setup.inputs();
    m_inputBox->clear();
    int shown = -1;
    for (const QAudioDevice &device : std::as_const(m_inputs)) {
        if (device.id() == chosen || (shown < 0 && device.isDefault()))
            shown = int(m_inputBox->count());
        m_inputBox->addItem(device.description());
    }
    m_inputBox->setCurrentIndex(m_inputs.isEmpty() ? -1 : std::max(shown, 0));
    showState();
}

QAudioDevice VoicePanel::input() const
{
    const int index = m_inputBox->currentIndex();
    return index >= 0 && index < m_inputs.size() ? m_inputs.at(index) : QAudioDevice();
}

void VoicePanel::inputChosen(int index)
{
    if (index >= 0 && index < m_inputs.size())
        EditorSettings::setVoiceInput(m_inputs.at(index).id());
}

void VoicePanel::record()
{
    if (isTaking()) {
        m_take.stop();
        return;
    }
    if (!m_document || m_entry < 1 || isMaking())
        return;
    if (input().isNull()) {
        emit problem(EditorMessage::noMicrophone());
        return;
    }
    m_takeEntry = m_entry;
    if (!m_take.start(input()))
        emit problem(EditorMessage::microphoneFailed(input().description()));
    showState();
}

void VoicePanel::showCount(int count)
{
    m_count->setText(count > 0 ? QString::number(count) : QStringLiteral("● 録音中"));
    showState();
}

void VoicePanel::showLevel(float peak)
{
    const float decibels = peak > 0 ? 20 * std::log10(peak) : MeterFloor;
    m_meter->setValue(int(std::lround(std::clamp(1 - decibels / MeterFloor, 0.0f, 1.0f) * 100)));
}

int VoicePanel::meterValue() const
{
    return m_meter->value();
}

QString VoicePanel::countText() const
{
    return m_count->text();
}

QString VoicePanel::statusText() const
{
    return m_status->text();
}

void VoicePanel::taken(const VoiceClip &clip)
{
    m_count->clear();
    m_meter->setValue(0);
    m_maker.makeFromTake(m_takeEntry, clip,
                         QStringLiteral("%1の録音").arg(SourceDocument::flower(m_takeEntry)));
    showState();
}

void VoicePanel::takeFile(int entry, const QString &file)
{
    if (!m_document || entry < 1 || isTaking())
        return;
    m_maker.makeFromFile(entry, file);
    showState();
}

void VoicePanel::made(int entry, const ProcessedVoice &voice, bool recorded)
{
    if (!m_document)
        return;
    const QString name = SourceDocument::flower(entry);
    if (voice.problem) {
        emit problem(EditorMessage::withFlower(
            name, EditorMessage::voiceNotMade(QFileInfo(voice.problem->file).fileName(),
                                              voice.problem->what)));
    } else if (const auto failed = m_document->setVoice(entry, voice.wav)) {
        emit problem(*failed);
    } else {
        emit told(EditorMessage::withFlower(name, EditorMessage::voiceSaved(recorded)));
    }
    showState();
}

// Each hearing gets a player of its own, which reads the file afresh: the
// voice may have changed since the last.
void VoicePanel::listen()
{
    if (!m_document || m_entry < 1)
        return;
    const QString voice = m_document->files().voice(m_entry);
    if (voice.isEmpty())
        return;
    if (!m_setup.sounds) {
        if (!m_systemSounds)
            m_systemSounds = std::make_unique<QtSoundFactory>();
        m_setup.sounds = m_systemSounds.get();
    }
    m_player = m_setup.sounds->create(QStringLiteral("voice"));
    m_player->SetFile(voice);
}

void VoicePanel::removeVoice()
{
    if (!m_document || m_entry < 1 || m_document->files().voice(m_entry).isEmpty())
        return;
    if (const auto failed = m_document->removeVoice(m_entry))
        emit problem(*failed);
    else
        emit told(EditorMessage::withFlower(flower(), EditorMessage::voiceRemoved()));
    showState();
}

void VoicePanel::restoreVoice()
{
    if (!m_document || m_entry < 1 || !m_document->hasEarlierVoice(m_entry))
        return;
    if (const auto failed = m_document->restoreVoice(m_entry))
        emit problem(*failed);
    else
        emit told(EditorMessage::withFlower(flower(), EditorMessage::voiceRestored()));
    showState();
}

void VoicePanel::finish()
{
    m_take.cancel();
    m_maker.finish();
}

void VoicePanel::showState()
{
    const bool entry = m_document && m_entry > 0;
    const bool taking = isTaking();
    const bool idle = entry && !taking && !isMaking();
    const QString voice = entry ? m_document->files().voice(m_entry) : QString();
    const bool microphone = !m_inputs.isEmpty();

    QAction *record = m_actions.record;
    record->setEnabled((idle && microphone) || taking);
    record->setIconText(taking       ? QStringLiteral("止める")
                        : microphone ? QStringLiteral("録音")
                                     : QStringLiteral("マイクがありません"));
    record->setIcon(QIcon::fromTheme(taking ? QStringLiteral("media-playback-stop")
                                            : QStringLiteral("media-record")));
    record->setToolTip(microphone
                           ? QStringLiteral("3、2、1と数えてから録音します。"
                                            "話し終えたらもう一度押します（5秒で止まります）")
                           : EditorMessage::noMicrophone());
    m_actions.listen->setEnabled(idle && !voice.isEmpty());
    m_actions.remove->setEnabled(idle && !voice.isEmpty());
    m_actions.restore->setEnabled(idle && m_document->hasEarlierVoice(m_entry));
    m_actions.chooseFile->setEnabled(idle);
    m_inputBox->setEnabled(microphone && !taking);
    m_meter->setEnabled(microphone);
    if (!taking)
        m_count->clear();

    if (!entry)
        m_status->clear();
    else if (!microphone)
        m_status->setText(EditorMessage::noMicrophone());
    else if (isMaking())
        m_status->setText(QStringLiteral("声を作っています…"));
    else if (taking && m_take.phase() == VoiceTake::Phase::Counting)
        m_status->setText(QStringLiteral("数え終わったら、花の名前を言ってください。"));
    else if (taking)
        m_status->setText(QStringLiteral("話し終えたら「止める」を押してください。"));
    else if (voice.isEmpty())
        m_status->setText(QStringLiteral("声はまだありません。「録音」で録るか、声のファイルを"
                                         "ここか左の一覧の花に引いてきてください。"));
    else
        m_status->setText(
            QStringLiteral("声があります（%1）。").arg(m_document->files().relative(voice)));
}

void VoicePanel::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_entry > 0 && !droppedVoice(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void VoicePanel::dropEvent(QDropEvent *event)
{
    const QString file = droppedVoice(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    takeFile(m_entry, file);
}
