#include "platform/listbox.h"
#include "platform/fonts.h"
#include "platform/listrowdelegate.h"
#include "platform/listscrollbar.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

ListBox::ListBox(const ControlSpec &row, QWidget *parent)
    : Control(row, parent), m_font(row.font), m_view(new QListWidget(this)),
      m_rows(new ListRowDelegate(m_view)), m_scrollBar(new ListScrollBar(Qt::Vertical, m_view))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_view->setWordWrap(false);
    m_view->setUniformItemSizes(true);
    m_view->setTextElideMode(Qt::ElideNone);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_view->setItemDelegate(m_rows);
    m_view->setVerticalScrollBar(m_scrollBar);
    fitToScale();
    QPalette colours = m_view->palette();
    colours.setColor(QPalette::Base, QColor(row.backColor));
    colours.setColor(QPalette::Text, QColor(row.foreColor));
    m_view->setPalette(colours);
    m_view->setAccessibleName(row.description);
    setFocusProxy(m_view);
}

void ListBox::fitToScale()
{
    const qreal factor = scaleFactor();
    m_view->setFont(fontFor(m_font, factor));
    m_view->setLineWidth(std::max(1, qRound(FrameWidth * factor)));
    m_rows->setTextMargin(qRound(TextMargin * factor));
    m_rows->setRowHeight(qRound(RowHeight * factor));
    m_scrollBar->setBreadth(qRound(ScrollBarWidth * factor));
    m_view->viewport()->update();
}

void ListBox::scaleChanged()
{
    fitToScale();
    Control::scaleChanged();
}

void ListBox::clear()
{
    m_view->clear();
}

void ListBox::addItem(const QString &text)
{
    m_view->addItem(text);
}

int ListBox::count() const
{
    return m_view->count();
}

QString ListBox::item(int row) const
{
    return m_view->item(row)->text();
}

QStringList ListBox::items() const
{
    QStringList rows;
    for (int row = 0; row < count(); ++row)
        rows << item(row);
    return rows;
}
