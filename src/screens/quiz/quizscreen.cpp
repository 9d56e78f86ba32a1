#include "quizscreen.h"
#include "clock.h"
#include "commandbutton.h"
#include "contentpath.h"
#include "image.h"
#include "label.h"
#include "quizboard.h"
#include "quizlayout.h"
#include "random.h"
#include "screennames.h"
#include "timer.h"
#include "twips.h"

#include <cmath>

namespace {

constexpr QRgb HighlightColor = 0xFFFF0000;
constexpr int PauseTickMilliseconds = 100;
constexpr int16_t NoHighlight = -1;
constexpr int16_t ToPictureBook = 1;
constexpr int16_t ToMenu = 2;

} // namespace

QuizScreen::QuizScreen(Program &program) : Screen(program, quizLayout()) {}

void QuizScreen::connectHandlers(Form &form)
{
    const ControlArray<Label> board = form.labelArray("Label1");
    onEach(board, &Control::mouseMoved, [this](int16_t index) {
        HoveredIndex = index;
        HighlightHovered();
    });
    onEach(board, &Control::clicked, [this](int16_t index) { JudgeAnswer(index); });
    on(&form, &Form::mouseMoved, [this] { LeaveBoard(); });
    on(form.timer("Timer2"), &Timer::tick, [this] { AnswerPauseTick(); });
    on(form.label("Label10"), &Control::clicked, [this] { RestartFromFailBanner(); });
    on(form.image("Image2"), &Control::clicked, [this] { RestartFromBanner(); });
    on(form.button("Command1"), &Control::clicked, [this] { StartLeaving(ToPictureBook); });
    on(form.button("Command2"), &Control::clicked, [this] { StartLeaving(ToMenu); });
    on(form.timer("Timer1"), &Timer::tick, [this] { LeavePauseTick(); });
}

void QuizScreen::load()
{
    HighlightedIndex = NoHighlight;
    ResetQuiz();
}

Label *QuizScreen::tile(int index) const
{
    return form()->labelArray("Label1")(index);
}

// Starts a new game and puts up its first question. The picture frame is
// taken from the flower picture as it stands: the design rectangle on the
// first game, the last picture (centred on the same point) on a restart.
void QuizScreen::ResetQuiz()
{
    const Image *picture = form()->image("Image3");
    PictureFrameTop = roundToInt16(picture->topTwips());
    PictureFrameLeft = roundToInt16(picture->leftTwips());
    PictureFrameWidth = roundToInt16(picture->widthTwips());
    PictureFrameHeight = roundToInt16(picture->heightTwips());

    SoundPlayer *questionSound = form()->player("MediaPlayer1");
    questionSound->SetFile(ContentPath(ContentFile::EntrySound));
    questionSound->Stop();
    form()->player("MediaPlayer2")->SetProperty1030(1);

    LastClickedNumber = 0;
    AskedCount = 0;
    CorrectCount = 0;
    form()->label("Label5")->setCaption(QString());
    for (int entry = 1; entry <= EntryCount; ++entry)
        AskedFlags.at(entry) = 0;
    DrawQuestion();
}

// Draws a number from 1 to 60 and walks forward, wrapping after 60, to the
// first entry not yet asked. The generator is reseeded from the clock before
// every draw.
void QuizScreen::DrawQuestion()
{
    RandomSource &random = program().random();
    random.reseed();
    QuestionEntry = int16_t(std::floor(random.next() * EntryCount) + 1);
    while (AskedFlags.at(QuestionEntry) == 1) {
        ++QuestionEntry;
        if (QuestionEntry > EntryCount)
            QuestionEntry = 1;
    }
    PresentQuestion();
}

// Shows the picture of QuestionEntry at its own size, centred on the frame,
// counts the question and plays the question sound.
void QuizScreen::PresentQuestion()
{
    QuestionOpen = 1;
    AskedFlags.at(QuestionEntry) = 1;
    ++AskedCount;
    form()->label("Label3")->setCaption(QString::number(EntryCount - AskedCount));

    Image *picture = form()->image("Image3");
    picture->setVisible(false);
    picture->setStretch(false);
    picture->loadPicture(EntryPicturePath(QuestionEntry));
    const float width = picture->widthTwips();
    const float height = picture->heightTwips();
    picture->setLeftTwips(float(PictureFrameLeft + (PictureFrameWidth - double(width)) / 2));
    picture->setTopTwips(float(PictureFrameTop + (PictureFrameHeight - double(height)) / 2));
    picture->setWidthTwips(width);
    picture->setHeightTwips(height);
    picture->setVisible(true);

    form()->player("MediaPlayer1")->Play();
}

// The tile under the mouse turns red and the one lit before goes back.
void QuizScreen::HighlightHovered()
{
    if (HighlightedIndex == HoveredIndex)
        return;
    if (HighlightedIndex != NoHighlight)
        tile(HighlightedIndex)->setBackColor(TileColor);
    tile(HoveredIndex)->setBackColor(HighlightColor);
    HighlightedIndex = HoveredIndex;
}

