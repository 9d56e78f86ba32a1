#ifndef SOURCEVOICES_H
#define SOURCEVOICES_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Recordings made at test time with sox (and opusenc, as sox writes no
// Opus): a tone between stretches of silence, in any format sox writes.
// Returns whether the file was made.
bool makeRecording(const QString &path, int rate, int channels, const QStringList &effects);
// A tone of 440 Hz at the given level, with silence before and after it.
QStringList toneBetweenSilence(double seconds, double level = 0.3, double silence = 0.5);

// A pack's voice file as it is on disk, read without the pack's code.
struct VoiceFile
{
    int format = 0; // 1 for integer PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<float> samples;

    static VoiceFile parse(const QByteArray &wav);
    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
    // EBU R128 integrated loudness, measured with libebur128.
    double loudness() const;
    double peakDbfs() const;
    // The tone's frequency, counted by its rising zero crossings.
    double frequency() const;
};

#endif
