#include "platform/listrowdelegate.h"

#include <QApplication>
#include <QPainter>

ListRowDelegate::ListRowDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void ListRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const QRect textArea = option.rect.adjusted(m_margin, 0, -m_margin, 0);
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(textArea, Qt::IntersectClip);
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textArea, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), text);
    painter->restore();
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight};
}
