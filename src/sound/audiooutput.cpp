#include "sound/audiooutput.h"

#include <QAudioDevice>
#include <QFile>
#include <QLibraryInfo>
#include <QList>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMutex>
#include <QStandardPaths>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QMutex heldLock;
QList<HeldMessage> held;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QMutexLocker locker(&heldLock);
    held.append({type, context.category, text});
}

// Where Qt reads a user's logging rules from. Rules set through the API
// would override those of the files, so any of them leaves the API alone.
bool userSetsLoggingRules()
{
    return qEnvironmentVariableIsSet("QT_LOGGING_RULES") ||
           qEnvironmentVariableIsSet("QT_LOGGING_CONF") ||
           !QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                   QStringLiteral("QtProject/qtlogging.ini"))
                .isEmpty() ||
           QFile::exists(QLibraryInfo::path(QLibraryInfo::DataPath) + "/qtlogging.ini");
}

} // namespace

bool audioOutputPresent()
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    const bool present = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);

    heldLock.lock();
    const QList<HeldMessage> messages = std::exchange(held, {});
    heldLock.unlock();
    if (present || userSetsLoggingRules()) {
        for (const HeldMessage &message : messages)
            qt_message_output(message.type,
                              QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                              message.text);
    }
    return present;
}

void quietMultimedia()
{
    if (!userSetsLoggingRules())
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*.info=false"));
    // A list with no device type in it.
    for (const char *variable :
         {"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "QT_FFMPEG_ENCODING_HW_DEVICE_TYPES"}) {
        if (!qEnvironmentVariableIsSet(variable))
            qputenv(variable, ",");
    }
}
