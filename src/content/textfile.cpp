#include "content/textfile.h"
#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Content texts are a few hundred bytes. The limit leaves ample room and
// still keeps the picture book from freezing: half a megabyte of text shows
// in well under a second, ten megabytes took ten seconds and more.
constexpr qint64 MaximumTextBytes = 512 * 1024;

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

} // namespace

// A NUL byte after the text ends a character cut off at the end of the file,
// which is then invalid rather than held back for bytes that never come.
// Code page 932 gives bytes that are no character as U+001A; they become the
// replacement mark, so that the user sees something is missing.
QString decodeContentText(const QByteArray &bytes, bool *valid)
{
    const bool utf8 = bytes.startsWith(Utf8ByteOrderMark);
    QStringDecoder decoder(utf8 ? "UTF-8" : "windows-31j");
    QString text = decoder((utf8 ? bytes.mid(Utf8ByteOrderMark.size()) : bytes) + '\0');
    text.chop(1);
    if (decoder.hasError() && !utf8)
        text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

QByteArray readContentBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure::forFile(path, QStringLiteral("ファイルが見つかりません。"));
    if (info.isDir())
        throw Failure::forFile(path, QStringLiteral("ファイルの場所にフォルダがあります。"));
    if (info.size() > MaximumTextBytes)
        throw Failure::forFile(
            path,
            QStringLiteral("ファイルが大きすぎます（%1 KB まで）。").arg(MaximumTextBytes / 1024));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::forFile(
            path, QStringLiteral("ファイルを読み込めません（%1）。").arg(file.errorString()));
    const QByteArray bytes = file.read(MaximumTextBytes + 1);
    file.close();
    return bytes;
}

QString readTextFile(const QString &path)
{
    return decodeContentText(readContentBytes(path));
}
