#include "picture.h"
#include "failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A picture of this program is a few hundred pixels wide; the limit stops a
// file whose header claims a huge size before any memory is taken for it.
constexpr int AllocationLimitMegabytes = 32;

} // namespace

QImage loadPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure::forFile(path, QStringLiteral("画像ファイルが見つかりません。"));
    if (info.isDir())
        throw Failure::forFile(path, QStringLiteral("画像ファイルの場所にフォルダがあります。"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::forFile(
            path, QStringLiteral("画像ファイルを読み込めません（%1）。").arg(file.errorString()));
    return decodePicture(&file, path);
}

QImage decodePicture(QIODevice *device, const QString &path)
{
    QImageReader reader(device, "gif");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        throw Failure::forFile(
            path, QStringLiteral("GIF画像として読み込めません（%1）。").arg(reader.errorString()));
    return image;
}
