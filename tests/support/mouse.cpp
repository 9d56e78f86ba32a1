#include "support/mouse.h"

#include <QTest>
#include <QWidget>

namespace {

QWidget *targetAt(QWidget *window, QPoint point)
{
    QWidget *target = window->childAt(point);
    return target ? target : window;
}

} // namespace

QWidget *clickAt(QWidget *window, QPoint point)
{
    QWidget *target = targetAt(window, point);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
    return target;
}

QWidget *moveTo(QWidget *window, QPoint point)
{
    QWidget *target = targetAt(window, point);
    QTest::mouseMove(target, target->mapFrom(window, point));
    return target;
}

QPoint centreOf(const QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}
