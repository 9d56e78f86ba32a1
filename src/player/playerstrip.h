#ifndef PLAYERSTRIP_H
#define PLAYERSTRIP_H

#include "platform/layout.h"

#include <QImage>
#include <QRectF>

class Form;
class Image;
class Label;
class Records;

// The strip along the bottom of a screen's window that shows who is
// playing: their flower mark and their name, or the guest's. It is there
// only when records are kept; a screen without records keeps its layout.
class PlayerStrip
{
public:
    static constexpr float Height = 540;

    // The layout with the strip below everything it holds: the window is
    // taller by the strip, and nothing else moves.
    static FormSpec below(const FormSpec &layout);

    explicit PlayerStrip(const Form &form);
    void show(const Records &records);

private:
    Image *m_mark;
    Label *m_name;
    // The square the mark is centred in, as the layout gives it.
    QRectF m_markFrame;
};

// What stands for a learner on a tile: the picture of their flower, the
// entry of their mark, at most side pixels high and wide, drawn from twice
// as many pixels so that it stays sharp at twice the size; the guest has a
// flower of the program's own.
QImage learnerMark(int entry, int side);
QImage guestMark(int side);

// The name for a guest as the screens show it.
QString guestName();

#endif
