#include "screens/quiz/quizscreen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "player/playerstrip.h"
#include "records/records.h"
#include "screens/quiz/quizboard.h"
#include "screens/quiz/quizlayout.h"

#include <QShortcut>
#include <cmath>

namespace {

bool isArrowKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

// The tile next to a tile of the board in an arrow's direction, or the tile
// itself at the board's edge.
int16_t neighbourTile(int16_t from, int key)
{
    constexpr int Rows = QuizBoard::TilesPerColumn;
    constexpr int Columns = ContentPack::EntryCount / Rows;
    const int row = from % Rows;
    const int column = from / Rows;
    if (key == Qt::Key_Up && row > 0)
        return int16_t(from - 1);
    if (key == Qt::Key_Down && row < Rows - 1)
        return int16_t(from + 1);
    if (key == Qt::Key_Left && column > 0)
        return int16_t(from - Rows);
    if (key == Qt::Key_Right && column < Columns - 1)
        return int16_t(from + Rows);
    return from;
}

constexpr QRgb HighlightColor = 0xFFFF0000;
constexpr int16_t NoHighlight = -1;
constexpr int16_t ToPictureBook = 1;
constexpr int16_t ToMenu = 2;
// How much longer than its own wait the answer pause waits for the voice.
constexpr double VoiceHoldSeconds = 2.0;

// The quiz's window; with records, with who is playing below it, and for the
// review game under its own name.
const FormSpec &layoutFor(const Program &program, GameKind kind)
{
    static const FormSpec recorded = PlayerStrip::below(quizLayout());
    static const FormSpec review = [] {
        FormSpec layout = recorded;
        layout.name = ScreenName::Review;
        layout.caption = QStringLiteral("おさらい");
        return layout;
    }();
    if (kind == GameKind::Review)
        return review;
    return program.records() ? recorded : quizLayout();
}

} // namespace

QuizScreen::Controls::Controls(const Form &form, bool withPlayer)
    : board(form.labelArray("Label1")), remaining(form.label("Label3")), rate(form.label("Label5")),
      failBanner(form.label("Label10")), banner(form.image("Image2")),
      flowerPicture(form.image("Image3")), mark(form.image("Image4")), medal(form.image("Image5")),
      boardCover(form.image("Image6")), toPictureBook(form.button("Command1")),
      toMenu(form.button("Command2")), leaveTimer(form.timer("Timer1")),
      answerPause(form.timer("Timer2")), questionSound(form.player("MediaPlayer1")),
      answerSound(form.player("MediaPlayer2")), answerVoice(form.player("MediaPlayer3")),
      player(withPlayer ? std::make_unique<PlayerStrip>(form) : nullptr)
{
}

QuizScreen::Controls::~Controls() = default;

QuizScreen::QuizScreen(Program &program) : QuizScreen(program, GameKind::Full) {}

QuizScreen::QuizScreen(Program &program, GameKind kind)
    : Screen(program, layoutFor(program, kind)), m_kind(kind), GameSize(ContentPack::EntryCount),
      m_leaveDelay(program.clock(), NextScreen, ClickTime)
{
}

QuizScreen::~QuizScreen() = default;

void QuizScreen::connectHandlers(Form &form)
{
    m_ui = std::make_unique<Controls>(form, program().records() != nullptr);
    onEach(m_ui->board, &Control::mouseMoved, [this](int16_t index) {
        HoveredIndex = index;
        HighlightHovered();
    });
    onEach(m_ui->board, &Control::clicked, [this](int16_t index) { JudgeAnswer(index); });
    for (int16_t index : m_ui->board.indices())
        on(m_ui->board(index), &Control::keyPressed, [this](int key) { boardKeyPressed(key); });
    auto *restartKey = new QShortcut(QKeySequence(Qt::Key_F5), &form);
    restartKey->setAutoRepeat(false);
    on(restartKey, &QShortcut::activated, [this] { RestartFromBanner(); });
    on(&form, &Form::mouseMoved, [this] { LeaveBoard(); });
    on(m_ui->answerPause, &Timer::tick, [this] { AnswerPauseTick(); });
    on(m_ui->failBanner, &Control::clicked, [this] { RestartFromFailBanner(); });
    on(m_ui->banner, &Control::clicked, [this] { RestartFromBanner(); });
    on(m_ui->toPictureBook, &Control::clicked, [this] { StartLeaving(ToPictureBook); });
    on(m_ui->toMenu, &Control::clicked, [this] { StartLeaving(ToMenu); });
    on(m_ui->leaveTimer, &Timer::tick, [this] { LeavePauseTick(); });
    connectAnswerVoice();
}