// The mouse is over the bare window: the tile it last crossed goes back to
// normal, whether it was red or not.
void QuizScreen::LeaveBoard()
{
    tile(HoveredIndex)->setBackColor(TileColor);
    HighlightedIndex = NoHighlight;
}

// Only the first click on an open question can score; any later click before
// the next question is judged wrong and shows the right answer in red.
void QuizScreen::JudgeAnswer(int16_t index)
{
    if (LastClickedNumber > 0)
        tile(LastClickedNumber - 1)->setBackColor(TileColor);
    ClickedNumber = int16_t(index + 1);
    tile(index)->setBackColor(HighlightColor);
    LastClickedNumber = ClickedNumber;

    SoundPlayer *sound = form()->player("MediaPlayer2");
    Image *mark = form()->image("Image4");
    if (ClickedNumber == QuestionEntry && QuestionOpen == 1) {
        ++CorrectCount;
        sound->SetFile(ContentPath(ContentFile::RightSound));
        mark->loadPicture(ContentPath(ContentFile::RightMark));
        mark->setVisible(true);
    } else {
        sound->SetFile(ContentPath(ContentFile::WrongSound));
        mark->loadPicture(ContentPath(ContentFile::WrongMark));
        mark->setVisible(true);
        tile(index)->setBackColor(TileColor);
        tile(QuestionEntry - 1)->setBackColor(HighlightColor);
    }
    QuestionOpen = 0;

    // The integer part, never the nearest value: 1 of 3 is 33, 2 of 3 is 66.
    // Whole numbers keep it exact where a floating-point quotient would fall
    // just short of a whole percent (29 of 50 is 58, not 57).
    CorrectRate = int16_t(CorrectCount * 100 / AskedCount);
    form()->label("Label5")->setCaption(QString::number(CorrectRate));
    startPause("Timer2");
}

// Both waits share ClickTime: whichever click came last starts them afresh.
void QuizScreen::startPause(const QString &timerName)
{
    form()->timer(timerName)->setInterval(PauseTickMilliseconds);
    ClickTime = clickMomentNow(program().clock());
}

void QuizScreen::AnswerPauseTick()
{
    if (!leaveDelayOver(program().clock(), ClickTime))
        return;
    EndAnswerPause();
    if (AskedCount == EntryCount)
        ShowResult();
    else
        DrawQuestion();
}

void QuizScreen::EndAnswerPause()
{
    form()->timer("Timer2")->setInterval(0);
    form()->image("Image4")->setVisible(false);
    tile(QuestionEntry - 1)->setBackColor(TileColor);
}

// The empty area in front of the board takes every click and move over it,
// so the board rests until a new game; the fail banner lies in front of it.
void QuizScreen::ShowResult()
{
    form()->image("Image6")->setVisible(true);
    SoundPlayer *sound = form()->player("MediaPlayer2");
    if (CorrectRate < 50) {
        sound->SetFile(ContentPath(ContentFile::FailSound));
        form()->label("Label10")->setVisible(true);
        return;
    }
    sound->SetFile(ContentPath(ContentFile::PassSound));
    Image *medal = form()->image("Image5");
    if (CorrectRate >= 90)
        medal->loadPicture(ContentPath(ContentFile::GoldMedal));
    else if (CorrectRate <= 74)
        medal->loadPicture(ContentPath(ContentFile::CopperMedal));
    else
        medal->loadPicture(ContentPath(ContentFile::SilverMedal));
    medal->setVisible(true);
}

void QuizScreen::RestartFromFailBanner()
{
    form()->label("Label10")->setVisible(false);
    form()->image("Image6")->setVisible(false);
    StopAnswerPauseForRestart();
    ResetQuiz();
}

void QuizScreen::RestartFromBanner()
{
    form()->label("Label10")->setVisible(false);
    form()->image("Image6")->setVisible(false);
    form()->image("Image5")->setVisible(false);
    StopAnswerPauseForRestart();
    ResetQuiz();
}

// A restart while an answer's pause still runs ends that pause at once.
// Left running, its end would replace the new game's first question before
// it could be answered, and that question would still count as asked.
void QuizScreen::StopAnswerPauseForRestart()
{
    if (form()->timer("Timer2")->interval() != 0)
        EndAnswerPause();
}

void QuizScreen::StartLeaving(int16_t nextScreen)
{
    form()->player("MediaPlayer2")->SetFile(ContentPath(ContentFile::ButtonSound));
    NextScreen = nextScreen;
    startPause("Timer1");
}

void QuizScreen::LeavePauseTick()
{
    if (!leaveDelayOver(program().clock(), ClickTime))
        return;
    form()->timer("Timer1")->setInterval(0);
    close();
    program().open(NextScreen == ToPictureBook ? ScreenName::PictureBook : ScreenName::Menu);
}
