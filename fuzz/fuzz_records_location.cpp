#include "records/recordstore.h"
#include "records/serveraddress.h"
#include "records/storelocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

// A server's address is read, never connected to: one that is taken
// connects with a timeout and has no password to hide, and hiding one
// leaves nothing more to hide.
void checkAddress(const QString &value)
{
    QString problem;
    const std::optional<ServerAddress> address = ServerAddress::parse(value, problem);
    if (address.has_value() == !problem.isEmpty())
        __builtin_trap();
    if (address && !address->connectOptions().startsWith(QStringLiteral("connect_timeout=2;")))
        __builtin_trap();
    const QString shown = ServerAddress::shown(value);
    if ((address && shown != value) || ServerAddress::shown(shown) != shown)
        __builtin_trap();
}

} // namespace

// The input is a settings file; after its first NUL byte comes a store path
// as it may stand in store= or after --records=. The path is resolved in a
// folder of the fuzzer's own, and a store there is opened and left again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir sandbox;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QString settings = sandbox.filePath(QStringLiteral("hana.conf"));
    {
        QFile file(settings);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(split < 0 ? input : input.left(split));
    }
    if (const auto store = StoreLocation::storeInSettings(settings)) {
        if (ServerAddress::isServer(*store))
            checkAddress(*store);
        else if (!QDir::isAbsolutePath(*store))
            __builtin_trap();
    }
    if (split < 0)
        return 0;
    const QString value = QString::fromUtf8(input.mid(split + 1));
    const QString root = sandbox.filePath(QStringLiteral("stores"));
    if (ServerAddress::isServer(value)) {
        if (StoreLocation::storePath(value, root) != value)
            __builtin_trap();
        checkAddress(value);
        return 0;
    }
    const QString path = StoreLocation::storePath(value, root);
    if (!QDir::isAbsolutePath(path) || path != QDir::cleanPath(path))
        __builtin_trap();
    if (!value.isEmpty() && path.startsWith(root + u'/')) {
        const auto store = RecordStore::openFile(path);
        if (!store->failure() &&
            store->addLearner(QStringLiteral("ゆき"), 1) == LearnerChange::Failed)
            __builtin_trap();
        QDir(root).removeRecursively();
    }
    return 0;
}
