#include "platform/control.h"
#include "platform/accessiblecontrol.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

Control::Control(const ControlSpec &row, QWidget *parent)
    : QWidget(parent), m_name(row.name), m_index(row.index), m_left(row.left), m_top(row.top),
      m_width(row.width), m_height(row.height)
{
    setObjectName(row.index < 0 ? row.name : QStringLiteral("%1(%2)").arg(row.name).arg(row.index));
    setMouseTracking(true);
    setVisible(row.visible);
    if (row.tabStop)
        setFocusPolicy(Qt::TabFocus);
    place();
    installControlAccessibility();
}

bool Control::isClickHandled() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Control::clicked));
}

void Control::click()
{
    emit clicked();
}

void Control::setLeftTwips(float left)
{
    m_left = left;
    place();
}

void Control::setTopTwips(float top)
{
    m_top = top;
    place();
}

void Control::setWidthTwips(float width)
{
    m_width = width;
    place();
}

void Control::setHeightTwips(float height)
{
    m_height = height;
    place();
}

void Control::setSizeTwips(float width, float height)
{
    m_width = width;
    m_height = height;
    place();
}

// Left and width are rounded separately, so a picture keeps its exact pixel
// size wherever its half-twip position puts it.
void Control::place()
{
    setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                twipsToPixels(m_height));
}

void Control::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

// The second press of a double click makes no second click, as on the
// labels and pictures of the platform this program first ran on.
void Control::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

void Control::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        event->ignore();
    }
}

void Control::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void Control::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Control::drawFocusMark(QPainter &painter) const
{
    if (!hasFocus())
        return;
    const QRect mark = rect().adjusted(3, 3, -4, -4);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(mark);
}
