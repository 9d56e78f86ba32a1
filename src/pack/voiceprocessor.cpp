#include "pack/voiceprocessor.h"
#include "pack/voicedecoder.h"
#include "pack/voiceloudness.h"
#include "pack/voicetrim.h"
#include "pack/voicewav.h"
#include "sound/wavfile.h"

#include <soxr.h>

namespace {

ProcessedVoice refused(const QString &file, const QString &what)
{
    return {QByteArray(), ContentProblem{file, 0, what}};
}

std::vector<float> mixedToMono(const VoiceClip &clip)
{
    if (clip.channels == 1)
        return clip.samples;
    const size_t frames = clip.samples.size() / size_t(clip.channels);
    std::vector<float> mono(frames);
    for (size_t frame = 0; frame < frames; ++frame) {
        float sum = 0;
        for (int channel = 0; channel < clip.channels; ++channel)
            sum += clip.samples[frame * size_t(clip.channels) + size_t(channel)];
        mono[frame] = sum / float(clip.channels);
    }
    return mono;
}

// libsoxr's high quality: flat to 20 kHz, images under -100 dB.
std::vector<float> resampled(const std::vector<float> &mono, int rate)
{
    if (rate == VoiceProcessor::Rate)
        return mono;
    const double ratio = double(VoiceProcessor::Rate) / rate;
    std::vector<float> out(size_t(double(mono.size()) * ratio) + 1);
    size_t written = 0;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    if (soxr_oneshot(rate, VoiceProcessor::Rate, 1, mono.data(), mono.size(), nullptr, out.data(),
                     out.size(), &written, nullptr, &quality, nullptr))
        return {};
    out.resize(written);
    return out;
}

QString clipProblem(const VoiceClip &clip)
{
    if (clip.channels < 1 || clip.channels > VoiceDecoder::MaximumChannels)
        return ContentMessage::voiceChannels(clip.channels, VoiceDecoder::MaximumChannels);
    if (clip.rate < VoiceDecoder::MinimumRate || clip.rate > VoiceDecoder::MaximumRate)
        return ContentMessage::voiceRate(clip.rate, VoiceDecoder::MinimumRate,
                                         VoiceDecoder::MaximumRate);
    if (clip.samples.size() < size_t(clip.channels))
        return ContentMessage::voiceEmpty();
    if (clip.samples.size() / size_t(clip.channels) / size_t(clip.rate) >=
        size_t(VoiceDecoder::MaximumSeconds))
        return ContentMessage::voiceSourceTooLong(VoiceDecoder::MaximumSeconds);
    return QString();
}

} // namespace

namespace VoiceProcessor {

ProcessedVoice processFile(const QString &path)
{
    const DecodedVoice decoded = VoiceDecoder::decodeFile(path);
    if (!decoded.problem.isEmpty())
        return refused(path, decoded.problem);
    return processClip(decoded.clip, path);
}

ProcessedVoice processClip(const VoiceClip &clip, const QString &file)
{
    if (const QString problem = clipProblem(clip); !problem.isEmpty())
        return refused(file, problem);
    const std::vector<float> mono = resampled(mixedToMono(clip), clip.rate);
    const VoiceTrim::Span span = VoiceTrim::soundSpan(mono, Rate);
    if (span.end == span.start)
        return refused(file, ContentMessage::voiceSilent());
    const size_t length = span.end - span.start;
    if (length > size_t(MaximumVoiceSeconds) * Rate)
        return refused(file,
                       ContentMessage::voiceTooLong(double(length) / Rate, MaximumVoiceSeconds));
    std::vector<float> voice(mono.begin() + qsizetype(span.start),
                             mono.begin() + qsizetype(span.end));
    VoiceLoudness::level(voice, Rate);
    return {encodeMonoWav(voice, Rate), std::nullopt};
}

const QStringList &suffixes()
{
    return VoiceDecoder::suffixes();
}

} // namespace VoiceProcessor
