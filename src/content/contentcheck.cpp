#include "contentcheck.h"
#include "contentpath.h"
#include "datapath.h"
#include "entrynames.h"
#include "explanation.h"
#include "failure.h"
#include "picture.h"
#include "qtsoundplayer.h"
#include "textfile.h"

#include <QFile>
#include <QFontMetrics>
#include <QtEndian>

namespace {

const QStringList FixedPictures = {ContentFile::RightMark, ContentFile::WrongMark,
                                   ContentFile::GoldMedal, ContentFile::SilverMedal,
                                   ContentFile::CopperMedal};

const QStringList Sounds = {ContentFile::ButtonSound, ContentFile::EntrySound,
                            ContentFile::RightSound,  ContentFile::WrongSound,
                            ContentFile::PassSound,   ContentFile::FailSound};

QString problem(const QString &path, const QString &what)
{
    return QStringLiteral("%1: %2").arg(path, what);
}

QString firstLine(const QString &message)
{
    return message.section(QLatin1Char('\n'), 0, 0);
}

// Reads a text file and notes bytes that are neither CP932 nor UTF-8 text.
bool readText(const QString &path, QString *text, QStringList *problems)
{
    try {
        bool valid = true;
        *text = decodeContentText(readContentBytes(path), &valid);
        if (!valid)
            *problems << problem(
                path, QStringLiteral("文字コード（Shift-JIS）として読めないバイトがあります。"));
        return true;
    } catch (const Failure &failure) {
        *problems << problem(path, firstLine(failure.message()));
        return false;
    }
}

void checkNames(const ContentExpectations &expected, QStringList *problems)
{
    const QString path = ContentPath(ContentFile::Names);
    QString text;
    if (!readText(path, &text, problems))
        return;
    try {
        const QStringList names = parseEntryNames(text, path);
        for (int entry = 1; entry <= EntryCount; ++entry)
            if (entry <= expected.names.size() &&
                names.at(entry - 1) != expected.names.at(entry - 1))
                *problems << problem(
                    path, QStringLiteral("%1番目の名前「%2」がクイズの札「%3」と違います。")
                              .arg(entry)
                              .arg(names.at(entry - 1), expected.names.at(entry - 1)));
    } catch (const Failure &failure) {
        *problems << problem(path, firstLine(failure.message()));
    }
}

void checkExplanation(int entry, const ContentExpectations &expected, QStringList *problems)
{
    const QString path = EntryExplanationPath(entry);
    QString text;
    if (!readText(path, &text, problems))
        return;
    const QFontMetrics metrics(expected.listFont);
    const QStringList lines = splitLines(text);
    for (int line = 0; line < lines.size(); ++line) {
        const int width = metrics.horizontalAdvance(lines.at(line));
        if (width > expected.listTextWidth)
            *problems << problem(
                path, QStringLiteral("%1行目が一覧の幅より広すぎます（%2 / %3 ピクセル）。")
                          .arg(line + 1)
                          .arg(width)
                          .arg(expected.listTextWidth));
    }
}

void checkPicture(const QString &path, QSize frame, QStringList *problems)
{
    try {
        const QImage picture = loadPicture(path);
        if (frame.isValid() &&
            (picture.width() > frame.width() || picture.height() > frame.height()))
            *problems << problem(
                path, QStringLiteral("絵（%1 × %2）が図鑑の枠（%3 × %4）に収まりません。")
                          .arg(picture.width())
                          .arg(picture.height())
                          .arg(frame.width())
                          .arg(frame.height()));
    } catch (const Failure &failure) {
        *problems << problem(path, firstLine(failure.message()));
    }
}

// A sound the player can load: a RIFF WAVE file whose format chunk says
// uncompressed PCM of 8 or 16 bits, followed by its data.
QString soundProblem(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("WAVファイルではありません。");
    bool pcm = false;
    for (qsizetype pos = 12; pos + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        if (id == "fmt " && pos + 8 + 16 <= bytes.size()) {
            const quint16 format = qFromLittleEndian<quint16>(bytes.constData() + pos + 8);
            const quint16 bits = qFromLittleEndian<quint16>(bytes.constData() + pos + 22);
            pcm = format == 1 && (bits == 8 || bits == 16);
            if (!pcm)
                return QStringLiteral("8または16ビットのPCM形式ではありません。");
        } else if (id == "data") {
            if (!pcm)
                return QStringLiteral("音の形式を示す部分がありません。");
            if (pos + 8 + qsizetype(size) > bytes.size())
                return QStringLiteral("音のデータが途中で切れています。");
            return QString();
        }
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return QStringLiteral("音のデータがありません。");
}

void checkSound(const QString &path, QStringList *problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problems << problem(path,
                             QStringLiteral("音のファイルが見つからないか、読み込めません。"));
        return;
    }
    if (file.size() > MaximumSoundBytes) {
        *problems << problem(path, QStringLiteral("音のファイルが大きすぎます（%1 MB まで）。")
                                       .arg(MaximumSoundBytes >> 20));
        return;
    }
    const QString what = soundProblem(file.readAll());
    if (!what.isEmpty())
        *problems << problem(path, what);
}

} // namespace

QStringList checkContent(const QString &root, const ContentExpectations &expected)
{
    const QString previousRoot = DataPath;
    DataPath = root;
    QStringList problems;
    checkNames(expected, &problems);
    for (int entry = 1; entry <= EntryCount; ++entry) {
        checkExplanation(entry, expected, &problems);
        checkPicture(EntryPicturePath(entry), expected.pictureFrame, &problems);
    }
    for (const QString &picture : FixedPictures)
        checkPicture(ContentPath(picture), QSize(), &problems);
    for (const QString &sound : Sounds)
        checkSound(ContentPath(sound), &problems);
    DataPath = previousRoot;
    return problems;
}
