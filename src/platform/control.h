#ifndef CONTROL_H
#define CONTROL_H

#include "platform/layout.h"

#include <QWidget>

class QPainter;

// Space, Return and Enter: the keys that press what has the focus.
bool isActivationKey(int key);

// Base of every visible control kind. Geometry is kept in twips as set, so
// what is read back is exactly what was written; the widget is placed at the
// nearest logical pixel at the factor of the form it lies on, and draws
// itself in the layout's own pixels through a painter scaled by that factor,
// so that text, edges and marks are drawn at the scale. A control takes
// every mouse event over it, so that a click or a move never falls through
// to the control or window behind it. A label or picture marked as a tab
// stop is reached by Tab, never by a click, and Space or Enter on it clicks
// it unless its keys are handled.
class Control : public QWidget
{
    Q_OBJECT

public:
    Control(const ControlSpec &row, QWidget *parent);

    const QString &name() const { return m_name; }
    int index() const { return m_index; }

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setLeftTwips(float left);
    void setTopTwips(float top);
    void setWidthTwips(float width);
    void setHeightTwips(float height);

    // Whether anything reacts to a click, and a click made by other means
    // than the mouse (assistive technology, the keyboard).
    bool isClickHandled() const;
    void click();

    // The form's factor changed: the control is placed and drawn anew.
    virtual void scaleChanged();

signals:
    void clicked();
    void mouseMoved();
    // A key pressed on the control while it has the focus. Where nothing
    // takes this signal, Space and Enter click the control.
    void keyPressed(int key);

protected:
    // The factor of the form the control lies on; 1 on no form.
    qreal scaleFactor() const;
    // The control's rectangle in the layout's pixels, which a painter scaled
    // by the factor draws over the whole control.
    QRect layoutRect() const;
    void setSizeTwips(float width, float height);
    // A mark on a control that has the keyboard focus, seen on any colour.
    void drawFocusMark(QPainter &painter) const;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void place();

    QString m_name;
    int m_index;
    float m_left, m_top, m_width, m_height;
    bool m_pressed = false;
};

#endif
