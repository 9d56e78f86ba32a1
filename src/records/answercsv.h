#ifndef ANSWERCSV_H
#define ANSWERCSV_H

#include <QByteArray>
#include <QString>

class QIODevice;
class RecordStore;

// The answers as a spreadsheet reads them: UTF-8 with a byte order mark, so
// that spreadsheets in Japan take it for UTF-8, one row per answer after a
// header, fields quoted where they hold a comma, a quote or a line break,
// and rows ended by CR LF.
namespace AnswerCsv {

// The header and every answer of the store to the device; false when a
// write failed. A read that failed leaves the reason in the store's failure().
bool write(RecordStore &store, QIODevice &device);
// The header alone, as a store with no answers gives it.
QByteArray header();

} // namespace AnswerCsv

#endif
