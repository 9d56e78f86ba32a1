#include "records/storelocation.h"
#include "records/serveraddress.h"

#include <QCryptographicHash>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace StoreLocation {

namespace {

const QString Option = QStringLiteral("records");
const QString SettingsFile = QStringLiteral("hana/hana.conf");
const QString StoreKey = QStringLiteral("records/store");

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/hana");
}

} // namespace

CommandLineOption recordsOption()
{
    return {{Option},
            QStringLiteral("FILE"),
            QStringLiteral("子どもごとに答えを記録します。FILE がなければ %1 に、"
                           "postgresql://… ならそのサーバーに。")
                .arg(QStringLiteral("~/.local/share/hana/records.sqlite")),
            true};
}

QString defaultStore()
{
    return dataFolder() + QStringLiteral("/records.sqlite");
}

// Qt names the state folder only from 6.7 on.
QString outboxPath(const QString &serverAddress)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QByteArray digest =
        QCryptographicHash::hash(serverAddress.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("%1/hana/outbox-%2.sqlite")
        .arg(state, QString::fromLatin1(digest.left(12)));
}

QString storePath(const QString &value, const QString &relativeTo)
{
    if (ServerAddress::isServer(value))
        return value;
    if (value.isEmpty())
        return defaultStore();
    if (value == u'~' || value.startsWith(QStringLiteral("~/")))
        return QDir::cleanPath(QDir::homePath() + value.mid(1));
    return QDir::cleanPath(QDir(relativeTo).absoluteFilePath(value));
}

std::optional<QString> storeInSettings(const QString &settingsFile)
{
    const QSettings settings(settingsFile, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(StoreKey))
        return std::nullopt;
    return storePath(settings.value(StoreKey).toString().trimmed(), dataFolder());
}

std::optional<QString> requestedStore(const CommandLine &commandLine)
{
    if (commandLine.isSet(Option))
        return storePath(commandLine.value(Option), QDir::currentPath());
    const QStringList files =
        QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, SettingsFile);
    for (const QString &file : files)
        if (auto store = storeInSettings(file))
            return store;
    return std::nullopt;
}

} // namespace StoreLocation
