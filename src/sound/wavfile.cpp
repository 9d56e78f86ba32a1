#include "sound/wavfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr int RiffHeaderBytes = 12;
constexpr int ChunkHeaderBytes = 8;
constexpr int FormatChunkBytes = 16;
constexpr quint16 PcmFormat = 1;
// Real files have three or four chunks before their sound data.
constexpr int MaximumChunks = 64;

WavProblem chunkProblem(QFile &file)
{
    bool pcm = false;
    for (int chunk = 0; chunk < MaximumChunks; ++chunk) {
        const QByteArray header = file.read(ChunkHeaderBytes);
        if (header.size() < ChunkHeaderBytes)
            return WavProblem::CutShort;
        const QByteArray id = header.left(4);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (id == "data") {
            if (!pcm)
                return WavProblem::DataBeforeFormat;
            return file.size() - file.pos() < size ? WavProblem::CutShort : WavProblem::None;
        }
        qint64 rest = size + (size & 1);
        if (id == "fmt ") {
            const QByteArray format = file.read(2);
            if (size < FormatChunkBytes || format.size() < 2)
                return WavProblem::FormatIncomplete;
            if (qFromLittleEndian<quint16>(format.constData()) != PcmFormat)
                return WavProblem::NotPcm;
            pcm = true;
            rest -= format.size();
        }
        if (file.skip(rest) != rest)
            return WavProblem::CutShort;
    }
    return WavProblem::NoData;
}

} // namespace

WavProblem checkWavFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return WavProblem::Missing;
    if (info.isDir())
        return WavProblem::Folder;
    if (info.size() == 0)
        return WavProblem::Empty;
    if (info.size() > MaximumSoundBytes)
        return WavProblem::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WavProblem::Unreadable;
    const QByteArray riff = file.read(RiffHeaderBytes);
    if (riff.size() < RiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return WavProblem::NotWave;
    return chunkProblem(file);
}
