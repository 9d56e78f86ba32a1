#include "platform/label.h"
#include "platform/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <qdrawutil.h>

namespace {

constexpr int SunkenEdge = 2;

// Qt draws text this large as outlines and then leaves out the synthetic
// bold it gives faces that have no bold of their own. On a scaled screen its
// synthetic bold is lost or much lighter at every size, so there bold text
// is always drawn by the label itself.
constexpr int OutlineTextPixels = 64;

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

// Whether the face that serves the font has a bold style of its own.
bool hasBoldFace(const QFont &font)
{
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.cbegin(), styles.cend(), [&family](const QString &style) {
        return QFontDatabase::bold(family, style);
    });
}

} // namespace

Label::Label(const ControlSpec &row, QWidget *parent)
    : Control(row, parent), m_caption(row.caption), m_description(row.description),
      m_backColor(row.backColor), m_foreColor(row.foreColor), m_align(row.align),
      m_sunken(row.sunken)
{
    setFont(fontFor(row.font));
    nameForAssistiveTechnology();
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    nameForAssistiveTechnology();
    update();
}

// A change of name is announced, so a count or a rate is heard as it changes.
void Label::nameForAssistiveTechnology()
{
    if (m_description.isEmpty())
        setAccessibleName(m_caption);
    else if (m_description.contains(QLatin1String("%1")))
        setAccessibleName(m_description.arg(m_caption));
    else
        setAccessibleName(m_description);
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
    painter.scale(scaleFactor(), scaleFactor());
    QRect textArea = layoutRect();
    if (m_sunken) {
        qDrawWinPanel(&painter, layoutRect(), palette(), true);
        textArea.adjust(SunkenEdge, SunkenEdge, -SunkenEdge, -SunkenEdge);
    }
    painter.setPen(QColor(m_foreColor));
    painter.setClipRect(textArea);
    // A caption made to fill the box exactly must not wrap on a rounding error.
    const bool fits = QFontMetricsF(font()).horizontalAdvance(m_caption) <= textArea.width() + 1;
    if (fits)
        textArea.setWidth(textArea.width() + 1);
    if (fits && needsDrawnBold(painter)) {
        drawBoldLine(painter, textArea);
    } else {
        const int wrap = fits ? 0 : Qt::TextWordWrap;
        painter.drawText(textArea, horizontal(m_align) | Qt::AlignTop | wrap, m_caption);
    }
    drawFocusMark(painter);
}

bool Label::needsDrawnBold(const QPainter &painter) const
{
    const qreal deviceScale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    return font().bold() && (deviceScale > 1 || font().pixelSize() >= OutlineTextPixels) &&
           !hasBoldFace(font());
}

// One line of bold text: the glyph outlines filled and stroked a little, as
// heavy as the bold Qt gives small text at 100 %.
void Label::drawBoldLine(QPainter &painter, const QRect &area) const
{
    const QFontMetricsF metrics(font());
    const qreal width = metrics.horizontalAdvance(m_caption);
    qreal x = area.left();
    if (m_align == Align::Center)
        x += (area.width() - width) / 2;
    else if (m_align == Align::Right)
        x += area.width() - width;
    QPainterPath text;
    text.addText(QPointF(x, area.top() + metrics.ascent()), font(), m_caption);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(m_foreColor), font().pixelSize() / 60.0, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(QColor(m_foreColor));
    painter.drawPath(text);
}
