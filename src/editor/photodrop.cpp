#include "editor/photodrop.h"
#include "pack/packbuilder.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString droppedPhoto(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && file.isFile() &&
            pictureSources().suffixes.contains(file.suffix().toLower()))
            return file.absoluteFilePath();
    }
    return {};
}
