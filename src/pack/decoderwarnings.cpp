#include "pack/decoderwarnings.h"

#include <QtMessageHandler>
#include <algorithm>

namespace {

thread_local DecoderWarnings *current = nullptr;

} // namespace

// The one message handler of the process: decoder messages go to the
// collector of the thread they come from, all others on as before. It is
// put in place once and stays, as handlers cannot be changed safely while
// other threads log.
struct DecoderWarningsHandler
{
    static QtMessageHandler previous;

    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (current && QByteArrayView(context.category).startsWith("qt.gui.imageio"))
            current->m_messages << message;
        else if (previous)
            previous(type, context, message);
    }

    static void install()
    {
        static const bool installed = [] {
            previous = qInstallMessageHandler(collect);
            return true;
        }();
        Q_UNUSED(installed);
    }
};

QtMessageHandler DecoderWarningsHandler::previous = nullptr;

DecoderWarnings::DecoderWarnings() : m_outer(current)
{
    DecoderWarningsHandler::install();
    current = this;
}

DecoderWarnings::~DecoderWarnings()
{
    current = m_outer;
}

bool DecoderWarnings::dataCutShort() const
{
    return std::any_of(m_messages.begin(), m_messages.end(), [](const QString &message) {
        return message.contains(QLatin1String("premature end"), Qt::CaseInsensitive);
    });
}
