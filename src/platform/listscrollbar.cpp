#include "platform/listscrollbar.h"

ListScrollBar::ListScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

void ListScrollBar::setBreadth(int pixels)
{
    if (pixels == m_breadth)
        return;
    m_breadth = pixels;
    updateGeometry();
}

QSize ListScrollBar::sizeHint() const
{
    QSize size = QScrollBar::sizeHint();
    if (orientation() == Qt::Vertical)
        size.setWidth(m_breadth);
    else
        size.setHeight(m_breadth);
    return size;
}
