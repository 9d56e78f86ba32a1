#include "teacher/storewatch.h"

StoreWatch::StoreWatch(RecordStore &store, int interval, QObject *parent)
    : QObject(parent), m_store(store)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &StoreWatch::check);
    m_timer.start();
}

void StoreWatch::markSeen()
{
    m_seen = ClassRecords::stamp(m_store);
}

void StoreWatch::check()
{
    const std::optional<StoreStamp> now = ClassRecords::stamp(m_store);
    if (!now) {
        m_timer.stop();
        return;
    }
    if (m_seen && *now == *m_seen)
        return;
    m_seen = now;
    emit changed();
}
