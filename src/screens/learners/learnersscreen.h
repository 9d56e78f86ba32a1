#ifndef LEARNERSSCREEN_H
#define LEARNERSSCREEN_H

#include "app/leavedelay.h"
#include "app/screen.h"
#include "records/learner.h"

#include <QList>
#include <cstdint>
#include <memory>

class Image;
class Label;
class MarkLoader;
class Timer;

// The first screen when records are kept: who is playing? One tile for each
// learner of the store, with their name and flower mark, and one for a
// guest. A click or Enter on a tile chooses, and after the button sound and
// the usual wait the menu opens for that learner. Arrow keys move between
// the tiles. With no learners yet, a text tells an adult how to add them;
// when the store cannot be used, a small notice says why.
class LearnersScreen : public Screen
{
    Q_OBJECT

public:
    explicit LearnersScreen(Program &program);
    ~LearnersScreen() override;

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    struct Controls
    {
        explicit Controls(const Form &form);
        const ControlArray<Label> &tiles;
        const ControlArray<Image> &marks;
        Label *noLearners;
        Label *notice;
        Timer *leaveTimer;
        SoundPlayer *buttonSound;
        // The learners' marks, decoded while the window shows.
        MarkLoader *marksLoading = nullptr;
    };

    void ShowLearners();
    void ShowNotice();
    void RecordsChanged();
    void showTile(int16_t index, const QString &name, const QString &spokenName);
    void showMark(int16_t index, const QImage &mark);
    void MarkDecoded(int16_t index);
    void ChooseTile(int16_t index);
    void LightTile(int16_t index);
    void tileKeyPressed(int16_t index, int key);
    void LeavePauseTick();

    // The tiles shown, in the order the arrow keys go through them.
    QList<int16_t> shownTiles() const;

    QList<Learner> Learners;
    int16_t ChosenTile = -1;
    int16_t LitTile = -1;
    int16_t NextScreen = 0;
    ClickMoment ClickTime;
    LeaveDelay m_leaveDelay;
    std::unique_ptr<Controls> m_ui;
};

#endif
