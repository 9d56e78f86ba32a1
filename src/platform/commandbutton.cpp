#include "platform/commandbutton.h"
#include "platform/fonts.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int FocusInset = 4;

} // namespace

CommandButton::CommandButton(const ControlSpec &row, QWidget *parent)
    : Control(row, parent), m_caption(row.caption), m_backColor(row.backColor)
{
    setFont(fontFor(row.font));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(m_caption);
}

void CommandButton::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(m_backColor));
    painter.scale(scaleFactor(), scaleFactor());
    qDrawWinButton(&painter, layoutRect(), palette(), m_down);
    QRect face = layoutRect();
    if (m_down)
        face.translate(1, 1);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face, Qt::AlignCenter, m_caption);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(face.adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    }
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    Control::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        setDown(true);
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    setDown(false);
    Control::mouseReleaseEvent(event);
}

// Each press of a double click is a click of its own on a button.
void CommandButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key())) {
        Control::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        setDown(true);
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key()) || event->isAutoRepeat()) {
        Control::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (m_down) {
        setDown(false);
        emit clicked();
    }
}
