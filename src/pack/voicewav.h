#ifndef VOICEWAV_H
#define VOICEWAV_H

#include <QByteArray>
#include <vector>

// The bytes of a WAV file of mono 16-bit PCM, the form every sound of a
// pack has: a RIFF header, a format chunk and the data, samples from -1 to 1
// rounded to the nearest step.
QByteArray encodeMonoWav(const std::vector<float> &mono, int rate);

#endif
