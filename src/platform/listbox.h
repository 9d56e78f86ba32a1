#ifndef LISTBOX_H
#define LISTBOX_H

#include "platform/control.h"

class ListRowDelegate;
class ListScrollBar;
class QListWidget;

// A one-column list of text rows. Rows are never wrapped: a long line stays
// one row and is cut off at the right edge of its text. The frame, the
// margins beside a row's text, the row height and the scroll bar's breadth
// are the list's own, not the style's, so how many rows a list shows and
// the width a row's text has are known without a widget. Qt's list draws
// itself, so at a factor its font, margins, rows and scroll bar are made
// larger instead of its painter scaled.
class ListBox : public Control
{
    Q_OBJECT

public:
    // At the layout's size, in pixels: the frame on each side, the margin
    // on each side of a row's text within the frame, the height of a row
    // (what the styles gave a row in the list's 16-pixel Mincho) and the
    // breadth of the scroll bar.
    static constexpr int FrameWidth = 2;
    static constexpr int TextMargin = 1;
    static constexpr int RowHeight = 18;
    static constexpr int ScrollBarWidth = 14;
    // The width a row's text has in a list of the given width in pixels,
    // with no scroll bar and beside one.
    static constexpr int textWidth(int listWidth)
    {
        return listWidth - 2 * (FrameWidth + TextMargin);
    }
    static constexpr int textWidthBesideScrollBar(int listWidth)
    {
        return textWidth(listWidth) - ScrollBarWidth;
    }
    // The rows a list of the given height in pixels shows whole; a list
    // that holds more has a scroll bar.
    static constexpr int visibleRows(int listHeight)
    {
        return (listHeight - 2 * FrameWidth) / RowHeight;
    }

    ListBox(const ControlSpec &row, QWidget *parent);

    void clear();
    void addItem(const QString &text);
    int count() const;
    QString item(int row) const;
    QStringList items() const;
    QListWidget *view() const { return m_view; }
    void scaleChanged() override;

private:
    void fitToScale();

    FontSpec m_font;
    QListWidget *m_view;
    ListRowDelegate *m_rows;
    ListScrollBar *m_scrollBar;
};

#endif
