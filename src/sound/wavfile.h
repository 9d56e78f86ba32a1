#ifndef WAVFILE_H
#define WAVFILE_H

#include <QString>

class QIODevice;

// The largest sound file the player takes, as it holds a whole sound in
// memory. The program's sounds last a second or two; sixteen megabytes is a
// minute and a half of CD sound.
constexpr qint64 MaximumSoundBytes = 16 * 1024 * 1024;

// The longest voice of an entry: a flower's name said once, between the
// chime and the next thing a child does.
constexpr int MaximumVoiceSeconds = 4;

// What keeps a file from being played as a sound: the first problem found
// in its RIFF chunks up to the sound data, which must be uncompressed PCM
// and all there.
enum class WavProblem
{
    None,
    Missing,
    Folder,
    Empty,
    TooLarge,
    Unreadable,
    NotWave,
    NotPcm,
    FormatIncomplete,
    DataBeforeFormat,
    CutShort,
    NoData,
    TooLong,
    Silent,
};

WavProblem checkWavFile(const QString &path);
// A voice of an entry: a sound as checkWavFile takes it that lasts no more
// than the longest voice and is not silent.
WavProblem checkVoiceFile(const QString &path);
// The same walk over the chunks of a WAV file of any size and any sound
// format, such as a teacher's recording: whether its sound data is all there.
// It is read from its start and left where it was.
WavProblem checkWavChunks(QIODevice *device);

// The same check, and for a file without a problem how long its sound lasts,
// from the size of its sound data and the byte rate of its format (0 where
// the format gives no rate).
struct WavCheck
{
    WavProblem problem = WavProblem::None;
    qint64 milliseconds = 0;
};

WavCheck checkWavSound(const QString &path);

// What a problem means, in Japanese for the user of the content checks, and
// in English for the program's warning lines on standard error.
QString wavProblemMessage(WavProblem problem);
QString wavProblemLogText(WavProblem problem);

#endif
