#ifndef LISTBOX_H
#define LISTBOX_H

#include "platform/control.h"

class QListWidget;

// A one-column list of text rows. Rows are never wrapped: a long line stays
// one row and is cut off at the right edge. Qt's list draws itself, so at a
// factor its font and frame are made larger instead of its painter scaled.
class ListBox : public Control
{
    Q_OBJECT

public:
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
};

#endif
