#include "pack/decoderwarnings.h"

#include <algorithm>

namespace {

DecoderWarnings *current = nullptr;

} // namespace

DecoderWarnings::DecoderWarnings() : m_previous(qInstallMessageHandler(collect))
{
    current = this;
}

DecoderWarnings::~DecoderWarnings()
{
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

bool DecoderWarnings::dataCutShort() const
{
    return std::any_of(m_messages.begin(), m_messages.end(), [](const QString &message) {
        return message.contains(QLatin1String("premature end"), Qt::CaseInsensitive);
    });
}

// Messages of the image decoders are kept; all others go on as before.
void DecoderWarnings::collect(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (!current)
        return;
    if (QByteArrayView(context.category).startsWith("qt.gui.imageio"))
        current->m_messages << message;
    else if (current->m_previous)
        current->m_previous(type, context, message);
}
