#include "textfile.h"
#include "failure.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Content files are a few kilobytes; a larger one is not a content file.
constexpr qint64 MaximumTextBytes = 16 * 1024 * 1024;

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

} // namespace

QString decodeContentText(const QByteArray &bytes, bool *valid)
{
    const bool utf8 = bytes.startsWith(Utf8ByteOrderMark);
    QStringDecoder decoder(utf8 ? "UTF-8" : "windows-31j");
    const QString text = decoder(utf8 ? bytes.mid(Utf8ByteOrderMark.size()) : bytes);
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
        throw Failure::forFile(path, QStringLiteral("ファイルが大きすぎます。"));
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
