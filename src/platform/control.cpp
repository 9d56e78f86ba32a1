#include "platform/control.h"
#include "platform/accessiblecontrol.h"
#include "platform/form.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

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

qreal Control::scaleFactor() const
{
    const auto *form = qobject_cast<const Form *>(window());
    return form ? form->scaleFactor() : 1;
}

QRect Control::layoutRect() const
{
    return QRect(0, 0, twipsToPixels(m_width), twipsToPixels(m_height));
}

// Left and width are rounded separately, so a picture keeps its exact pixel
// size wherever its half-twip position puts it.
void Control::place()
{
    const qreal factor = scaleFactor();
    setGeometry(twipsToPixels(m_left, factor), twipsToPixels(m_top, factor),
                twipsToPixels(m_width, factor), twipsToPixels(m_height, factor));
}

void Control::scaleChanged()
{
    place();
    update();
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

// A held key repeats, but a held Space or Enter presses only once.
void Control::keyPressEvent(QKeyEvent *event)
{
    const bool activation = isActivationKey(event->key());
    const bool handled = isSignalConnected(QMetaMethod::fromSignal(&Control::keyPressed));
    if (!handled && !activation) {
        event->ignore();
        return;
    }
    event->accept();
    if (activation && event->isAutoRepeat())
        return;
    if (handled)
        emit keyPressed(event->key());
    else
        click();
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
    const QRect mark = layoutRect().adjusted(3, 3, -4, -4);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(mark);
}
