#include "pack/voicedecoder.h"
#include "content/contentproblem.h"
#include "sound/wavfile.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace {

constexpr sf_count_t ChunkFrames = 4096;

sf_count_t deviceLength(void *device)
{
    return static_cast<QIODevice *>(device)->size();
}

sf_count_t deviceSeek(sf_count_t offset, int whence, void *user)
{
    auto *device = static_cast<QIODevice *>(user);
    const qint64 base = whence == SEEK_CUR   ? device->pos()
                        : whence == SEEK_END ? device->size()
                                             : 0;
    if (base + offset < 0 || !device->seek(base + offset))
        return -1;
    return device->pos();
}

sf_count_t deviceRead(void *data, sf_count_t bytes, void *device)
{
    return std::max<qint64>(
        0, static_cast<QIODevice *>(device)->read(static_cast<char *>(data), bytes));
}

sf_count_t deviceTell(void *device)
{
    return static_cast<QIODevice *>(device)->pos();
}

SF_VIRTUAL_IO deviceIo{deviceLength, deviceSeek, deviceRead, nullptr, deviceTell};

// The AAC recordings of phones, which libsndfile does not read: taken as a
// voice's file so that the teacher learns how to convert it.
const QStringList &phoneSuffixes()
{
    static const QStringList list{QStringLiteral("m4a"), QStringLiteral("aac")};
    return list;
}

DecodedVoice refused(const QString &problem)
{
    return {VoiceClip(), problem};
}

bool isRiff(int format)
{
    const int major = format & SF_FORMAT_TYPEMASK;
    return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX;
}

// What the header says, before a sample is decoded.
QString headerProblem(const SF_INFO &info)
{
    if (info.channels < 1 || info.channels > VoiceDecoder::MaximumChannels)
        return ContentMessage::voiceChannels(info.channels, VoiceDecoder::MaximumChannels);
    if (info.samplerate < VoiceDecoder::MinimumRate || info.samplerate > VoiceDecoder::MaximumRate)
        return ContentMessage::voiceRate(info.samplerate, VoiceDecoder::MinimumRate,
                                         VoiceDecoder::MaximumRate);
    if (info.frames == 0)
        return ContentMessage::voiceEmpty();
    if (info.frames / info.samplerate >= VoiceDecoder::MaximumSeconds)
        return ContentMessage::voiceSourceTooLong(VoiceDecoder::MaximumSeconds);
    return QString();
}

// Decodes at most a frame more than the longest source taken, so that a
// file whose header understates its length is caught too.
QString readSamples(SNDFILE *file, const SF_INFO &info, VoiceClip *clip)
{
    const sf_count_t limit = sf_count_t(VoiceDecoder::MaximumSeconds) * info.samplerate;
    std::vector<float> &samples = clip->samples;
    sf_count_t frames = 0;
    while (frames <= limit) {
        samples.resize(size_t(frames + ChunkFrames) * size_t(info.channels));
        const sf_count_t read =
            sf_readf_float(file, samples.data() + frames * info.channels, ChunkFrames);
        if (read <= 0)
            break;
        frames += read;
    }
    samples.resize(size_t(frames) * size_t(info.channels));
    if (frames > limit)
        return ContentMessage::voiceSourceTooLong(VoiceDecoder::MaximumSeconds);
    // A decoder that stops before the length its header gives has met the
    // end of the file, with or without an error; MP3 gives only an estimate.
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG && frames < info.frames)
        return ContentMessage::voiceCutShort();
    if (sf_error(file) != SF_ERR_NO_ERROR)
        return ContentMessage::voiceCorrupt(QString::fromUtf8(sf_strerror(file)));
    if (frames == 0)
        return ContentMessage::voiceEmpty();
    // Floating-point files may hold anything; the rest of the way takes -1 to 1.
    for (float &sample : samples)
        sample = std::isfinite(sample) ? std::clamp(sample, -1.0f, 1.0f) : 0.0f;
    return QString();
}

} // namespace

namespace VoiceDecoder {

DecodedVoice decode(QIODevice *device)
{
    SF_INFO info{};
    SNDFILE *file = sf_open_virtual(&deviceIo, SFM_READ, &info, device);
    if (!file)
        return refused(ContentMessage::notAVoice());
    const auto closer = qScopeGuard([file] { sf_close(file); });
    if (QString problem = headerProblem(info); !problem.isEmpty())
        return refused(problem);
    if (isRiff(info.format) && checkWavChunks(device) == WavProblem::CutShort)
        return refused(ContentMessage::voiceCutShort());
    DecodedVoice decoded;
    decoded.clip.rate = info.samplerate;
    decoded.clip.channels = info.channels;
    decoded.problem = readSamples(file, info, &decoded.clip);
    if (!decoded.problem.isEmpty())
        decoded.clip = VoiceClip();
    return decoded;
}

DecodedVoice decodeFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return refused(ContentMessage::folderInPlaceOfFile());
    if (info.size() == 0 && info.exists())
        return refused(ContentMessage::voiceEmpty());
    if (info.size() > MaximumFileBytes)
        return refused(ContentMessage::fileTooLarge(MaximumFileBytes));
    if (phoneSuffixes().contains(info.suffix().toLower()))
        return refused(ContentMessage::voiceNeedsConverting(info.suffix().toUpper()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(ContentMessage::cannotRead(file.errorString()));
    return decode(&file);
}

const QStringList &suffixes()
{
    static const QStringList list =
        QStringList{QStringLiteral("wav"), QStringLiteral("flac"), QStringLiteral("ogg"),
                    QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("mp3")} +
        phoneSuffixes();
    return list;
}

} // namespace VoiceDecoder
