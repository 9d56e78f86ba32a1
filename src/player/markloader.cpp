#include "player/markloader.h"
#include "content/contentpath.h"
#include "platform/failure.h"
#include "player/playerstrip.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent>

MarkLoader::MarkLoader(const QList<int> &entries, int side, QWidget *window)
    : QObject(window), m_entries(entries), m_side(side)
{
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcher<DecodedMark>::resultReadyAt, this, &MarkLoader::markReady);
    window->installEventFilter(this);
}

// The first paint of the window goes first: the display server and the
// screen's thread have the processor to themselves until then.
bool MarkLoader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &MarkLoader::start);
    }
    return false;
}

void MarkLoader::start()
{
    const int side = m_side;
    m_watcher.setFuture(QtConcurrent::mapped(&m_pool, m_entries, [side](int entry) {
        try {
            return DecodedMark{.picture = learnerMark(entry, side), .problem = {}};
        } catch (const Failure &failure) {
            return DecodedMark{.picture = {}, .problem = failure.message()};
        }
    }));
}

// Closing drops the marks not yet begun and waits for those under way.
MarkLoader::~MarkLoader()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
}
