#ifndef VOICEPROCESSOR_H
#define VOICEPROCESSOR_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// Sound as it was recorded or decoded: interleaved samples from -1 to 1.
struct VoiceClip
{
    std::vector<float> samples;
    int rate = 0;
    int channels = 0;
};

// A voice in the pack's form, or why a source could not become one. The
// problem names the file as the teacher named it.
struct ProcessedVoice
{
    QByteArray wav; // mono 16-bit PCM at the bundled sounds' rate
    std::optional<ContentProblem> problem;
};

// Turns a teacher's recording into a pack's voice: mono at the bundled
// sounds' rate, silence trimmed to 50 ms on either side, levelled to the
// bundled sounds' loudness with the peak at -1 dBFS or lower, and no longer
// than the longest voice allowed. hana-pack and the editor both use it.
namespace VoiceProcessor {

// All the bundled sounds of data/音 are 44.1 kHz mono 16-bit.
constexpr int Rate = 44100;

// A file in one of the formats a source's voices may have.
ProcessedVoice processFile(const QString &path);
// Sound recorded by the editor; file names the take in messages.
ProcessedVoice processClip(const VoiceClip &clip, const QString &file);
// The file name suffixes of the formats processFile reads.
const QStringList &suffixes();

} // namespace VoiceProcessor

#endif
