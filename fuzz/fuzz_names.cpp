#include "content/entrynames.h"
#include "content/contenttext.h"
#include "platform/failure.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        decodeContentText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    try {
        const QStringList names = parseEntryNames(text, QStringLiteral("name.txt"));
        if (names.size() != 60)
            __builtin_trap();
    } catch (const Failure &) {
    }
    return 0;
}
