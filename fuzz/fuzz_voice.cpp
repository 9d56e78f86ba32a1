#include "pack/voicedecoder.h"
#include "pack/voiceprocessor.h"
#include "sound/wavfile.h"

#include <QBuffer>
#include <QtEndian>
#include <cstddef>
#include <cstdint>

namespace {

constexpr qsizetype HeaderBytes = 44;
// -1 dBFS in 16-bit steps.
constexpr int CeilingSteps = 29205;

// The voice's WAV bytes hold mono 16-bit sound at the pack's rate, no
// longer than the longest voice, its samples under the ceiling.
bool isPackVoice(const QByteArray &wav)
{
    if (wav.size() < HeaderBytes || !wav.startsWith("RIFF") || wav.mid(36, 4) != "data")
        return false;
    const char *header = wav.constData();
    const qsizetype data = qFromLittleEndian<quint32>(header + 40);
    if (qFromLittleEndian<quint16>(header + 22) != 1 ||
        qFromLittleEndian<quint32>(header + 24) != quint32(VoiceProcessor::Rate) ||
        qFromLittleEndian<quint16>(header + 34) != 16 || data != wav.size() - HeaderBytes ||
        data > qsizetype(MaximumVoiceSeconds) * VoiceProcessor::Rate * 2)
        return false;
    for (qsizetype at = HeaderBytes; at + 2 <= wav.size(); at += 2)
        if (std::abs(qFromLittleEndian<qint16>(header + at)) > CeilingSteps)
            return false;
    return true;
}

} // namespace

// A teacher's recording gives either a message or a pack's voice.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const DecodedVoice decoded = VoiceDecoder::decode(&buffer);
    if (!decoded.problem.isEmpty())
        return 0;
    const ProcessedVoice voice = VoiceProcessor::processClip(decoded.clip, QStringLiteral("1.wav"));
    if (!voice.problem && !isPackVoice(voice.wav))
        __builtin_trap();
    return 0;
}
