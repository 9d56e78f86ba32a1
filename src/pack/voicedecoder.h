#ifndef VOICEDECODER_H
#define VOICEDECODER_H

#include "pack/voiceprocessor.h"

#include <QString>

class QIODevice;

// A teacher's recording decoded, or why it could not be.
struct DecodedVoice
{
    VoiceClip clip;
    QString problem; // empty when the clip was decoded
};

// Reads the sound of a voice's source file with libsndfile: WAV, FLAC, Ogg
// Vorbis, Opus and MP3. What it takes is bounded before anything is decoded,
// and again while decoding, so a header that lies takes no more time or
// memory than an honest one: a minute of sound, two channels, rates that
// recorders and phones use.
namespace VoiceDecoder {

constexpr qint64 MaximumFileBytes = 64 * 1024 * 1024;
constexpr int MaximumSeconds = 60;
constexpr int MaximumChannels = 2;
constexpr int MinimumRate = 8000;
constexpr int MaximumRate = 96000;

DecodedVoice decode(QIODevice *device);
DecodedVoice decodeFile(const QString &path);

// The suffixes of the formats libsndfile reads, and of the phones' M4A and
// AAC, which are refused with how to convert them.
const QStringList &suffixes();

} // namespace VoiceDecoder

#endif
