#include "support/keys.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr int TilesPerColumn = 20;

} // namespace

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

int litTile(const ControlArray<Label> &board)
{
    for (int16_t index : board.indices())
        if (board(index)->backColor() == Red)
            return index;
    return -1;
}

// The keys' place on the board is the tile with the focus, which follows
// every arrow; it need not be red, as after an answer's pause.
void lightTileByKeys(const ControlArray<Label> &board, int target)
{
    const auto place = [&board] {
        for (int16_t index : board.indices())
            if (board(index)->hasFocus())
                return int(index);
        return -1;
    };
    if (litTile(board) < 0)
        press(Qt::Key_Down);
    for (int at = place(); at >= 0 && at / TilesPerColumn != target / TilesPerColumn; at = place())
        press(at / TilesPerColumn < target / TilesPerColumn ? Qt::Key_Right : Qt::Key_Left);
    for (int at = place(); at >= 0 && at != target; at = place())
        press(at < target ? Qt::Key_Down : Qt::Key_Up);
}
