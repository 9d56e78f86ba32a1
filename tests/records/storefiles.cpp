#include "storefiles.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool runSqlScript(const QString &script, const QString &path)
{
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString connection = QStringLiteral("script");
    bool ran = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ran = db.open();
        const QStringList statements =
            QString::fromUtf8(file.readAll()).split(u';', Qt::SkipEmptyParts);
        for (const QString &statement : statements) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            ran = ran && query.exec(statement);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ran;
}
