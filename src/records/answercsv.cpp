#include "records/answercsv.h"
#include "content/contentpack.h"
#include "records/recordstore.h"

#include <QIODevice>

namespace AnswerCsv {

namespace {

const QStringList Columns{
    QStringLiteral("learner"), QStringLiteral("entry"),   QStringLiteral("name"),
    QStringLiteral("answer"),  QStringLiteral("correct"), QStringLiteral("answered_at"),
    QStringLiteral("game"),    QStringLiteral("kind"),    QStringLiteral("pack"),
};

QString boardName(int entry)
{
    return entry >= 1 && entry <= ContentPack::EntryCount
               ? ContentPack::BoardNames[entry - 1].toString()
               : QString();
}

// One field as written. A text that a spreadsheet would take for a formula
// (=, +, -, @ first) is written with an apostrophe before it.
QString field(const QString &text)
{
    static const QString FormulaStarts = QStringLiteral("=+-@\t\r");
    QString value = text;
    if (!value.isEmpty() && FormulaStarts.contains(value.front()))
        value.prepend(u'\'');
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r'))
        return value;
    return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray line(const QStringList &fields)
{
    QStringList written;
    for (const QString &each : fields)
        written << field(each);
    return written.join(u',').toUtf8() + "\r\n";
}

QByteArray row(const ExportedAnswer &exported)
{
    const AnswerRecord &answer = exported.answer;
    return line({exported.learner, QString::number(answer.entry), boardName(answer.entry),
                 boardName(answer.answer),
                 answer.correct ? QStringLiteral("1") : QStringLiteral("0"),
                 answer.answeredAt.toUTC().toString(Qt::ISODateWithMs),
                 answer.game.toString(QUuid::WithoutBraces), kindName(answer.kind), answer.pack});
}

} // namespace

QByteArray header()
{
    return QByteArray("\xEF\xBB\xBF") + line(Columns);
}

bool write(RecordStore &store, QIODevice &device)
{
    bool written = device.write(header()) >= 0;
    store.forEachAnswer(
        [&](const ExportedAnswer &answer) { written = written && device.write(row(answer)) >= 0; });
    return written;
}

} // namespace AnswerCsv
