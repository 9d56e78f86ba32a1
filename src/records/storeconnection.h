#ifndef STORECONNECTION_H
#define STORECONNECTION_H

#include "records/storefailure.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <optional>

// The connection to one store's SQLite file. The file is made 0600 in a
// folder made 0700, since it holds children's names; a file or folder that
// may not be written is refused before SQLite opens it, so nothing is
// written into a store that cannot be used. Writers wait for each other
// (a busy timeout) and write ahead into a log (WAL), so that two programs on
// one store lose nothing.
class StoreConnection
{
public:
    explicit StoreConnection(const QString &path);
    ~StoreConnection();
    StoreConnection(const StoreConnection &) = delete;
    StoreConnection &operator=(const StoreConnection &) = delete;

    // Opens the file, made with its folder when missing.
    std::optional<StoreFailure> open();
    // Turns on the write-ahead log: only for a store known to be usable, as
    // it writes to the file.
    std::optional<StoreFailure> prepareForWriting();

    QSqlDatabase database() const;
    QString path() const { return m_path; }

    // A transaction that holds the store for writing from its start.
    std::optional<StoreFailure> beginWrite();
    std::optional<StoreFailure> commit();
    void rollback();

    // The names of the store's tables.
    std::optional<StoreFailure> tables(QStringList &names);

    // The failure that an error of SQLite stands for.
    StoreFailure failureOf(const QSqlError &error) const;

private:
    std::optional<StoreFailure> makeFolder() const;
    std::optional<StoreFailure> checkFile() const;
    std::optional<StoreFailure> execute(const QString &statement);

    QString m_path;
    QString m_name;
};

#endif
