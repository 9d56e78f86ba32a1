#ifndef CONTENTTEXT_H
#define CONTENTTEXT_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of a text file, or the problem that keeps them from being read:
// missing, a folder, larger than a content text may be, or unreadable.
struct TextBytes
{
    QByteArray bytes;
    std::optional<ContentProblem> problem;
};
TextBytes readTextBytes(const QString &path);

// Reads a whole content text file and closes it. Text is Shift-JIS (code
// page 932) unless it starts with the UTF-8 byte-order mark. A missing or
// unreadable file raises a Failure naming it.
QString readTextFile(const QString &path);
// The bytes of a content text file, with the same checks as readTextFile.
QByteArray readContentBytes(const QString &path);

// Decodes the bytes of a content text file; sets *valid to false when a
// byte sequence has no character.
QString decodeContentText(const QByteArray &bytes, bool *valid = nullptr);

// The lines as a content text file holds them: code page 932, each line
// ended by CR LF.
QByteArray encodeContentLines(const QStringList &lines);

// Whether code page 932 holds a character and gives it back unchanged.
bool fitsCodePage(char32_t character);
// A character that code page 932 lacks, and the one of the same look that
// it holds, as other systems write one for the other; empty if none.
QString codePageLookAlike(char32_t character);

// A teacher's UTF-8 text: the bytes after a byte-order mark, and the number
// of the first line that is not UTF-8 (0 when all are).
QByteArray withoutByteOrderMark(const QByteArray &bytes);
int firstLineNotUtf8(const QByteArray &bytes);

#endif
