#include "picturebookscreen.h"
#include "clock.h"
#include "commandbutton.h"
#include "contentpath.h"
#include "entrynames.h"
#include "explanation.h"
#include "image.h"
#include "label.h"
#include "listbox.h"
#include "picturebooklayout.h"
#include "screennames.h"
#include "timer.h"
#include "twips.h"

#include <QShortcut>
#include <array>

namespace {

// The first entry of each kana tile, Label1(1) "あ" to Label1(10) "わ"; the
// entries are numbered in the order of the syllabary.
constexpr std::array<int16_t, 10> KanaIndexTable{1, 8, 20, 30, 37, 39, 52, 55, 57, 60};

// What NextScreen holds between a button click and the tick that leaves.
constexpr int16_t LeaveForQuiz = 1;
constexpr int16_t LeaveForMenu = 2;

constexpr int LeaveTickMilliseconds = 100;

} // namespace

PictureBookScreen::PictureBookScreen(Program &program) : Screen(program, pictureBookLayout()) {}

void PictureBookScreen::connectHandlers(Form &form)
{
    onEach(form.labelArray("Label1"), &Control::clicked,
           [this](int16_t index) { showKanaRow(index); });
    on(form.image("Image3"), &Control::clicked, [this] { showPrevious(); });
    on(form.image("Image4"), &Control::clicked, [this] { showNext(); });
    on(form.button("Command1"), &Control::clicked, [this] { leaveFor(LeaveForQuiz); });
    on(form.button("Command2"), &Control::clicked, [this] { leaveFor(LeaveForMenu); });
    on(form.timer("Timer1"), &Timer::tick, [this] { waitToLeave(); });

    // The arrow keys turn the pages as the two arrows do.
    auto *previousKey = new QShortcut(QKeySequence(Qt::Key_Left), &form);
    auto *nextKey = new QShortcut(QKeySequence(Qt::Key_Right), &form);
    previousKey->setAutoRepeat(false);
    nextKey->setAutoRepeat(false);
    on(previousKey, &QShortcut::activated, [this] { showPrevious(); });
    on(nextKey, &QShortcut::activated, [this] { showNext(); });
}

// The frame is taken from Image2 before anything has moved it, so it always
// follows the layout. The two sounds are loaded and silenced at once, to be
// played later.
void PictureBookScreen::load()
{
    const Image *frame = form()->image("Image2");
    PictureFrameTop = roundToInt16(frame->topTwips());
    PictureFrameLeft = roundToInt16(frame->leftTwips());
    PictureFrameWidth = roundToInt16(frame->widthTwips());
    PictureFrameHeight = roundToInt16(frame->heightTwips());

    EntryNames = ReadEntryNames();

    SoundPlayer *entrySound = form()->player("MediaPlayer1");
    entrySound->SetFile(ContentPath(ContentFile::EntrySound));
    entrySound->Stop();
    SoundPlayer *buttonSound = form()->player("MediaPlayer2");
    buttonSound->SetFile(ContentPath(ContentFile::ButtonSound));
    buttonSound->Stop();

    CurrentEntry = 0;
}

// Shows CurrentEntry (1 to 60): its name, its explanation lines exactly as
// read, and its picture at natural size centred on the frame, then plays the
// entry sound. Text and picture are read afresh every time.
void PictureBookScreen::ShowEntry()
{
    Label *name = form()->label("Label2");
    name->setVisible(true);
    name->setCaption(EntryNames.at(CurrentEntry - 1));

    ListBox *explanation = form()->list("List1");
    explanation->clear();
    explanation->setVisible(true);
    for (const QString &line : ReadExplanationLines(CurrentEntry))
        explanation->addItem(line);

    Image *picture = form()->image("Image2");
    picture->setVisible(false);
    picture->setStretch(false);
    picture->loadPicture(EntryPicturePath(CurrentEntry));
    const float width = picture->widthTwips();
    const float height = picture->heightTwips();
    // Halves are kept: a picture an odd number of twips off the frame's size
    // lies half a twip off the whole grid.
    picture->setLeftTwips(PictureFrameLeft + (PictureFrameWidth - width) / 2);
    picture->setTopTwips(PictureFrameTop + (PictureFrameHeight - height) / 2);
    picture->setVisible(true);

    form()->player("MediaPlayer1")->Play();
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
        CurrentEntry = EntryCount;
    ShowEntry();
}

void PictureBookScreen::showNext()
{
    CurrentEntry = int16_t(CurrentEntry + 1);
    if (CurrentEntry > EntryCount)
        CurrentEntry = 1;
    ShowEntry();
}

// A further click restarts the delay; the last button clicked decides.
void PictureBookScreen::leaveFor(int16_t next)
{
    form()->player("MediaPlayer2")->Play();
    NextScreen = next;
    form()->timer("Timer1")->setInterval(LeaveTickMilliseconds);
    ClickTime = clickMomentNow(program().clock());
}

void PictureBookScreen::waitToLeave()
{
    if (!leaveDelayOver(program().clock(), ClickTime))
        return;
    form()->timer("Timer1")->setInterval(0);
    close();
    program().open(NextScreen == LeaveForQuiz ? ScreenName::Quiz : ScreenName::Menu);
}
