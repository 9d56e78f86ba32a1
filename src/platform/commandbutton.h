#ifndef COMMANDBUTTON_H
#define COMMANDBUTTON_H

#include "platform/control.h"

// A push button in the graphical style: the whole face is painted in the
// button's back colour, with a raised edge that sinks while pressed. It takes
// the keyboard focus; Space and Enter press it.
class CommandButton : public Control
{
    Q_OBJECT

public:
    CommandButton(const ControlSpec &row, QWidget *parent);

    QString caption() const { return m_caption; }
    QRgb backColor() const { return m_backColor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void setDown(bool down);

    QString m_caption;
    QRgb m_backColor;
    bool m_down = false;
};

#endif
