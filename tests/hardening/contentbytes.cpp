#include "hardening/contentbytes.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringEncoder>

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray codePage932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}

QByteArray utf8WithMark(const QString &text)
{
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QByteArray pngBytes()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

namespace {

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

} // namespace

QByteArray gifClaiming(QSize screen, QSize image)
{
    QByteArray gif("GIF89a");
    appendWord(gif, screen.width());
    appendWord(gif, screen.height());
    gif.append("\x80\x00\x00", 3);             // a global table of two colours
    gif.append("\xFF\x00\x00\xFF\xFF\xFF", 6); // red, white
    gif.append(',');
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, image.width());
    appendWord(gif, image.height());
    gif.append('\0');
    // LZW codes of 3 bits: clear (4), colour 0, end (5), in one sub-block.
    gif.append("\x02\x02\x44\x01\x00", 5);
    gif.append(';');
    return gif;
}

const QString ExplanationLine = QStringLiteral("夏の朝早くにさいて、昼ごろにはしぼみます。");

QByteArray explanationOfSize(qsizetype bytes)
{
    const QByteArray line = codePage932(ExplanationLine + "\r\n");
    return line.repeated(bytes / line.size());
}
