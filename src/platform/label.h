#ifndef LABEL_H
#define LABEL_H

#include "platform/control.h"

class QPainter;

// An opaque text box: its back colour fills the whole rectangle, its text
// starts at the top edge and wraps inside the fixed box, lines below the
// bottom edge are cut off, and an optional sunken edge lies just inside it.
class Label : public Control
{
    Q_OBJECT

public:
    Label(const ControlSpec &row, QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QRgb backColor() const { return m_backColor; }
    void setBackColor(QRgb color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nameForAssistiveTechnology();
    bool needsDrawnBold(const QPainter &painter) const;
    void drawBoldLine(QPainter &painter, const QRect &area) const;

    QString m_caption;
    QString m_description;
    QRgb m_backColor;
    QRgb m_foreColor;
    Align m_align;
    bool m_sunken;
};

#endif
