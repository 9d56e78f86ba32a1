#ifndef DECODERWARNINGS_H
#define DECODERWARNINGS_H

#include <QStringList>

// Collects what Qt's image decoders warn about on this thread while an
// instance lives, instead of printing it. A JPEG decoder that runs out of
// data only warns and fills the missing rows with grey; this tells such a
// picture apart. Pictures decoded on other threads at the same time keep
// their warnings apart.
class DecoderWarnings
{
public:
    DecoderWarnings();
    ~DecoderWarnings();
    DecoderWarnings(const DecoderWarnings &) = delete;
    DecoderWarnings &operator=(const DecoderWarnings &) = delete;

    // The decoder met the end of the file or of a data segment too soon.
    bool dataCutShort() const;

private:
    friend struct DecoderWarningsHandler;

    DecoderWarnings *m_outer;
    QStringList m_messages;
};

#endif