void QuizScreen::connectAnswerVoice()
{
    m_packHasVoices = PackHasVoices();
    if (!m_packHasVoices)
        return;
    onEnded(m_ui->answerSound, [this] { answerSoundEnded(); });
    onEnded(m_ui->answerVoice, [this] { answerVoiceEnded(); });
}

void QuizScreen::load()
{
    HighlightedIndex = NoHighlight;
    setBoardTabStop(0);
    if (m_ui->player)
        m_ui->player->show(*program().records());
    ResetQuiz();
}

// The board is one stop of the Tab key: the tile the keys last lit.
void QuizScreen::setBoardTabStop(int16_t index)
{
    for (int16_t tile : m_ui->board.indices())
        m_ui->board(tile)->setFocusPolicy(tile == index ? Qt::TabFocus : Qt::NoFocus);
    m_boardTabStop = index;
}

// On the board, the arrow keys light a tile as the mouse does, moving up and
// down a column and across the columns, and stop at the edges; the first
// press lights the tile that has the focus. Space or Enter answers the lit
// tile as a click does. While the result covers the board, keys do nothing.
void QuizScreen::boardKeyPressed(int key)
{
    if (m_ui->boardCover->isVisible())
        return;
    if (isActivationKey(key)) {
        if (HighlightedIndex != NoHighlight)
            JudgeAnswer(HighlightedIndex);
        return;
    }
    if (!isArrowKey(key))
        return;
    const int16_t to =
        HighlightedIndex == NoHighlight ? m_boardTabStop : neighbourTile(HighlightedIndex, key);
    HoveredIndex = to;
    HighlightHovered();
    setBoardTabStop(to);
    tile(to)->setFocus(Qt::OtherFocusReason);
}

Label *QuizScreen::tile(int index) const
{
    return m_ui->board(index);
}

// Starts a new game and puts up its first question. The picture frame is
// taken from the flower picture as it stands: the design rectangle on the
// first game, the last picture (centred on the same point) on a restart.
void QuizScreen::ResetQuiz()
{
    const Image *picture = m_ui->flowerPicture;
    PictureFrameTop = roundToInt16(picture->topTwips());
    PictureFrameLeft = roundToInt16(picture->leftTwips());
    PictureFrameWidth = roundToInt16(picture->widthTwips());
    PictureFrameHeight = roundToInt16(picture->heightTwips());

    m_ui->questionSound->SetFile(ContentPath(ContentPack::EntrySound));
    m_ui->questionSound->Stop();
    m_ui->answerSound->SetProperty1030(1);

    LastClickedNumber = 0;
    AskedCount = 0;
    CorrectCount = 0;
    m_ui->rate->setCaption(QString());
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        AskedFlags.at(entry) = 0;
    StartRecordedGame();
    DrawQuestion();
}

// The records learn that a game starts; the review game takes its names
// from them now, so it asks what is due at its start.
void QuizScreen::StartRecordedGame()
{
    Records *records = program().records();
    if (!records)
        return;
    records->startGame(m_kind);
    if (m_kind != GameKind::Review)
        return;
    ReviewEntries = records->reviewEntries();
    GameSize = int16_t(ReviewEntries.size());
}

