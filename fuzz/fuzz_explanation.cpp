#include "content/explanation.h"
#include "content/contenttext.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        decodeContentText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList lines = splitLines(text);
    qsizetype characters = 0;
    for (const QString &line : lines)
        characters += line.size();
    if (characters > text.size())
        __builtin_trap();
    return 0;
}
