// hana-pack on a teacher's laptop: 60 photographs of 2400 × 1800 pixels,
// made on the spot, packed by the real hana-pack, against one thread that
// only decodes the same files whole, the least any packer must otherwise do.
// Prints "name value" lines for scripts/bench.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int Photographs = 60;
constexpr int Rounds = 3;
const QSize PhotographSize(2400, 1800);

// A photograph-like picture: a sky-to-meadow gradient, a few soft blossoms
// and grain, so that it compresses as a photograph does.
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_pack HANA_PACK\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString pictures = dir.filePath("source/pictures");
    QDir().mkpath(pictures);
    std::vector<int> entries(Photographs);
    std::iota(entries.begin(), entries.end(), 1);
    QtConcurrent::blockingMap(entries, [&pictures](int entry) {
        photograph(entry).save(QStringLiteral("%1/%2.jpg").arg(pictures).arg(entry), "JPEG", 90);
    });

    std::vector<double> decode, pack;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int entry : entries)
            if (QImageReader(QStringLiteral("%1/%2.jpg").arg(pictures).arg(entry)).read().isNull())
                return 1;
        decode.push_back(timer.nsecsElapsed() / 1e9);

        const QString out = dir.filePath(QStringLiteral("out%1").arg(round));
        timer.start();
        QProcess packer;
        packer.start(QString::fromLocal8Bit(argv[1]), {dir.filePath("source"), out});
        if (!packer.waitForFinished(600000) || packer.exitCode() != 0)
            return 1;
        pack.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::printf("pack_seconds %.3f\ndecode_seconds %.3f\nphotographs %d\n", median(pack),
                median(decode), Photographs);
    return 0;
}
