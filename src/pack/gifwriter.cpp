#include "gifwriter.h"

#include <gif_lib.h>
#include <vector>

namespace {

constexpr int ColourResolutionBits = 8;

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

ColorMapObject *colourMap(const QList<QRgb> &palette)
{
    std::vector<GifColorType> colours(colourTableSize(palette.size()), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};
    return GifMakeMapObject(int(colours.size()), colours.data());
}

bool describe(GifFileType *gif, const IndexedPicture &picture)
{
    gif->SWidth = picture.size.width();
    gif->SHeight = picture.size.height();
    gif->SColorResolution = ColourResolutionBits;
    gif->SBackGroundColor = 0;
    gif->SColorMap = colourMap(picture.palette);
    if (!gif->SColorMap)
        return false;

    SavedImage image{};
    image.ImageDesc = GifImageDesc{0, 0, gif->SWidth, gif->SHeight, false, nullptr};
    image.RasterBits = reinterpret_cast<GifByteType *>(const_cast<char *>(picture.pixels.data()));
    if (!GifMakeSavedImage(gif, &image))
        return false;
    if (picture.transparentIndex < 0)
        return true;
    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, picture.transparentIndex};
    return EGifGCBToSavedExtension(&control, gif, 0) == GIF_OK;
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
    // EGifSpew writes the whole file and closes it; on failure it is closed here.
    if (!describe(gif, picture) || EGifSpew(gif) != GIF_OK) {
        EGifCloseFile(gif, &error);
        return {};
    }
    return bytes;
}
