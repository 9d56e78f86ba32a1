#include "pack/gifwriter.h"

#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

constexpr int ColourResolutionBits = 8;
constexpr int GraphicsControlBytes = 4;

int appendToBuffer(GifFileType *gif, const GifByteType *bytes, int count)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), count);
    return count;
}

// giflib takes colour tables of a power of two entries; the rest stays black.
int colourTableSize(qsizetype colours)
{
    int size = 2;
    while (size < colours)
        size *= 2;
    return size;
}

// A colour table that frees itself; giflib copies what it is given.
std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> colourMap(const QList<QRgb> &palette)
{
    std::vector<GifColorType> colours(colourTableSize(palette.size()), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};
    return {GifMakeMapObject(int(colours.size()), colours.data()), GifFreeMapObject};
}

// The screen, the transparent colour if any, and the one image, row by row.
bool encode(GifFileType *gif, const IndexedPicture &picture)
{
    const auto map = colourMap(picture.palette);
    const int width = picture.size.width();
    const int height = picture.size.height();
    EGifSetGifVersion(gif, picture.transparentIndex >= 0);
    if (!map || EGifPutScreenDesc(gif, width, height, ColourResolutionBits, 0, map.get()) != GIF_OK)
        return false;
    if (picture.transparentIndex >= 0) {
        const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0,
                                           picture.transparentIndex};
        GifByteType extension[GraphicsControlBytes];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
            return false;
    }
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_OK)
        return false;
    auto *row = reinterpret_cast<GifPixelType *>(const_cast<char *>(picture.pixels.data()));
    for (int y = 0; y < height; ++y, row += width)
        if (EGifPutLine(gif, row, width) != GIF_OK)
            return false;
    return true;
}

} // namespace

QByteArray writeGif(const IndexedPicture &picture)
{
    if (picture.size.isEmpty() || picture.palette.isEmpty() ||
        picture.pixels.size() != qsizetype(picture.size.width()) * picture.size.height())
        return {};
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif)
        return {};
    const bool encoded = encode(gif, picture);
    if (EGifCloseFile(gif, &error) != GIF_OK || !encoded)
        return {};
    return bytes;
}
