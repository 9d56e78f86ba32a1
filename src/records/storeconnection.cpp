#include "records/storeconnection.h"

#include <QAtomicInt>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString connectionName()
{
    static QAtomicInt count;
    return QStringLiteral("hana-records-%1").arg(count.fetchAndAddRelaxed(1));
}

} // namespace

StoreConnection::StoreConnection(const QString &path) : m_path(path), m_name(connectionName()) {}

StoreConnection::~StoreConnection()
{
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase StoreConnection::addDatabase(const QString &driver) const
{
    return QSqlDatabase::addDatabase(driver, m_name);
}

QSqlDatabase StoreConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

std::optional<StoreFailure> StoreConnection::commit()
{
    return execute(QStringLiteral("COMMIT"));
}

void StoreConnection::rollback()
{
    execute(QStringLiteral("ROLLBACK"));
}

std::optional<StoreFailure> StoreConnection::execute(const QString &statement)
{
    QSqlQuery query(database());
    if (!query.exec(statement))
        return failureOf(query.lastError());
    return std::nullopt;
}

std::optional<StoreFailure> StoreConnection::tableNames(const QString &statement,
                                                        QStringList &names)
{
    QSqlQuery query(database());
    if (!query.exec(statement))
        return failureOf(query.lastError());
    while (query.next())
        names << query.value(0).toString();
    return std::nullopt;
}
