#include "pack/picturepacker.h"
#include "platform/failure.h"
#include "platform/picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

namespace {

const QSize Frame(218, 225);

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

// A source photograph gives either a message or a GIF that the screens load
// and that fits the frame.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PackedPicture packed = PicturePacker(Frame).pack(&buffer);
    if (!packed.problem.isEmpty())
        return 0;
    QBuffer gif(const_cast<QByteArray *>(&packed.gif));
    gif.open(QIODevice::ReadOnly);
    try {
        const QImage picture = decodePicture(&gif, QStringLiteral("h1.gif"));
        if (picture.width() > Frame.width() || picture.height() > Frame.height())
            __builtin_trap();
    } catch (const Failure &) {
        __builtin_trap();
    }
    return 0;
}
