#ifndef IMAGE_H
#define IMAGE_H

#include "platform/control.h"

#include <QPixmap>

// A picture box. Without stretching it takes the natural size of each picture
// given to it (15 twips to a pixel); with stretching it scales the picture to
// its own box. Transparent pixels show whatever lies behind.
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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QString m_source;
    bool m_stretch;
};

#endif
