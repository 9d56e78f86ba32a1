#ifndef QUIZSCREEN_H
#define QUIZSCREEN_H

#include "app/leavedelay.h"
#include "app/screen.h"

#include <QList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class CommandButton;
class Image;
class Label;
class PlayerStrip;
class Timer;
enum class GameKind;

// The name quiz: one flower picture at a time against the fixed board of 60
// name tiles. A game asks every entry once in random order, judges each click
// with a mark, a sound and the running rate, and ends with a medal or the
// fail banner. The banner restarts the game; two buttons leave the screen.
//
// When records are kept, every judged answer is written before the next
// question is drawn, and who is playing shows below the board. The review
// game is a second instance that asks the names the records choose, at most
// Leitner::ReviewSize of them, with the same marks, sounds and result.
//
// Where the pack has the right name's voice, it follows the mark's sound,
// and the answer pause waits for it to end, for at most 2 s more.
class QuizScreen : public Screen
{
    Q_OBJECT

public:
    explicit QuizScreen(Program &program);
    QuizScreen(Program &program, GameKind kind);
    ~QuizScreen() override;

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    // The window's controls by role, bound at every opening.
    struct Controls
    {
        Controls(const Form &form, bool withPlayer);
        ~Controls();
        const ControlArray<Label> &board;
        Label *remaining;
        Label *rate;
        Label *failBanner;
        Image *banner;
        Image *flowerPicture;
        Image *mark;
        Image *medal;
        Image *boardCover;
        CommandButton *toPictureBook;
        CommandButton *toMenu;
        Timer *leaveTimer;
        Timer *answerPause;
        SoundPlayer *questionSound;
        SoundPlayer *answerSound;
        SoundPlayer *answerVoice;
        // Who is playing; only when records are kept.
        std::unique_ptr<PlayerStrip> player;
    };

    // Where the right name's voice is after an answer.
    enum class AnswerVoice
    {
        None,
        AfterMark,
        Sounding,
    };

    void ResetQuiz();
    void StartRecordedGame();
    void DrawQuestion();
    void DrawReviewQuestion();
    void PresentQuestion();

    void HighlightHovered();
    void LeaveBoard();
    void JudgeAnswer(int16_t index);
    void RecordAnswer(int16_t index, bool correct);
    void AnswerPauseTick();
    void EndAnswerPause();

    void ShowResult();
    void RestartFromFailBanner();
    void RestartFromBanner();
    void StopAnswerPauseForRestart();
    void StartLeaving(int16_t nextScreen);

    void setBoardTabStop(int16_t index);
    void boardKeyPressed(int key);
    void LeavePauseTick();

    void connectAnswerVoice();
    void queueAnswerVoice();
    void answerSoundEnded();
    void answerVoiceEnded();
    bool voiceHoldsAnswerPause();
    void dropAnswerVoice();

    Label *tile(int index) const;

    const GameKind m_kind;
    // Screen variables: they keep their values while the window is closed.
    // A game asks GameSize questions: all the entries, or the review's.
    int16_t GameSize;
    QList<int> ReviewEntries;
    int16_t QuestionEntry = 0;
    std::array<int16_t, 61> AskedFlags = {};
    int16_t AskedCount = 0;
    int16_t CorrectCount = 0;
    int16_t CorrectRate = 0;
    int16_t QuestionOpen = 0;
    int16_t ClickedNumber = 0;
    int16_t LastClickedNumber = 0;
    int16_t HoveredIndex = 0;
    int16_t HighlightedIndex = 0;
    int16_t PictureFrameTop = 0;
    int16_t PictureFrameLeft = 0;
    int16_t PictureFrameWidth = 0;
    int16_t PictureFrameHeight = 0;
    // The click time in whole seconds, and where the click lay on the
    // monotonic clock, which measures the wait.
    ClickMoment ClickTime;
    int16_t NextScreen = 0;
    // The tile the Tab key reaches on the board: the one the keys last lit.
    int16_t m_boardTabStop = 0;
    // Both waits share ClickTime: whichever click came last starts them afresh.
    LeaveDelay m_leaveDelay;
    bool m_packHasVoices = false;
    AnswerVoice m_answerVoice = AnswerVoice::None;
    // On the monotonic clock, when the voice began to hold the pause.
    std::optional<double> m_voiceHoldStart;
    std::unique_ptr<Controls> m_ui;
};

#endif
