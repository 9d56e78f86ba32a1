#include "records/answercsv.h"
#include "content/contentpack.h"
#include "records/recordstore.h"

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

QByteArray line(const QStringList &fields)
{
    QStringList written;
    for (const QString &each : fields)
        written << field(each);
    return written.join(u',').toUtf8() + "\r\n";
}

} // namespace

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

QByteArray header()
{
    return QByteArray("\xEF\xBB\xBF") + line(Columns);
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

} // namespace AnswerCsv
