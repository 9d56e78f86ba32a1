#ifndef DECODERWARNINGS_H
#define DECODERWARNINGS_H

#include <QStringList>
#include <QtMessageHandler>

// Collects what Qt's image decoders warn about while an instance lives,
// instead of printing it. A JPEG decoder that runs out of data only warns
// and fills the missing rows with grey; this tells such a picture apart.
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
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous;
    QStringList m_messages;
};

#endif
