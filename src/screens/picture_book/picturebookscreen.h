#ifndef PICTUREBOOKSCREEN_H
#define PICTUREBOOKSCREEN_H

#include "clock.h"
#include "screen.h"

#include <QStringList>
#include <cstdint>

// The picture book: one flower entry at a time on the pages of an open book,
// its name and explanation on the left page and its picture centred on a
// frame on the right page. The kana index jumps to the first entry of a row
// of the syllabary, the two arrows step through all entries in a ring, and
// two buttons leave for the name quiz or the menu after the button delay.
class PictureBookScreen : public Screen
{
    Q_OBJECT

public:
    explicit PictureBookScreen(Program &program);

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    void ShowEntry();
    void showKanaRow(int16_t index);
    void showPrevious();
    void showNext();
    void leaveFor(int16_t next);
    void waitToLeave();

    QStringList EntryNames;
    int16_t CurrentEntry = 0;
    int16_t PictureFrameTop = 0;
    int16_t PictureFrameLeft = 0;
    int16_t PictureFrameWidth = 0;
    int16_t PictureFrameHeight = 0;
    int16_t NextScreen = 0;
    // The click time in whole seconds, and where the click lay on the
    // monotonic clock, which measures the wait.
    ClickMoment ClickTime;
};

#endif
