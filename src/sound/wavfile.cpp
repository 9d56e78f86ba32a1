#include "sound/wavfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {

struct WavProblemText
{
    WavProblem problem;
    const char16_t *message; // for the user, in Japanese
    const char16_t *log;     // for the warning line
    qint64 value = 0;        // what "%1" stands for
};

constexpr WavProblemText WavProblemTexts[] = {
    {WavProblem::Missing, u"音のファイルが見つからないか、読み込めません。", u"no such file"},
    {WavProblem::Folder, u"音のファイルの場所にフォルダがあります。",
     u"a folder in place of the file"},
    {WavProblem::Empty, u"音のファイルが空です。", u"the file is empty"},
    {WavProblem::TooLarge, u"音のファイルが大きすぎます（%1 MB まで）。",
     u"the file is larger than %1 MB", MaximumSoundBytes >> 20},
    {WavProblem::Unreadable, u"音のファイルが見つからないか、読み込めません。",
     u"the file cannot be read"},
    {WavProblem::NotWave, u"WAVファイルではありません。", u"not a WAV file"},
    {WavProblem::NotPcm, u"PCM形式の音ではありません。", u"the sound is not PCM"},
    {WavProblem::FormatIncomplete, u"音の形式を示す部分がありません。",
     u"the sound format is incomplete"},
    {WavProblem::DataBeforeFormat, u"音の形式を示す部分がありません。",
     u"no sound format comes before the sound data"},
    {WavProblem::CutShort, u"音のデータが途中で切れています。", u"the file is cut short"},
    {WavProblem::NoData, u"音のデータがありません。", u"no sound data"},
    {WavProblem::TooLong, u"声が長すぎます（%1 秒まで）。", u"the voice is longer than %1 s",
     MaximumVoiceSeconds},
    {WavProblem::Silent, u"声が聞こえません。音がほとんど入っていません。", u"the voice is silent"},
};

QString wavText(WavProblem problem, const char16_t *WavProblemText::*text)
{
    for (const WavProblemText &row : WavProblemTexts)
        if (row.problem == problem) {
            const QString line = QString::fromUtf16(row.*text);
            return line.contains(QLatin1String("%1")) ? line.arg(row.value) : line;
        }
    return QString();
}

constexpr int RiffHeaderBytes = 12;
constexpr int ChunkHeaderBytes = 8;
constexpr int FormatChunkBytes = 16;
constexpr quint16 PcmFormat = 1;
// Real files have three or four chunks before their sound data.
constexpr int MaximumChunks = 64;

// What the format chunk says of the sound, and how much data follows it.
struct WavSound
{
    quint16 channels = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
    qint64 dataBytes = 0;
};

// The chunks up to the sound data, where the file is left; with anyFormat,
// sound that is not integer PCM (floating point, compressed) is taken too.
WavProblem chunkProblem(QIODevice &file, bool anyFormat, WavSound *sound)
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
            sound->dataBytes = size;
            return file.size() - file.pos() < size ? WavProblem::CutShort : WavProblem::None;
        }
        qint64 rest = size + (size & 1);
        if (id == "fmt ") {
            const QByteArray format = file.read(FormatChunkBytes);
            if (size < FormatChunkBytes || format.size() < 2)
                return WavProblem::FormatIncomplete;
            if (!anyFormat && qFromLittleEndian<quint16>(format.constData()) != PcmFormat)
                return WavProblem::NotPcm;
            if (format.size() < FormatChunkBytes)
                return WavProblem::CutShort;
            sound->channels = qFromLittleEndian<quint16>(format.constData() + 2);
            sound->byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
            sound->blockAlign = qFromLittleEndian<quint16>(format.constData() + 12);
            sound->bits = qFromLittleEndian<quint16>(format.constData() + 14);
            pcm = true;
            rest -= format.size();
        }
        if (file.skip(rest) != rest)
            return WavProblem::CutShort;
    }
    return WavProblem::NoData;
}

WavProblem riffProblem(QIODevice &file, bool anyFormat, WavSound *sound)
{
    const QByteArray riff = file.read(RiffHeaderBytes);
    if (riff.size() < RiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return WavProblem::NotWave;
    return chunkProblem(file, anyFormat, sound);
}

// A sample whose top 16 bits stay under this is silence: -60 dBFS.
constexpr int SilentPeak = 33;
constexpr qint64 ReadBytes = 64 * 1024;

// Whether the PCM data from the file's position on stays under the silent
// peak; each sample is judged by its top 16 bits, 8-bit ones by their offset.
bool isSilent(QIODevice &file, const WavSound &sound)
{
    const int sampleBytes = sound.channels ? sound.blockAlign / sound.channels : 0;
    if (sampleBytes < 1)
        return false;
    const qint64 chunk = ReadBytes - ReadBytes % sampleBytes;
    for (qint64 left = sound.dataBytes; left > 0;) {
        const QByteArray data = file.read(std::min(left, chunk));
        if (data.isEmpty())
            break;
        left -= data.size();
        const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
        for (qsizetype at = 0; at + sampleBytes <= data.size(); at += sampleBytes) {
            const int value =
                sampleBytes == 1
                    ? (bytes[at] - 128) * 256
                    : qint16(bytes[at + sampleBytes - 2] | bytes[at + sampleBytes - 1] << 8);
            if (std::abs(value) >= SilentPeak)
                return false;
        }
    }
    return true;
}

// Opens the file as a sound the player takes and reads its chunks up to the
// sound data, where the file is left.
WavProblem openSound(const QString &path, QFile &file, WavSound &sound)
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
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return WavProblem::Unreadable;
    return riffProblem(file, false, &sound);
}

} // namespace

WavCheck checkWavSound(const QString &path)
{
    QFile file;
    WavSound sound;
    if (const WavProblem found = openSound(path, file, sound); found != WavProblem::None)
        return {found};
    return {WavProblem::None, sound.byteRate > 0 ? sound.dataBytes * 1000 / sound.byteRate : 0};
}

WavProblem checkWavFile(const QString &path)
{
    return checkWavSound(path).problem;
}

WavProblem checkVoiceFile(const QString &path)
{
    QFile file;
    WavSound sound;
    if (const WavProblem found = openSound(path, file, sound); found != WavProblem::None)
        return found;
    if (sound.dataBytes > qint64(MaximumVoiceSeconds) * sound.byteRate)
        return WavProblem::TooLong;
    return isSilent(file, sound) ? WavProblem::Silent : WavProblem::None;
}

WavProblem checkWavChunks(QIODevice *device)
{
    const qint64 start = device->pos();
    if (!device->seek(0))
        return WavProblem::Unreadable;
    WavSound sound;
    const WavProblem found = riffProblem(*device, true, &sound);
    device->seek(start);
    return found;
}

QString wavProblemMessage(WavProblem problem)
{
    return wavText(problem, &WavProblemText::message);
}

QString wavProblemLogText(WavProblem problem)
{
    return wavText(problem, &WavProblemText::log);
}
