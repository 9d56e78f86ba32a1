// hana-pack on a teacher's laptop: 60 photographs of 2400 × 1800 pixels,
// made on the spot, packed by the real hana-pack, against one thread that
// only decodes the same files whole, the least any packer must otherwise do.
// Prints "name value" lines for scripts/bench.
#include "photographs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int Photographs = 60;
constexpr int Rounds = 3;

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
    writePhotographs(pictures, Photographs);
    std::vector<int> entries(Photographs);
    std::iota(entries.begin(), entries.end(), 1);

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
