#ifndef LISTSCROLLBAR_H
#define LISTSCROLLBAR_H

#include <QScrollBar>

// A scroll bar whose breadth is the style's times a factor: a list drawn at
// a scale (full screen) gets a scroll bar of the same scale. The scroll area
// lays its bars out by their size hints, so the factor goes there.
class ListScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ListScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setFactor(qreal factor);
    QSize sizeHint() const override;

private:
    qreal m_factor = 1;
};

#endif
