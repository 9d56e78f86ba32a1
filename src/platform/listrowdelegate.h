#ifndef LISTROWDELEGATE_H
#define LISTROWDELEGATE_H

#include <QStyledItemDelegate>

// Draws a list's rows with the text at a fixed margin from the item's left
// edge, cut off at a fixed margin from its right, never elided, in rows of a
// fixed height: where a row ends and how many rows a list shows do not
// depend on the style. The background, selection and focus mark are the
// style's.
class ListRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ListRowDelegate(QObject *parent = nullptr);

    void setTextMargin(int pixels) { m_margin = pixels; }
    void setRowHeight(int pixels) { m_rowHeight = pixels; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_margin = 0;
    int m_rowHeight = 0;
};

#endif
