#include "pack/voicewav.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

constexpr quint16 PcmFormat = 1;
constexpr quint16 BitsPerSample = 16;
constexpr quint16 BytesPerSample = BitsPerSample / 8;
constexpr quint32 FormatChunkBytes = 16;
constexpr quint32 HeaderBytes = 44;

void append16(QByteArray &bytes, quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

void append32(QByteArray &bytes, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

} // namespace

QByteArray encodeMonoWav(const std::vector<float> &mono, int rate)
{
    const quint32 dataBytes = quint32(mono.size() * BytesPerSample);
    QByteArray bytes;
    bytes.reserve(qsizetype(HeaderBytes + dataBytes));
    bytes.append("RIFF");
    append32(bytes, HeaderBytes - 8 + dataBytes);
    bytes.append("WAVEfmt ");
    append32(bytes, FormatChunkBytes);
    append16(bytes, PcmFormat);
    append16(bytes, 1);
    append32(bytes, quint32(rate));
    append32(bytes, quint32(rate) * BytesPerSample);
    append16(bytes, BytesPerSample);
    append16(bytes, BitsPerSample);
    bytes.append("data");
    append32(bytes, dataBytes);
    bytes.resize(qsizetype(HeaderBytes + dataBytes));
    uchar *data = reinterpret_cast<uchar *>(bytes.data()) + HeaderBytes;
    for (float sample : mono) {
        const float scaled = std::clamp(sample, -1.0f, 1.0f) * 32767.0f;
        qToLittleEndian(qint16(std::nearbyint(scaled)), data);
        data += BytesPerSample;
    }
    return bytes;
}
