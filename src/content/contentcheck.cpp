#include "content/contentcheck.h"
#include "content/contentpath.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "content/textfile.h"
#include "platform/failure.h"
#include "platform/picture.h"
#include "sound/wavfile.h"

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

void checkNames(const QString &root, const ContentExpectations &expected, QStringList *problems)
{
    const QString path = ContentPath(root, ContentFile::Names);
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

void checkExplanation(const QString &root, int entry, const ContentExpectations &expected,
                      QStringList *problems)
{
    const QString path = EntryExplanationPath(root, entry);
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

QString describe(WavProblem problem)
{
    switch (problem) {
    case WavProblem::None:
        break;
    case WavProblem::Missing:
    case WavProblem::Unreadable:
        return QStringLiteral("音のファイルが見つからないか、読み込めません。");
    case WavProblem::Folder:
        return QStringLiteral("音のファイルの場所にフォルダがあります。");
    case WavProblem::Empty:
        return QStringLiteral("音のファイルが空です。");
    case WavProblem::TooLarge:
        return QStringLiteral("音のファイルが大きすぎます（%1 MB まで）。")
            .arg(MaximumSoundBytes >> 20);
    case WavProblem::NotWave:
        return QStringLiteral("WAVファイルではありません。");
    case WavProblem::NotPcm:
        return QStringLiteral("PCM形式の音ではありません。");
    case WavProblem::FormatIncomplete:
    case WavProblem::DataBeforeFormat:
        return QStringLiteral("音の形式を示す部分がありません。");
    case WavProblem::CutShort:
        return QStringLiteral("音のデータが途中で切れています。");
    case WavProblem::NoData:
        return QStringLiteral("音のデータがありません。");
    }
    return QString();
}

void checkSound(const QString &path, QStringList *problems)
{
    const WavProblem found = checkWavFile(path);
    if (found != WavProblem::None)
        *problems << problem(path, describe(found));
}

} // namespace

QStringList checkContent(const QString &root, const ContentExpectations &expected)
{
    QStringList problems;
    checkNames(root, expected, &problems);
    for (int entry = 1; entry <= EntryCount; ++entry) {
        checkExplanation(root, entry, expected, &problems);
        checkPicture(EntryPicturePath(root, entry), expected.pictureFrame, &problems);
    }
    for (const QString &picture : FixedPictures)
        checkPicture(ContentPath(root, picture), QSize(), &problems);
    for (const QString &sound : Sounds)
        checkSound(ContentPath(root, sound), &problems);
    return problems;
}
