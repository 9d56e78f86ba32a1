#include "photographs.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <numeric>
#include <vector>

QImage photograph(int seed)
{
    QImage picture(PhotographSize, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    QPainter painter(&picture);
    QLinearGradient ground(0, 0, 0, PhotographSize.height());
    ground.setColorAt(0, QColor::fromHsv(200 + seed % 20, 90, 240));
    ground.setColorAt(1, QColor::fromHsv(90 + seed % 30, 200, 120));
    painter.fillRect(picture.rect(), ground);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        QRadialGradient blossom(random.bounded(2400), random.bounded(1800),
                                60 + random.bounded(200));
        blossom.setColorAt(0, QColor::fromHsv(random.bounded(360), 180, 250));
        blossom.setColorAt(1, Qt::transparent);
        painter.setBrush(blossom);
        painter.drawEllipse(blossom.center(), blossom.radius(), blossom.radius());
    }
    painter.end();
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = int(random.bounded(13)) - 6;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                     std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    return picture;
}

void writePhotographs(const QString &folder, int count)
{
    QDir().mkpath(folder);
    std::vector<int> entries(count);
    std::iota(entries.begin(), entries.end(), 1);
    QtConcurrent::blockingMap(entries, [&folder](int entry) {
        photograph(entry).save(QStringLiteral("%1/%2.jpg").arg(folder).arg(entry), "JPEG", 90);
    });
}
