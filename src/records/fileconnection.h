#ifndef FILECONNECTION_H
#define FILECONNECTION_H

#include "records/storeconnection.h"

// The connection to one store's SQLite file. The file is made 0600 in a
// folder made 0700, since it holds children's names; a file or folder that
// may not be written is refused before SQLite opens it, so nothing is
// written into a store that cannot be used. Writers wait for each other
// (a busy timeout) and write ahead into a log (WAL), so that two programs on
// one store lose nothing.
class FileConnection : public StoreConnection
{
public:
    explicit FileConnection(const QString &path);

    std::optional<StoreFailure> open() override;
    // Turns on the write-ahead log: only for a store known to be usable, as
    // it writes to the file.
    std::optional<StoreFailure> prepareForWriting() override;
    std::optional<StoreFailure> beginWrite() override;
    std::optional<StoreFailure> tables(QStringList &names) override;
    StoreFailure failureOf(const QSqlError &error) const override;
    bool isConstraint(const QSqlError &error) const override;
    QString learnerKey() const override;

private:
    std::optional<StoreFailure> makeFolder() const;
    std::optional<StoreFailure> checkFile() const;
};

#endif
