#include "support/tone.h"

#include <QFile>
#include <QtEndian>
#include <cmath>

namespace {

constexpr qsizetype WindowSamples = ToneRate / 100;

void append16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}

void append32(QByteArray &bytes, quint32 value)
{
    append16(bytes, quint16(value & 0xFFFF));
    append16(bytes, quint16(value >> 16));
}

const qint16 *samplesOf(const QByteArray &recording)
{
    return reinterpret_cast<const qint16 *>(recording.constData());
}

} // namespace

QByteArray toneWav(double frequency, double seconds, int amplitude)
{
    const int samples = int(std::lround(seconds * ToneRate));
    QByteArray wav("RIFF");
    append32(wav, quint32(36 + 2 * samples));
    wav.append("WAVEfmt ");
    append32(wav, 16);
    append16(wav, 1); // PCM
    append16(wav, 1); // mono
    append32(wav, ToneRate);
    append32(wav, ToneRate * 2);
    append16(wav, 2);
    append16(wav, 16);
    wav.append("data");
    append32(wav, quint32(2 * samples));
    for (int i = 0; i < samples; ++i)
        append16(wav, quint16(qint16(amplitude * std::sin(2 * M_PI * frequency * i / ToneRate))));
    return wav;
}

bool writeToneWav(const QString &path, double frequency, double seconds)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(toneWav(frequency, seconds)) > 0 && file.flush();
}

double toneAmplitude(const qint16 *samples, qsizetype count, double frequency)
{
    const double coefficient = 2 * std::cos(2 * M_PI * frequency / ToneRate);
    double previous = 0, beforePrevious = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return count ? 2 * std::sqrt(std::max(0.0, power)) / double(count) : 0;
}

qsizetype toneOnset(const QByteArray &recording, double frequency, double amplitude)
{
    const qsizetype samples = recording.size() / 2;
    for (qsizetype start = 0; start + WindowSamples <= samples; start += WindowSamples / 2)
        if (toneAmplitude(samplesOf(recording) + start, WindowSamples, frequency) >= amplitude)
            return start;
    return -1;
}

qsizetype soundOnset(const QByteArray &recording, int level)
{
    const qsizetype samples = recording.size() / 2;
    for (qsizetype i = 0; i < samples; ++i)
        if (std::abs(int(qFromLittleEndian<qint16>(samplesOf(recording) + i))) > level)
            return i;
    return -1;
}
