// hana-pack on a teacher's 60 recordings of 3 s each, made on the spot with
// sox as a phone or a laptop records them (48 kHz mono WAV, half a second of
// room noise either side of a voice-like sound), packed by the real
// hana-pack, against the same run on a source with no voices, which is
// what every pack run costs. Prints "name value" lines for scripts/bench.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Voices = 60;
constexpr int Rounds = 3;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Pink noise swelling and fading four times a second, like syllables, over
// faint room noise: the limiter and the trimming work as on speech.
bool makeVoice(const QString &path, int entry)
{
    QProcess sox;
    sox.start(QStringLiteral("sox"), {"-n",
                                      "-r",
                                      "48000",
                                      "-c",
                                      "1",
                                      "-b",
                                      "16",
                                      path,
                                      "synth",
                                      "2",
                                      "pinknoise",
                                      "tremolo",
                                      QString::number(3 + entry % 3),
                                      "90",
                                      "vol",
                                      "0.5",
                                      "pad",
                                      "0.5",
                                      "0.5",
                                      "synth",
                                      "3",
                                      "whitenoise",
                                      "mix",
                                      "vol",
                                      "0.3"});
    return sox.waitForFinished(60000) && sox.exitCode() == 0;
}

// Processor seconds of the children that have ended, user and system.
double childProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The run's wall-clock seconds; its processor seconds in cpu.
double packSeconds(const QString &pack, const QString &source, const QString &out, double *cpu)
{
    const double before = childProcessorSeconds();
    QElapsedTimer timer;
    timer.start();
    QProcess packer;
    packer.start(pack, {source, out});
    if (!packer.waitForFinished(600000) || packer.exitCode() != 0)
        return -1;
    const double seconds = timer.nsecsElapsed() / 1e9;
    *cpu = childProcessorSeconds() - before;
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_voices HANA_PACK\n");
        return 2;
    }
    const QString pack = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const QString voices = dir.filePath("source/voices");
    QDir().mkpath(voices);
    QDir().mkpath(dir.filePath("plain/texts"));
    for (int entry = 1; entry <= Voices; ++entry)
        if (!makeVoice(QStringLiteral("%1/%2.wav").arg(voices).arg(entry), entry))
            return 1;

    std::vector<double> withVoices, without, withVoicesCpu, withoutCpu;
    for (int round = 0; round < Rounds; ++round) {
        double cpu = 0;
        without.push_back(packSeconds(pack, dir.filePath("plain"),
                                      dir.filePath(QStringLiteral("p%1").arg(round)), &cpu));
        withoutCpu.push_back(cpu);
        withVoices.push_back(packSeconds(pack, dir.filePath("source"),
                                         dir.filePath(QStringLiteral("v%1").arg(round)), &cpu));
        withVoicesCpu.push_back(cpu);
        if (without.back() < 0 || withVoices.back() < 0)
            return 1;
    }
    const int made = int(QDir(dir.filePath("v0/声")).entryList(QDir::Files).size());
    std::printf("voices_pack_seconds %.3f\nvoices_plain_seconds %.3f\n"
                "voices_pack_cpu_seconds %.3f\nvoices_plain_cpu_seconds %.3f\nvoices_made %d\n",
                median(withVoices), median(without), median(withVoicesCpu), median(withoutCpu),
                made);
    return made == Voices ? 0 : 1;
}
