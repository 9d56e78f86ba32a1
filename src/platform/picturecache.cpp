#include "picturecache.h"
#include "failure.h"
#include "picture.h"

#include <future>
#include <map>
#include <mutex>

namespace {

std::mutex cacheMutex;
std::map<QString, std::future<QImage>> cache;

QImage decodeQuietly(const QString &path)
{
    try {
        return loadPicture(path);
    } catch (const Failure &) {
        return QImage();
    }
}

} // namespace

void preloadPictures(const QStringList &paths)
{
    const std::lock_guard lock(cacheMutex);
    for (const QString &path : paths)
        if (!cache.contains(path))
            cache.emplace(path, std::async(std::launch::async, decodeQuietly, path));
}

QImage takePreloadedPicture(const QString &path)
{
    std::future<QImage> pending;
    {
        const std::lock_guard lock(cacheMutex);
        const auto found = cache.find(path);
        if (found == cache.end())
            return QImage();
        pending = std::move(found->second);
        cache.erase(found);
    }
    return pending.get();
}
