#include "platform/listscrollbar.h"

ListScrollBar::ListScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

void ListScrollBar::setFactor(qreal factor)
{
    if (qFuzzyCompare(factor, m_factor))
        return;
    m_factor = factor;
    updateGeometry();
}

QSize ListScrollBar::sizeHint() const
{
    QSize size = QScrollBar::sizeHint();
    if (orientation() == Qt::Vertical)
        size.setWidth(qRound(size.width() * m_factor));
    else
        size.setHeight(qRound(size.height() * m_factor));
    return size;
}
