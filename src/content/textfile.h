#ifndef TEXTFILE_H
#define TEXTFILE_H

#include <QString>

// Reads a whole content text file and closes it. Text is Shift-JIS (code
// page 932) unless it starts with the UTF-8 byte-order mark. A missing or
// unreadable file raises a Failure naming it.
QString readTextFile(const QString &path);

// The bytes of a content text file, with the same checks as readTextFile.
QByteArray readContentBytes(const QString &path);

// Decodes the bytes of a content text file; sets *valid to false when a
// byte sequence has no character.
QString decodeContentText(const QByteArray &bytes, bool *valid = nullptr);

#endif
