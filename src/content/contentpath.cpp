#include "content/contentpath.h"
#include "content/contentpack.h"
#include "content/datapath.h"

#include <QFileInfo>

QString ContentPath(const QString &root, const QString &relative)
{
    return root + relative;
}

QString ContentPath(const QString &relative)
{
    return ContentPath(DataPath, relative);
}

QString EntryFileNumber(int entry)
{
    return QString::number(entry);
}

QString EntryExplanationPath(const QString &root, int entry)
{
    return ContentPath(root, ContentPack::entryText(entry));
}

QString EntryExplanationPath(int entry)
{
    return EntryExplanationPath(DataPath, entry);
}

QString EntryPicturePath(const QString &root, int entry)
{
    return ContentPath(root, ContentPack::entryPicture(entry));
}

QString EntryPicturePath(int entry)
{
    return EntryPicturePath(DataPath, entry);
}

QString EntryVoicePath(const QString &root, int entry)
{
    return ContentPath(root, ContentPack::entryVoice(entry));
}

QString EntryVoicePath(int entry)
{
    return EntryVoicePath(DataPath, entry);
}

bool PackHasVoices()
{
    return QFileInfo(ContentPath(ContentPack::VoicesFolder)).isDir();
}

bool EntryHasVoice(int entry)
{
    return QFileInfo::exists(EntryVoicePath(entry));
}
