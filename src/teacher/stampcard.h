#ifndef STAMPCARD_H
#define STAMPCARD_H

#include "records/leitner.h"

#include <QWidget>

class QPainter;

// The stamp card as a child sees it: the 60 names, a stamp on each one
// learned, and 「おぼえた花 N / 60」 above them. It paints on the screen
// and on a report's page alike.
class StampCard : public QWidget
{
    Q_OBJECT

public:
    explicit StampCard(QWidget *parent = nullptr);

    void setStates(const NameStates &states);
    const NameStates &states() const { return m_states; }
    // 「おぼえた花 N / 60」
    QString title() const;
    QSize sizeHint() const override;

    static void paint(QPainter &painter, const QRectF &area, const NameStates &states,
                      const QPalette &palette);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    NameStates m_states;
};

#endif
