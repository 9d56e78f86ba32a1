#include "plaingif.h"

namespace {

constexpr int ClearCode = 4;
constexpr int EndCode = 5;
constexpr int CodeBits = 3;
constexpr int MaxSubBlock = 255;

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

// Every pixel is written as a literal code, with a clear code before each
// pair, so that the code table never grows past 3-bit codes.
QByteArray pixelCodes(int pixels)
{
    QByteArray packed;
    quint32 bits = 0;
    int held = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << held;
        for (held += CodeBits; held >= 8; held -= 8, bits >>= 8)
            packed.append(char(bits & 0xFF));
    };
    for (int pixel = 0; pixel < pixels; ++pixel) {
        if (pixel % 2 == 0)
            put(ClearCode);
        put(0);
    }
    put(EndCode);
    if (held > 0)
        packed.append(char(bits & 0xFF));
    return packed;
}

} // namespace

QByteArray plainGif(int width, int height)
{
    QByteArray gif("GIF89a");
    appendWord(gif, width);
    appendWord(gif, height);
    gif.append("\x80\x00\x00", 3);             // a global table of two colours
    gif.append("\xE0\x40\x80\xFF\xFF\xFF", 6); // pink, white
    gif.append(',');
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, width);
    appendWord(gif, height);
    gif.append('\0');
    gif.append('\x02'); // the smallest LZW code size
    const QByteArray codes = pixelCodes(width * height);
    for (qsizetype at = 0; at < codes.size(); at += MaxSubBlock) {
        const QByteArray block = codes.mid(at, MaxSubBlock);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}
