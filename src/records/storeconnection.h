#ifndef STORECONNECTION_H
#define STORECONNECTION_H

#include "records/storefailure.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <optional>

// The connection to one store, a file or a server: what the two databases
// do differently, behind what the store's tables and statements need.
class StoreConnection
{
public:
    virtual ~StoreConnection();
    StoreConnection(const StoreConnection &) = delete;
    StoreConnection &operator=(const StoreConnection &) = delete;

    // Connects, making a file and its folder when missing.
    virtual std::optional<StoreFailure> open() = 0;
    // Readies a store known to be usable for writing.
    virtual std::optional<StoreFailure> prepareForWriting() { return std::nullopt; }

    QSqlDatabase database() const;
    // The file or the server's address, as the messages name the store.
    QString path() const { return m_path; }

    // A transaction that holds the store for writing from its start.
    virtual std::optional<StoreFailure> beginWrite() = 0;
    std::optional<StoreFailure> commit();
    void rollback();

    // The names of the store's tables.
    virtual std::optional<StoreFailure> tables(QStringList &names) = 0;

    // The failure that an error of the database stands for.
    virtual StoreFailure failureOf(const QSqlError &error) const = 0;
    // Whether the error is a broken rule of a table: a name taken, say.
    virtual bool isConstraint(const QSqlError &error) const = 0;
    // The type of the learners' key, numbered by the database itself.
    virtual QString learnerKey() const = 0;

protected:
    explicit StoreConnection(const QString &path);
    // The connection under the name of this one, with the driver's name.
    QSqlDatabase addDatabase(const QString &driver) const;
    std::optional<StoreFailure> execute(const QString &statement);
    // Names of tables, from a query that lists them.
    std::optional<StoreFailure> tableNames(const QString &statement, QStringList &names);

private:
    QString m_path;
    QString m_name;
};

#endif
