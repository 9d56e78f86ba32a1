#ifndef TONE_H
#define TONE_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The bundled sounds' rate, at which the tones are made and recorded.
constexpr int ToneRate = 44100;

// A mono 16-bit PCM WAV file of a sine tone, as the voices of a pack are.
QByteArray toneWav(double frequency, double seconds, int amplitude = 12000);
bool writeToneWav(const QString &path, double frequency, double seconds);

// The amplitude of one frequency in 16-bit mono samples (Goertzel's
// algorithm): about the tone's own amplitude where it sounds throughout.
double toneAmplitude(const qint16 *samples, qsizetype count, double frequency);

// Where a tone first sounds in a recording of 16-bit mono samples at
// ToneRate, to a window of 10 ms: the first sample of the first window in
// which it reaches the amplitude, or -1.
qsizetype toneOnset(const QByteArray &recording, double frequency, double amplitude);

// The first sample louder than the level, or -1.
qsizetype soundOnset(const QByteArray &recording, int level);

#endif
