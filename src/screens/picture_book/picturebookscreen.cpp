#include "screens/picture_book/picturebookscreen.h"
#include "app/screennames.h"
#include "book/picturebooklayout.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "player/playerstrip.h"
#include "records/records.h"

#include <QShortcut>
#include <array>
#include <utility>

namespace {

// The first entry of each kana tile, Label1(1) "あ" to Label1(10) "わ"; the
// entries are numbered in the order of the syllabary.
constexpr auto KanaIndexTable = [] {
    std::array<int16_t, ContentPack::KanaRows.size()> table{};
    for (size_t row = 0; row < table.size(); ++row)
        table[row] = int16_t(ContentPack::KanaRows[row].firstEntry);
    return table;
}();

// Says the shown entry's name again, as a click on the name does: V, for
// voice, a letter key nothing else on the screen takes.
constexpr Qt::Key SayAgainKey = Qt::Key_V;

// What NextScreen holds between a button click and the tick that leaves.
constexpr int16_t LeaveForQuiz = 1;
constexpr int16_t LeaveForMenu = 2;

// The book's window under the screen's name; with records, with who is
// playing below it.
const FormSpec &screenLayout(const Program &program)
{
    static const FormSpec layout = [] {
        FormSpec book = pictureBookLayout();
        book.name = ScreenName::PictureBook;
        return book;
    }();
    static const FormSpec recorded = PlayerStrip::below(layout);
    return program.records() ? recorded : layout;
}

} // namespace

PictureBookScreen::Controls::Controls(const Form &form)
    : page(form), kanaIndex(form.labelArray("Label1")), previousArrow(form.image("Image3")),
      nextArrow(form.image("Image4")), toQuiz(form.button("Command1")),
      toMenu(form.button("Command2")), leaveTimer(form.timer("Timer1")),
      entrySound(form.player("MediaPlayer1")), buttonSound(form.player("MediaPlayer2")),
      voice(form.player("MediaPlayer3"))
{
}

PictureBookScreen::Controls::~Controls() = default;

PictureBookScreen::PictureBookScreen(Program &program)
    : Screen(program, screenLayout(program)), m_leaveDelay(program.clock(), NextScreen, ClickTime)
{
}

PictureBookScreen::~PictureBookScreen() = default;

void PictureBookScreen::connectHandlers(Form &form)
{
    m_ui = std::make_unique<Controls>(form);
    onEach(m_ui->kanaIndex, &Control::clicked, [this](int16_t index) { showKanaRow(index); });
    on(m_ui->previousArrow, &Control::clicked, [this] { showPrevious(); });
    on(m_ui->nextArrow, &Control::clicked, [this] { showNext(); });
    on(m_ui->toQuiz, &Control::clicked, [this] { leaveFor(LeaveForQuiz); });
    on(m_ui->toMenu, &Control::clicked, [this] { leaveFor(LeaveForMenu); });
    on(m_ui->leaveTimer, &Timer::tick, [this] { waitToLeave(); });
    if (program().records())
        m_ui->player = std::make_unique<PlayerStrip>(form);

    // The arrow keys turn the pages as the two arrows do.
    auto *previousKey = new QShortcut(QKeySequence(Qt::Key_Left), &form);
    auto *nextKey = new QShortcut(QKeySequence(Qt::Key_Right), &form);
    previousKey->setAutoRepeat(false);
    nextKey->setAutoRepeat(false);
    on(previousKey, &QShortcut::activated, [this] { showPrevious(); });
    on(nextKey, &QShortcut::activated, [this] { showNext(); });

    // The digit keys choose the kana rows: 1 for あ to 9 for ら, 0 for わ.
    for (int16_t row = 1; row <= int16_t(KanaIndexTable.size()); ++row) {
        const int digit = row % int(KanaIndexTable.size());
        auto *rowKey = new QShortcut(QKeySequence(Qt::Key_0 + digit), &form);
        rowKey->setAutoRepeat(false);
        on(rowKey, &QShortcut::activated, [this, row] { showKanaRow(row); });
    }
    connectVoice(form);
}

