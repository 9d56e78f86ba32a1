#ifndef LISTSCROLLBAR_H
#define LISTSCROLLBAR_H

#include <QScrollBar>

// A scroll bar of a breadth it is given rather than the style's: a list
// knows the width beside its scroll bar without asking the style, and a
// list drawn at a scale (full screen) gets a scroll bar of the same scale.
// The scroll area lays its bars out by their size hints, so the breadth
// goes there.
class ListScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ListScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setBreadth(int pixels);
    QSize sizeHint() const override;

private:
    int m_breadth = 0;
};

#endif
