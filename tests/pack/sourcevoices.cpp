#include "sourcevoices.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <ebur128.h>

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

bool makeRecording(const QString &path, int rate, int channels, const QStringList &effects)
{
    const bool opus = path.endsWith(QLatin1String(".opus"));
    const QString made = opus ? path + QStringLiteral(".wav") : path;
    // opusenc takes WAV of up to 24 bits.
    const QStringList bits = opus ? QStringList{"-b", "16"} : QStringList();
    if (!run(QStringLiteral("sox"),
             QStringList{"-n", "-r", QString::number(rate), "-c", QString::number(channels)} +
                 bits + QStringList{made} + effects))
        return false;
    if (!opus)
        return true;
    const bool encoded = run(QStringLiteral("opusenc"), {"--quiet", made, path});
    QFile::remove(made);
    return encoded;
}

QStringList toneBetweenSilence(double seconds, double level, double silence)
{
    return {"synth",
            QString::number(seconds),
            "sine",
            "440",
            "vol",
            QString::number(level),
            "pad",
            QString::number(silence),
            QString::number(silence)};
}

VoiceFile VoiceFile::parse(const QByteArray &wav)
{
    VoiceFile file;
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return file;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        const char *body = wav.constData() + at + 8;
        if (id == "fmt " && size >= 16 && at + 24 <= wav.size()) {
            file.format = qFromLittleEndian<quint16>(body);
            file.channels = qFromLittleEndian<quint16>(body + 2);
            file.rate = int(qFromLittleEndian<quint32>(body + 4));
            file.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data" && file.bits == 16) {
            const qsizetype count = std::min(size, wav.size() - at - 8) / 2;
            for (qsizetype i = 0; i < count; ++i)
                file.samples.push_back(qFromLittleEndian<qint16>(body + 2 * i) / 32768.0f);
        }
        at += 8 + size + (size & 1);
    }
    return file;
}

double VoiceFile::loudness() const
{
    ebur128_state *state = ebur128_init(1, unsigned(rate), EBUR128_MODE_I);
    ebur128_add_frames_float(state, samples.data(), samples.size());
    double result = -HUGE_VAL;
    if (samples.size() * 10 >= size_t(rate) * 4)
        ebur128_loudness_global(state, &result);
    else
        ebur128_loudness_window(state, unsigned(samples.size() * 1000 / size_t(rate)), &result);
    ebur128_destroy(&state);
    return result;
}

double VoiceFile::peakDbfs() const
{
    float peak = 0;
    for (float sample : samples)
        peak = std::max(peak, std::abs(sample));
    return 20 * std::log10(peak);
}

double VoiceFile::frequency() const
{
    // The middle half, away from the silence kept at either end.
    const size_t first = samples.size() / 4;
    const size_t last = samples.size() * 3 / 4;
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i)
        crossings += samples[i - 1] < 0 && samples[i] >= 0;
    return last > first ? crossings * double(rate) / double(last - first) : 0;
}
