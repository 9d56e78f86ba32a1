#include "qtsoundplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QtEndian>
#include <cstdio>

namespace {

constexpr int RiffHeaderBytes = 12;
constexpr int ChunkHeaderBytes = 8;
constexpr int FormatChunkBytes = 16;
constexpr quint16 PcmFormat = 1;
// Real files have three or four chunks before their sound data.
constexpr int MaximumChunks = 64;

// Why a WAV file cannot be played: the chunks of a RIFF WAVE file up to its
// sound data, which must be uncompressed PCM and all there. The player
// itself says nothing of a file cut short: it waits for the missing data
// and stays silent.
QString chunkProblem(QFile &file)
{
    bool pcm = false;
    for (int chunk = 0; chunk < MaximumChunks; ++chunk) {
        const QByteArray header = file.read(ChunkHeaderBytes);
        if (header.size() < ChunkHeaderBytes)
            return QStringLiteral("the file is cut short");
        const QByteArray id = header.left(4);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (id == "data") {
            if (!pcm)
                return QStringLiteral("no sound format comes before the sound data");
            return file.size() - file.pos() < size ? QStringLiteral("the file is cut short")
                                                   : QString();
        }
        qint64 rest = size + (size & 1);
        if (id == "fmt ") {
            const QByteArray format = file.read(2);
            if (size < FormatChunkBytes || format.size() < 2)
                return QStringLiteral("the sound format is incomplete");
            const quint16 tag = qFromLittleEndian<quint16>(format.constData());
            if (tag != PcmFormat)
                return QStringLiteral("the sound is not PCM (format %1)").arg(tag);
            pcm = true;
            rest -= format.size();
        }
        if (file.skip(rest) != rest)
            return QStringLiteral("the file is cut short");
    }
    return QStringLiteral("no sound data among the first %1 chunks").arg(MaximumChunks);
}

QString wavProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("a folder in place of the file");
    if (info.size() == 0)
        return QStringLiteral("the file is empty");
    if (info.size() > MaximumSoundBytes)
        return QStringLiteral("the file is larger than %1 MB").arg(MaximumSoundBytes >> 20);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray riff = file.read(RiffHeaderBytes);
    if (riff.size() < RiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return QStringLiteral("not a WAV file");
    return chunkProblem(file);
}

// One line for each file that cannot be played, however often it is asked
// for: a quiz would otherwise repeat it at every answer.
void warnOnce(const QString &path, const QString &problem)
{
    static QSet<QString> warned;
    if (warned.contains(path))
        return;
    warned.insert(path);
    std::fprintf(stderr, "hana: warning: cannot play sound %s: %s\n", qPrintable(path),
                 qPrintable(problem));
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    QObject::connect(&m_effect, &QSoundEffect::statusChanged, &m_effect,
                     [this] { warnIfUnplayable(); });
}

// A file that cannot be played is never handed to the player: it stays
// silent, and the warning is ours alone.
void QtSoundPlayer::SetFile(const QString &path)
{
    m_effect.stop();
    if (path != m_path) {
        m_path = path;
        const QString problem = wavProblem(path);
        if (!problem.isEmpty())
            warnOnce(path, problem);
        m_effect.setSource(problem.isEmpty() ? QUrl::fromLocalFile(path) : QUrl());
    }
    m_effect.play();
}

void QtSoundPlayer::Play()
{
    m_effect.stop();
    m_effect.play();
}

void QtSoundPlayer::Stop()
{
    m_effect.stop();
}

// The original control's property of this number changes nothing that the
// program relies on, so it is accepted and ignored.
void QtSoundPlayer::SetProperty1030(int32_t) {}

void QtSoundPlayer::warnIfUnplayable()
{
    if (m_effect.status() == QSoundEffect::Error)
        warnOnce(m_path, QStringLiteral("the player cannot decode it"));
}

std::unique_ptr<SoundPlayer> QtSoundFactory::create(const QString &)
{
    return std::make_unique<QtSoundPlayer>();
}