// Draws a number from 1 to 60 and walks forward, wrapping after 60, to the
// first entry not yet asked. The generator is reseeded from the clock before
// every draw.
void QuizScreen::DrawQuestion()
{
    if (m_kind == GameKind::Review) {
        DrawReviewQuestion();
        return;
    }
    RandomSource &random = program().random();
    random.reseed();
    QuestionEntry = int16_t(std::floor(random.next() * ContentPack::EntryCount) + 1);
    while (AskedFlags.at(QuestionEntry) == 1) {
        ++QuestionEntry;
        if (QuestionEntry > ContentPack::EntryCount)
            QuestionEntry = 1;
    }
    PresentQuestion();
}

// The review game asks its names in the order the records chose them: the
// most urgent first.
void QuizScreen::DrawReviewQuestion()
{
    QuestionEntry = int16_t(ReviewEntries.at(AskedCount));
    PresentQuestion();
}

// Shows the picture of QuestionEntry at its own size, centred on the frame,
// counts the question and plays the question sound.
void QuizScreen::PresentQuestion()
{
    QuestionOpen = 1;
    AskedFlags.at(QuestionEntry) = 1;
    ++AskedCount;
    m_ui->remaining->setCaption(QString::number(GameSize - AskedCount));

    Image *picture = m_ui->flowerPicture;
    picture->setVisible(false);
    picture->setStretch(false);
    picture->loadPicture(EntryPicturePath(QuestionEntry));
    picture->centreOn(PictureFrameLeft, PictureFrameTop, PictureFrameWidth, PictureFrameHeight);
    picture->setVisible(true);

    m_ui->questionSound->Play();
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

    SoundPlayer *sound = m_ui->answerSound;
    Image *mark = m_ui->mark;
    const bool correct = ClickedNumber == QuestionEntry && QuestionOpen == 1;
    if (QuestionOpen == 1)
        RecordAnswer(index, correct);
    if (correct) {
        ++CorrectCount;
        sound->SetFile(ContentPath(ContentPack::RightSound));
        mark->loadPicture(ContentPath(ContentPack::RightMark));
        mark->setVisible(true);
    } else {
        sound->SetFile(ContentPath(ContentPack::WrongSound));
        mark->loadPicture(ContentPath(ContentPack::WrongMark));
        mark->setVisible(true);
        tile(index)->setBackColor(TileColor);
        tile(QuestionEntry - 1)->setBackColor(HighlightColor);
    }
    QuestionOpen = 0;

    // The integer part, never the nearest value: 1 of 3 is 33, 2 of 3 is 66.
    // Whole numbers keep it exact where a floating-point quotient would fall
    // just short of a whole percent (29 of 50 is 58, not 57).
    CorrectRate = int16_t(CorrectCount * 100 / AskedCount);
    m_ui->rate->setCaption(QString::number(CorrectRate));
    m_leaveDelay.start(*m_ui->answerPause);
    queueAnswerVoice();
}

// The right name's voice, where the pack has it, is to follow the mark's
// sound; a voice of an earlier click that still sounds stops. As in the
// picture book, the voice is loaded only as it is to sound.
void QuizScreen::queueAnswerVoice()
{
    m_answerVoice = AnswerVoice::None;
    m_voiceHoldStart.reset();
    if (!m_packHasVoices)
        return;
    if (EntryHasVoice(QuestionEntry))
        m_answerVoice = AnswerVoice::AfterMark;
    m_ui->answerVoice->Stop();
}

void QuizScreen::answerSoundEnded()
{
    if (m_answerVoice != AnswerVoice::AfterMark)
        return;
    m_answerVoice = AnswerVoice::Sounding;
    m_ui->answerVoice->SetFile(EntryVoicePath(QuestionEntry));
}

void QuizScreen::answerVoiceEnded()
{
    if (m_answerVoice == AnswerVoice::Sounding)
        m_answerVoice = AnswerVoice::None;
}

