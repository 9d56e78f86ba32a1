#ifndef SERVERCONNECTION_H
#define SERVERCONNECTION_H

#include "records/storeconnection.h"

// The connection to a store on a PostgreSQL server, through Qt's driver and
// libpq. Connecting gives up after two seconds; the password, if the server
// asks for one, comes from libpq's own ~/.pgpass or service file.
class ServerConnection : public StoreConnection
{
public:
    explicit ServerConnection(const QString &uri);

    std::optional<StoreFailure> open() override;
    std::optional<StoreFailure> beginWrite() override;
    std::optional<StoreFailure> tables(QStringList &names) override;
    StoreFailure failureOf(const QSqlError &error) const override;
    bool isConstraint(const QSqlError &error) const override;
    QString learnerKey() const override;

private:
    QString m_uri;
};

#endif
