#include "pack/desktopentry.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

// A value of a desktop entry writes a backslash as two.
QString escaped(QString value)
{
    return value.replace(u'\\', QStringLiteral("\\\\"));
}

} // namespace

namespace DesktopEntry {

QString fileName(const QString &packName)
{
    return QStringLiteral("net.hanazukan.Hana.Pack_%1.desktop")
        .arg(QString::fromLatin1(packName.toUtf8().toHex()));
}

QString title(const QString &packName)
{
    return QStringLiteral("花の図鑑（%1）").arg(packName);
}

// Every argument is quoted: inside the quotes a backslash escapes ", `, $
// and itself; then the value's own escapes double each backslash again.
// A "%" is a field code unless doubled.
QString execArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

QByteArray contents(const QString &packName, const QString &program, const QString &packFolder)
{
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=%1").arg(escaped(title(packName))),
        QStringLiteral("Comment=「%1」の写真と文で、花の名前を覚えます").arg(escaped(packName)),
        QStringLiteral("Exec=%1 --content %2").arg(execArgument(program), execArgument(packFolder)),
        QStringLiteral("Icon=net.hanazukan.Hana"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Education;Biology;"),
        QStringLiteral("X-Hana-Pack=%1").arg(escaped(packName)),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

std::optional<QString> complaints(const QString &path)
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {path});
    const bool finished = process.waitForFinished(30000);
    const QString output = QString::fromUtf8(process.readAll()).trimmed();
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return std::nullopt;
    return output;
}

} // namespace DesktopEntry
