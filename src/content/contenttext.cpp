#include "content/contenttext.h"
#include "content/contentpack.h"
#include "content/explanation.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

QByteArray withoutByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(Utf8ByteOrderMark) ? bytes.mid(Utf8ByteOrderMark.size()) : bytes;
}

int firstLineNotUtf8(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(lines.at(i));
        if (decoder.hasError())
            return i + 1;
    }
    return 0;
}

} // namespace

TextBytes readTextBytes(const QString &path)
{
    const auto problem = [&path](const QString &what) {
        return TextBytes{{}, ContentProblem{path, 0, what}};
    };
    const QFileInfo info(path);
    if (!info.exists())
        return problem(ContentMessage::fileMissing());
    if (info.isDir())
        return problem(ContentMessage::folderInPlaceOfFile());
    if (info.size() > ContentPack::MaximumTextBytes)
        return problem(ContentMessage::fileTooLarge(ContentPack::MaximumTextBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(ContentMessage::cannotRead(file.errorString()));
    return TextBytes{file.read(ContentPack::MaximumTextBytes + 1), std::nullopt};
}

QByteArray readContentBytes(const QString &path)
{
    TextBytes read = readTextBytes(path);
    if (read.problem)
        raise(*read.problem);
    return read.bytes;
}

QString readTextFile(const QString &path)
{
    return decodeContentText(readContentBytes(path));
}

// A NUL byte after the text ends a character cut off at the end of the file,
// which is then invalid rather than held back for bytes that never come.
// Code page 932 gives bytes that are no character as U+001A; they become the
// replacement mark, so that the user sees something is missing.
QString decodeContentText(const QByteArray &bytes, bool *valid)
{
    const bool utf8 = bytes.startsWith(Utf8ByteOrderMark);
    QStringDecoder decoder(utf8 ? "UTF-8" : CodePage932);
    QString text = decoder((utf8 ? withoutByteOrderMark(bytes) : bytes) + '\0');
    text.chop(1);
    if (decoder.hasError() && !utf8)
        text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

QByteArray encodeContentLines(const QStringList &lines)
{
    QStringEncoder encoder(CodePage932);
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder(line) + "\r\n";
    return bytes;
}

Utf8Text readUtf8Text(const QString &path)
{
    const TextBytes read = readTextBytes(path);
    if (read.problem)
        return Utf8Text{{}, {}, read.problem};
    return decodeUtf8Text(read.bytes, path);
}

Utf8Text decodeUtf8Text(const QByteArray &bytes, const QString &path)
{
    Utf8Text text;
    text.bytes = withoutByteOrderMark(bytes);
    if (text.bytes.size() > ContentPack::MaximumTextBytes)
        text.problem =
            ContentProblem{path, 0, ContentMessage::fileTooLarge(ContentPack::MaximumTextBytes)};
    else if (const int line = firstLineNotUtf8(text.bytes))
        text.problem = ContentProblem{path, line, ContentMessage::notUtf8()};
    else
        text.lines = splitLines(QString::fromUtf8(text.bytes));
    return text;
}
