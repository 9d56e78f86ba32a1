#include "sound/wavfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

struct WavProblemText
{
    WavProblem problem;
    const char16_t *message; // for the user, in Japanese
    const char16_t *log;     // for the warning line
};

// "%1" stands for the largest size taken, in megabytes.
constexpr WavProblemText WavProblemTexts[] = {
    {WavProblem::Missing, u"音のファイルが見つからないか、読み込めません。", u"no such file"},
    {WavProblem::Folder, u"音のファイルの場所にフォルダがあります。",
     u"a folder in place of the file"},
    {WavProblem::Empty, u"音のファイルが空です。", u"the file is empty"},
    {WavProblem::TooLarge, u"音のファイルが大きすぎます（%1 MB まで）。",
     u"the file is larger than %1 MB"},
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
};

QString wavText(WavProblem problem, const char16_t *WavProblemText::*text)
{
    for (const WavProblemText &row : WavProblemTexts)
        if (row.problem == problem) {
            const QString line = QString::fromUtf16(row.*text);
            return line.contains(QLatin1String("%1")) ? line.arg(MaximumSoundBytes >> 20) : line;
        }
    return QString();
}

constexpr int RiffHeaderBytes = 12;
constexpr int ChunkHeaderBytes = 8;
constexpr int FormatChunkBytes = 16;
constexpr quint16 PcmFormat = 1;
// Real files have three or four chunks before their sound data.
constexpr int MaximumChunks = 64;

// The sound's bytes per second, from the format chunk.
constexpr int ByteRateOffset = 8;

WavCheck checkChunks(QFile &file)
{
    bool pcm = false;
    qint64 byteRate = 0;
    for (int chunk = 0; chunk < MaximumChunks; ++chunk) {
        const QByteArray header = file.read(ChunkHeaderBytes);
        if (header.size() < ChunkHeaderBytes)
            return {WavProblem::CutShort};
        const QByteArray id = header.left(4);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (id == "data") {
            if (!pcm)
                return {WavProblem::DataBeforeFormat};
            if (file.size() - file.pos() < size)
                return {WavProblem::CutShort};
            return {WavProblem::None, byteRate > 0 ? size * 1000 / byteRate : 0};
        }
        qint64 rest = size + (size & 1);
        if (id == "fmt ") {
            const QByteArray format = file.read(FormatChunkBytes);
            if (size < FormatChunkBytes || format.size() < 2)
                return {WavProblem::FormatIncomplete};
            if (qFromLittleEndian<quint16>(format.constData()) != PcmFormat)
                return {WavProblem::NotPcm};
            if (format.size() < FormatChunkBytes)
                return {WavProblem::CutShort};
            pcm = true;
            byteRate = qFromLittleEndian<quint32>(format.constData() + ByteRateOffset);
            rest -= format.size();
        }
        if (file.skip(rest) != rest)
            return {WavProblem::CutShort};
    }
    return {WavProblem::NoData};
}

} // namespace

WavCheck checkWavSound(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {WavProblem::Missing};
    if (info.isDir())
        return {WavProblem::Folder};
    if (info.size() == 0)
        return {WavProblem::Empty};
    if (info.size() > MaximumSoundBytes)
        return {WavProblem::TooLarge};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {WavProblem::Unreadable};
    const QByteArray riff = file.read(RiffHeaderBytes);
    if (riff.size() < RiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return {WavProblem::NotWave};
    return checkChunks(file);
}

WavProblem checkWavFile(const QString &path)
{
    return checkWavSound(path).problem;
}

QString wavProblemMessage(WavProblem problem)
{
    return wavText(problem, &WavProblemText::message);
}

QString wavProblemLogText(WavProblem problem)
{
    return wavText(problem, &WavProblemText::log);
}