// Once the pause's own wait is over, a voice still to come or still sounding
// holds it until the voice ends, for at most VoiceHoldSeconds more.
bool QuizScreen::voiceHoldsAnswerPause()
{
    const Clock &clock = program().clock();
    if (m_answerVoice == AnswerVoice::None || !leaveDelayOver(clock, ClickTime))
        return false;
    const double now = clock.monotonicSeconds();
    if (!m_voiceHoldStart)
        m_voiceHoldStart = now;
    return now - *m_voiceHoldStart < VoiceHoldSeconds;
}

// A voice not yet begun is dropped; one that sounds says the name to its end.
void QuizScreen::dropAnswerVoice()
{
    m_answerVoice = AnswerVoice::None;
}

// The first answer to a question is what the records keep: the clicks
// after it, judged wrong while the mark shows, answer no question.
void QuizScreen::RecordAnswer(int16_t index, bool correct)
{
    if (Records *records = program().records())
        records->recordAnswer({.entry = QuestionEntry, .answer = index + 1, .correct = correct});
}

void QuizScreen::AnswerPauseTick()
{
    if (voiceHoldsAnswerPause())
        return;
    if (!m_leaveDelay.finished(*m_ui->answerPause))
        return;
    EndAnswerPause();
    if (AskedCount == GameSize)
        ShowResult();
    else
        DrawQuestion();
}

void QuizScreen::EndAnswerPause()
{
    dropAnswerVoice();
    m_ui->answerPause->setInterval(0);
    m_ui->mark->setVisible(false);
    tile(QuestionEntry - 1)->setBackColor(TileColor);
}

// The empty area in front of the board takes every click and move over it,
// so the board rests until a new game; the fail banner lies in front of it.
void QuizScreen::ShowResult()
{
    m_ui->boardCover->setVisible(true);
    SoundPlayer *sound = m_ui->answerSound;
    if (CorrectRate < 50) {
        sound->SetFile(ContentPath(ContentPack::FailSound));
        m_ui->failBanner->setVisible(true);
        if (tile(m_boardTabStop)->hasFocus())
            m_ui->failBanner->setFocus(Qt::OtherFocusReason);
        return;
    }
    sound->SetFile(ContentPath(ContentPack::PassSound));
    Image *medal = m_ui->medal;
    if (CorrectRate >= 90)
        medal->loadPicture(ContentPath(ContentPack::GoldMedal));
    else if (CorrectRate <= 74)
        medal->loadPicture(ContentPath(ContentPack::CopperMedal));
    else
        medal->loadPicture(ContentPath(ContentPack::SilverMedal));
    medal->setVisible(true);
}

// A new game started by a key on the fail banner gives the focus back to
// the board, so the next answer is one arrow or Enter away.
void QuizScreen::RestartFromFailBanner()
{
    const bool byKeyboard = m_ui->failBanner->hasFocus();
    m_ui->failBanner->setVisible(false);
    m_ui->boardCover->setVisible(false);
    StopAnswerPauseForRestart();
    ResetQuiz();
    if (byKeyboard)
        tile(m_boardTabStop)->setFocus(Qt::OtherFocusReason);
}

void QuizScreen::RestartFromBanner()
{
    m_ui->medal->setVisible(false);
    RestartFromFailBanner();
}

// A restart while an answer's pause still runs ends that pause at once.
// Left running, its end would replace the new game's first question before
// it could be answered, and that question would still count as asked.
void QuizScreen::StopAnswerPauseForRestart()
{
    if (m_ui->answerPause->interval() != 0)
        EndAnswerPause();
}

void QuizScreen::StartLeaving(int16_t nextScreen)
{
    dropAnswerVoice();
    m_ui->answerSound->SetFile(ContentPath(ContentPack::ButtonSound));
    m_leaveDelay.choose(*m_ui->leaveTimer, nextScreen);
}

void QuizScreen::LeavePauseTick()
{
    if (!m_leaveDelay.finished(*m_ui->leaveTimer))
        return;
    close();
    program().open(NextScreen == ToPictureBook ? ScreenName::PictureBook : ScreenName::Menu);
}
