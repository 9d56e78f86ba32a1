#ifndef ANSWERCSV_H
#define ANSWERCSV_H

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ExportedAnswer;

// The answers as a spreadsheet reads them: UTF-8 with a byte order mark, so
// that spreadsheets in Japan take it for UTF-8, one row per answer after a
// header, fields quoted where they hold a comma, a quote or a line break,
// and rows ended by CR LF.
namespace AnswerCsv {

QByteArray header();
QByteArray row(const ExportedAnswer &answer);
// One field as written. A text that a spreadsheet would take for a formula
// (=, +, -, @ first) is written with an apostrophe before it.
QString field(const QString &text);

} // namespace AnswerCsv

#endif
