#include "editor/editorsettings.h"

#include <QSettings>

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("hana"), QStringLiteral("hana-editor"));
}

// A key for a folder that any path can be.
QString folderKey(const QString &group, const QString &folder)
{
    return group + u'/' + QString::fromLatin1(folder.toUtf8().toHex());
}

} // namespace

namespace EditorSettings {

QString lastFolder()
{
    return settings().value(QStringLiteral("lastFolder")).toString();
}

void setLastFolder(const QString &folder)
{
    settings().setValue(QStringLiteral("lastFolder"), folder);
}

QString photoFolder()
{
    return settings().value(QStringLiteral("photoFolder")).toString();
}

void setPhotoFolder(const QString &folder)
{
    settings().setValue(QStringLiteral("photoFolder"), folder);
}

QString voiceFolder()
{
    return settings().value(QStringLiteral("voiceFolder")).toString();
}

void setVoiceFolder(const QString &folder)
{
    settings().setValue(QStringLiteral("voiceFolder"), folder);
}

QByteArray voiceInput()
{
    return settings().value(QStringLiteral("voiceInput")).toByteArray();
}

void setVoiceInput(const QByteArray &device)
{
    settings().setValue(QStringLiteral("voiceInput"), device);
}

QByteArray geometry()
{
    return settings().value(QStringLiteral("geometry")).toByteArray();
}

void setGeometry(const QByteArray &geometry)
{
    settings().setValue(QStringLiteral("geometry"), geometry);
}

QString packName(const QString &folder, const QString &otherwise)
{
    return settings().value(folderKey(QStringLiteral("packNames"), folder), otherwise).toString();
}

void setPackName(const QString &folder, const QString &name)
{
    settings().setValue(folderKey(QStringLiteral("packNames"), folder), name);
}

int lastEntry(const QString &folder)
{
    return settings().value(folderKey(QStringLiteral("lastEntries"), folder), 1).toInt();
}

void setLastEntry(const QString &folder, int entry)
{
    settings().setValue(folderKey(QStringLiteral("lastEntries"), folder), entry);
}

} // namespace EditorSettings
