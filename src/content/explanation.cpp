#include "content/explanation.h"
#include "content/contentpath.h"
#include "content/contenttext.h"
#include "content/datapath.h"

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.sliced(start, pos - start);
        if (c == QLatin1Char('\r') && pos + 1 < text.size() && text[pos + 1] == QLatin1Char('\n'))
            ++pos;
        start = pos + 1;
    }
    if (start < text.size())
        lines << text.sliced(start);
    return lines;
}

QStringList ReadExplanationLines(const QString &root, int entry)
{
    return splitLines(readTextFile(EntryExplanationPath(root, entry)));
}

QStringList ReadExplanationLines(int entry)
{
    return ReadExplanationLines(DataPath, entry);
}