// Only a pack with voices makes the name say itself again: without them the
// name stays a plain label, as is its key.
void PictureBookScreen::connectVoice(Form &form)
{
    m_packHasVoices = PackHasVoices();
    if (!m_packHasVoices)
        return;
    onEnded(m_ui->entrySound, [this] { entrySoundEnded(); });
    on(m_ui->page.entryName(), &Control::clicked, [this] { sayNameAgain(); });
    auto *againKey = new QShortcut(QKeySequence(SayAgainKey), &form);
    againKey->setAutoRepeat(false);
    on(againKey, &QShortcut::activated, [this] { sayNameAgain(); });
}

// The page took the picture frame from Image2 as it was bound to the new
// window, before anything could move it, so the frame always follows the
// layout. The two sounds are loaded and silenced at once, to be played later.
void PictureBookScreen::load()
{
    EntryNames = ReadEntryNames();

    m_ui->entrySound->SetFile(ContentPath(ContentPack::EntrySound));
    m_ui->entrySound->Stop();
    m_ui->buttonSound->SetFile(ContentPath(ContentPack::ButtonSound));
    m_ui->buttonSound->Stop();

    CurrentEntry = 0;
    if (m_ui->player)
        m_ui->player->show(*program().records());
}

// Shows CurrentEntry (1 to 60): its name, its explanation lines exactly as
// read, and its picture at natural size centred on the frame, then plays the
// entry sound. Text and picture are read afresh every time.
void PictureBookScreen::ShowEntry()
{
    m_ui->page.showEntry(EntryNames.at(CurrentEntry - 1), ReadExplanationLines(CurrentEntry),
                         EntryPicturePath(CurrentEntry));
    m_ui->entrySound->Play();
    prepareVoice();
}

// The entry's voice is to follow the entry sound; a voice of the entry
// before that still sounds stops. The voice is loaded only as it is to sound:
// a Qt sound started and stopped at once sometimes stays silent when it is
// started again.
void PictureBookScreen::prepareVoice()
{
    if (!m_packHasVoices)
        return;
    m_voiceFollows = EntryHasVoice(CurrentEntry);
    m_ui->voice->Stop();
}

void PictureBookScreen::entrySoundEnded()
{
    if (std::exchange(m_voiceFollows, false))
        m_ui->voice->SetFile(EntryVoicePath(CurrentEntry));
}

// Read afresh as the entry is; at once, even while the entry sound plays.
void PictureBookScreen::sayNameAgain()
{
    if (CurrentEntry == 0 || !EntryHasVoice(CurrentEntry))
        return;
    m_voiceFollows = false;
    m_ui->voice->SetFile(EntryVoicePath(CurrentEntry));
}

// A tile always shows its entry, even the one already on screen.
void PictureBookScreen::showKanaRow(int16_t index)
{
    CurrentEntry = KanaIndexTable.at(index - 1);
    ShowEntry();
}

void PictureBookScreen::showPrevious()
{
    CurrentEntry = int16_t(CurrentEntry - 1);
    if (CurrentEntry < 1)
        CurrentEntry = ContentPack::EntryCount;
    ShowEntry();
}

void PictureBookScreen::showNext()
{
    CurrentEntry = int16_t(CurrentEntry + 1);
    if (CurrentEntry > ContentPack::EntryCount)
        CurrentEntry = 1;
    ShowEntry();
}

// A further click restarts the delay; the last button clicked decides.
void PictureBookScreen::leaveFor(int16_t next)
{
    m_ui->buttonSound->Play();
    m_leaveDelay.choose(*m_ui->leaveTimer, next);
}

void PictureBookScreen::waitToLeave()
{
    if (!m_leaveDelay.finished(*m_ui->leaveTimer))
        return;
    close();
    program().open(NextScreen == LeaveForQuiz ? ScreenName::Quiz : ScreenName::Menu);
}
