#ifndef IMAGE_H
#define IMAGE_H

#include "platform/control.h"

#include <QPixmap>

// A picture box. Without stretching it takes the natural size of each picture
// given to it (15 twips to a pixel); with stretching it scales the picture to
// its own box. Transparent pixels show whatever lies behind. On a form drawn
// at a factor the picture is scaled smoothly from its own pixels. A fixed
// picture of the layout is drawn from its twice-as-large version beside it
// ("name@2x.gif") where the screen's scale times the form's factor is 1.5 or
// more, in the same place and size.
class Image : public Control
{
    Q_OBJECT

public:
    Image(const ControlSpec &row, QWidget *parent);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    void loadPicture(const QString &path);
    void setPicture(const QImage &picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    QString pictureSource() const { return m_source; }
    void centreOn(int frameLeft, int frameTop, int frameWidth, int frameHeight);
    void scaleChanged() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadLayoutPicture();
    void showPicture(const QPixmap &picture);
    QString largeLayoutPicture() const;

    QPixmap m_picture;
    QString m_source;
    QString m_layoutPicture;
    bool m_stretch;
};

#endif
