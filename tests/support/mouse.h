#ifndef MOUSE_H
#define MOUSE_H

#include <QPoint>

class QWidget;

// Clicks or moves the mouse at a point of a window's client area (pixels).
// The event goes to the widget the window finds there, front-most first, as
// a real pointer's would.
QWidget *clickAt(QWidget *window, QPoint point);
QWidget *moveTo(QWidget *window, QPoint point);

// The centre of a control, in its window's client pixels.
QPoint centreOf(const QWidget *control);

#endif
