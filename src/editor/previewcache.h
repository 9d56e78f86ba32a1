#ifndef PREVIEWCACHE_H
#define PREVIEWCACHE_H

#include "pack/picturepacker.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

// What one picture file gives the picture book: for a photograph the GIF
// that hana-pack writes from it, decoded as the program decodes it; for a
// GIF of a pack the picture itself.
struct Preview
{
    QImage picture;
    QImage thumbnail; // the picture scaled to fit the thumbnail's size
    QString problem;  // why the file gives no picture; empty when it gives one
};

// Makes the previews of picture files on worker threads and keeps them by
// file, its time of change and its size, so that a file changed since is
// made again. The queue is served first come, first served, except that an
// urgent request goes ahead of all waiting ones.
class PreviewCache : public QObject
{
    Q_OBJECT

public:
    explicit PreviewCache(QSize thumbnailSize, QObject *parent = nullptr);
    ~PreviewCache() override;

    // The preview of the file as it is now, or null while it is being made;
    // one not made yet is asked for.
    const Preview *preview(const QString &path, bool urgent = false);
    // Drops the requests not yet started.
    void clearQueue();
    // Requests waiting or being made.
    qsizetype pending() const { return m_queue.size() + m_running.size(); }

    // The preview of a file made now, on the calling thread, to see whether
    // a photograph can be used before it is copied in.
    Preview check(const QString &path) const { return make(m_packer, path, m_thumbnailSize); }
    // Keeps a preview made by check as the one of a file that holds the same.
    void adopt(const QString &path, const Preview &preview);

    // Makes a preview on the calling thread.
    static Preview make(const PicturePacker &packer, const QString &path, QSize thumbnailSize);

signals:
    void ready(const QString &path);

private:
    static QString keyOf(const QString &path);
    void startNext();

    PicturePacker m_packer;
    QSize m_thumbnailSize;
    QThreadPool m_pool;
    QHash<QString, Preview> m_previews; // by key
    QStringList m_queue;                // paths
    QSet<QString> m_running;            // keys
};

#endif
