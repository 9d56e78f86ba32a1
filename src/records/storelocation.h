#ifndef STORELOCATION_H
#define STORELOCATION_H

#include "platform/commandline.h"

#include <QString>
#include <optional>

// Where a run keeps its records, if it keeps any: the --records option,
// which every program that keeps records takes, or else the [records]
// group's store= in the settings file, the account's
// ($XDG_CONFIG_HOME/hana/hana.conf) before the machine's
// (/etc/xdg/hana/hana.conf).
namespace StoreLocation {

// The option, as hana and hana-records list it.
CommandLineOption recordsOption();

// The store the command line or the settings ask for; none when records
// are not asked for.
std::optional<QString> requestedStore(const CommandLine &commandLine);

// The store one settings file asks for; none when it names none.
std::optional<QString> storeInSettings(const QString &settingsFile);

// The store's path for a value given for it: the default store for an empty
// one, a path after ~/ under the home folder, a relative path from the
// folder given, and a server's address as it is.
QString storePath(const QString &value, const QString &relativeTo);

// $XDG_DATA_HOME/hana/records.sqlite
QString defaultStore();

// Where a machine keeps its answers for the server at that address until
// they are sent, and the learners last read from it:
// $XDG_STATE_HOME/hana/outbox-<the first 12 digits of the address's SHA-1>.sqlite
QString outboxPath(const QString &serverAddress);

} // namespace StoreLocation

#endif
