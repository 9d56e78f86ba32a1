#ifndef LISTBOX_H
#define LISTBOX_H

#include "platform/control.h"

class ListRowDelegate;
class ListScrollBar;
class QListWidget;

// A one-column list of text rows. Rows are never wrapped: a long line stays
// one row and is cut off at the right edge of its text. The frame and the
// margins beside a row's text are the list's own, not the style's, so the
// width a row's text has is known without a widget (textWidth). Qt's list
// draws itself, so at a factor its font, frame, margins and scroll bar are
// made larger instead of its painter scaled.
class ListBox : public Control
{
    Q_OBJECT

public:
    // At the layout's size, in pixels: the frame on each side, and the
    // margin on each side of a row's text within the frame.
    static constexpr int FrameWidth = 2;
    static constexpr int TextMargin = 1;
    // The width a row's text has in a list of the given width in pixels.
    static constexpr int textWidth(int listWidth)
    {
        return listWidth - 2 * (FrameWidth + TextMargin);
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
