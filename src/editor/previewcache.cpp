#include "editor/previewcache.h"
#include "content/contentpack.h"
#include "platform/failure.h"
#include "platform/picture.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

PreviewCache::PreviewCache(QSize thumbnailSize, QObject *parent)
    : QObject(parent), m_packer(ContentPack::pictureFrame()), m_thumbnailSize(thumbnailSize)
{
}

PreviewCache::~PreviewCache()
{
    m_queue.clear();
    m_pool.waitForDone();
}

QString PreviewCache::keyOf(const QString &path)
{
    const QFileInfo file(path);
    return QStringLiteral("%1\n%2\n%3")
        .arg(path)
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.size());
}

const Preview *PreviewCache::preview(const QString &path, bool urgent)
{
    const auto found = m_previews.constFind(keyOf(path));
    if (found != m_previews.constEnd())
        return &*found;
    const qsizetype waiting = m_queue.indexOf(path);
    if (waiting < 0 || (urgent && waiting > 0)) {
        if (waiting > 0)
            m_queue.removeAt(waiting);
        if (urgent)
            m_queue.prepend(path);
        else if (waiting < 0)
            m_queue.append(path);
    }
    startNext();
    return nullptr;
}

void PreviewCache::adopt(const QString &path, const Preview &preview)
{
    m_previews.insert(keyOf(path), preview);
    emit ready(path);
}

void PreviewCache::clearQueue()
{
    m_queue.clear();
}

// As many files are made at once as the pool has threads.
void PreviewCache::startNext()
{
    while (!m_queue.isEmpty() && m_running.size() < m_pool.maxThreadCount()) {
        const QString path = m_queue.takeFirst();
        const QString key = keyOf(path);
        if (m_running.contains(key) || m_previews.contains(key))
            continue;
        m_running.insert(key);
        auto *watcher = new QFutureWatcher<Preview>(this);
        connect(watcher, &QFutureWatcher<Preview>::finished, this, [this, watcher, path, key] {
            m_previews.insert(key, watcher->result());
            m_running.remove(key);
            watcher->deleteLater();
            startNext();
            emit ready(path);
        });
        const PicturePacker &packer = m_packer;
        const QSize size = m_thumbnailSize;
        watcher->setFuture(
            QtConcurrent::run(&m_pool, [&packer, path, size] { return make(packer, path, size); }));
    }
}

Preview PreviewCache::make(const PicturePacker &packer, const QString &path, QSize thumbnailSize)
{
    Preview preview;
    try {
        if (QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
            preview.picture = loadPicture(path);
        } else {
            PackedPicture packed = packer.pack(path);
            if (!packed.problem.isEmpty()) {
                preview.problem = packed.problem;
                return preview;
            }
            QBuffer gif(&packed.gif);
            gif.open(QIODevice::ReadOnly);
            preview.picture = decodePicture(&gif, path);
        }
    } catch (const Failure &failure) {
        preview.problem = failure.message().section(u'\n', 0, 0);
        return preview;
    }
    preview.thumbnail =
        preview.picture.scaled(thumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return preview;
}
