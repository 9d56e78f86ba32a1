#include "content/contenttext.h"
#include "content/contentpack.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char *const CodePage932 = "windows-31j";
const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

// Characters that other systems write where code page 932 has a character
// of the same look at another code point.
const QHash<char32_t, char32_t> LookAlikes = {
    {U'\u301C', U'\uFF5E'}, // wave dash: full-width tilde
    {U'\u2212', U'\uFF0D'}, // minus sign: full-width hyphen-minus
    {U'\u2016', U'\u2225'}, // double vertical line: parallel to
    {U'\u2014', U'\u2015'}, // em dash: horizontal bar
    {U'\u00A2', U'\uFFE0'}, // cent sign
    {U'\u00A3', U'\uFFE1'}, // pound sign
    {U'\u00AC', U'\uFFE2'}, // not sign
    {U'\u00A5', U'\uFFE5'}, // yen sign: full-width yen sign
};

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

// Some converters write a near substitute for a character the code page
// lacks: a character fits only if it comes back the same.
bool fitsCodePage(char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    QStringEncoder encoder(CodePage932);
    const QByteArray bytes = encoder(text);
    QStringDecoder decoder(CodePage932);
    return !encoder.hasError() && QString(decoder(bytes)) == text;
}

QString codePageLookAlike(char32_t character)
{
    const auto found = LookAlikes.constFind(character);
    return found == LookAlikes.constEnd() ? QString() : QString::fromUcs4(&*found, 1);
}

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
