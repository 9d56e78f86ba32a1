#include "label.h"
#include "fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int SunkenEdge = 2;

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace

Label::Label(const ControlSpec &spec, QWidget *parent)
    : Control(spec, parent), m_caption(spec.caption), m_backColor(spec.backColor),
      m_foreColor(spec.foreColor), m_align(spec.align), m_sunken(spec.sunken)
{
    setFont(fontFor(spec.font));
    setAccessibleName(m_caption);
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void Label::setBackColor(QRgb color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(m_backColor));
    QRect textArea = rect();
    if (m_sunken) {
        qDrawWinPanel(&painter, rect(), palette(), true);
        textArea.adjust(SunkenEdge, SunkenEdge, -SunkenEdge, -SunkenEdge);
    }
    painter.setPen(QColor(m_foreColor));
    painter.setClipRect(textArea);
    // A caption made to fill the box exactly must not wrap on a rounding error.
    const bool fits = QFontMetricsF(font()).horizontalAdvance(m_caption) <= textArea.width() + 1;
    if (fits)
        textArea.setWidth(textArea.width() + 1);
    const int wrap = fits ? 0 : Qt::TextWordWrap;
    painter.drawText(textArea, horizontal(m_align) | Qt::AlignTop | wrap, m_caption);
}
