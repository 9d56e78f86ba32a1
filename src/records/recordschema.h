#ifndef RECORDSCHEMA_H
#define RECORDSCHEMA_H

#include "records/storefailure.h"

#include <optional>

class StoreConnection;

// The tables of a store and the steps that bring a store of each earlier
// version to this one. The statements keep to SQL that SQLite and
// PostgreSQL both read; times are ISO 8601 text in UTC.
namespace RecordSchema {

constexpr int CurrentVersion = 2;

// The version of the store's schema, 0 for a database without tables; a
// failure for one that is damaged, newer or not a store of records. It
// only reads.
std::optional<StoreFailure> readVersion(StoreConnection &connection, int &version);

// Brings the store to the current version in one transaction: a failure
// leaves it as it was.
std::optional<StoreFailure> migrate(StoreConnection &connection);

} // namespace RecordSchema

#endif
