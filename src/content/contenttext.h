#ifndef CONTENTTEXT_H
#define CONTENTTEXT_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The name Qt's converters know code page 932 by.
inline constexpr char CodePage932[] = "windows-31j";

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

// A teacher's UTF-8 text as read: its lines without their ends (LF, CR LF or
// CR), or what keeps it from being used. The bytes are those after a
// byte-order mark, kept for a caller that tries another encoding.
struct Utf8Text
{
    QStringList lines;
    QByteArray bytes;
    // The file is missing, a folder, too large or unreadable (line 0), or
    // the first line that is not UTF-8; then lines is empty.
    std::optional<ContentProblem> problem;
};
Utf8Text readUtf8Text(const QString &path);
// The same for bytes read already; path names the file in a problem.
Utf8Text decodeUtf8Text(const QByteArray &bytes, const QString &path);

#endif
