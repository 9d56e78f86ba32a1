#include "editor/photodrop.h"
#include "pack/packbuilder.h"
#include "pack/voiceprocessor.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString droppedFile(const QMimeData *data, const QStringList &suffixes)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && file.isFile() && suffixes.contains(file.suffix().toLower()))
            return file.absoluteFilePath();
    }
    return {};
}

QString droppedPhoto(const QMimeData *data)
{
    return droppedFile(data, pictureSources().suffixes);
}

QString droppedVoice(const QMimeData *data)
{
    return droppedFile(data, VoiceProcessor::suffixes());
}
