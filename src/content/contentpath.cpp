#include "contentpath.h"
#include "datapath.h"

QString ContentPath(const QString &relative)
{
    return DataPath + relative;
}

QString EntryFileNumber(int entry)
{
    return QString::number(entry);
}

QString EntryExplanationPath(int entry)
{
    return ContentPath(QStringLiteral("/説明/s") + EntryFileNumber(entry) + QStringLiteral(".txt"));
}

QString EntryPicturePath(int entry)
{
    return ContentPath(QStringLiteral("/画像/h") + EntryFileNumber(entry) + QStringLiteral(".gif"));
}
